#pragma once
#include "catalog/disk_already_cataloged_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowDiskAlreadyCatalogedView(catalog::TDiskAlreadyCatalogedForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
