#pragma once
#include "gui/modal_view.h"
#include "store/select_catalog_form.h"

namespace tembrel::gui {

Button ShowSelectCatalogView(TSelectCatalogForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
