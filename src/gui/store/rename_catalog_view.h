#pragma once
#include "gui/modal_view.h"
#include "store/rename_catalog_form.h"

namespace tembrel::gui {

Button ShowRenameCatalogView(TRenameCatalogForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
