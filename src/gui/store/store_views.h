#pragma once
// Binds the windows of the catalog list, new, rename, options, sizes and resize warning
// dialogs to their logic classes.
#include "gui/qt_ui.h"

namespace tembrel::gui {

void RegisterStoreViews(QtUi& ui);

}  // namespace tembrel::gui
