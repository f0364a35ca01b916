#pragma once
#include "gui/modal_view.h"
#include "store/new_catalog_form.h"

namespace tembrel::gui {

Button ShowNewCatalogView(TNewCatalogForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
