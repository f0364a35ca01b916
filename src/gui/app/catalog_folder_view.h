#pragma once
#include "app/catalog_folder_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowCatalogFolderView(TCatalogFolderForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
