#pragma once
#include "gui/modal_view.h"
#include "store/catalog_fsize_form.h"

namespace tembrel::gui {

Button ShowCatalogFSizeView(TCatalogFSizeForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
