#pragma once
// Binds the windows of the shared prompt, volume picker and text viewer to their logic classes.
#include "gui/qt_ui.h"

namespace tembrel::gui {

void RegisterSharedViews(QtUi& ui);

}  // namespace tembrel::gui
