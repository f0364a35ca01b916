#pragma once
#include "catalog/catalog_disk_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowCatalogDiskSpecView(catalog::TCatalogDiskSpecForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
