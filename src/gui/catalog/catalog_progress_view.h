#pragma once
// The cataloging progress window: every figure of the run, repainted when the run says so
// and once a second; Abort during the run, "&Close" after it.
#include <memory>

#include "catalog/catalog_progress_form.h"
#include "gui/modeless_views.h"

namespace tembrel::gui {

std::unique_ptr<ModelessView> MakeCatalogProgressView(catalog::TCatalogProgressForm& form, QWidget* parent,
                                                      const ViewContext& ctx);

}  // namespace tembrel::gui
