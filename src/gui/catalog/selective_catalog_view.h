#pragma once
#include "catalog/selective_catalog_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowSelectiveCatalogView(catalog::TSelectiveCatalogForm& form, const ViewContext& ctx);
Button ShowSelectiveCatalogTagCriteriaView(catalog::TSelectiveCatalogTagCriteriaForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
