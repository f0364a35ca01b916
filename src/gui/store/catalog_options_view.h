#pragma once
#include "gui/modal_view.h"
#include "store/catalog_options_form.h"

namespace tembrel::gui {

Button ShowCatalogOptionsView(TCatalogOptionsForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
