#pragma once
#include "catalog/disk_alias_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowDiskAliasView(catalog::TDiskAliasForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
