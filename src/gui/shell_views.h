#pragma once
// Binds the windows of the application shell's dialogs to their logic classes.
#include "gui/qt_ui.h"

namespace tembrel::gui {

// Also makes the help page available.
void RegisterShellViews(QtUi& ui);

}  // namespace tembrel::gui
