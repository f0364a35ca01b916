#pragma once
// Binds the windows of the cataloging dialogs to their logic classes; the progress window,
// which stays open beside them, goes to the registry of modeless windows.
#include "gui/modeless_views.h"
#include "gui/qt_ui.h"

namespace tembrel::gui {

void RegisterCatalogViews(QtUi& ui);
void RegisterCatalogModelessViews(ModelessRegistry& registry);

}  // namespace tembrel::gui
