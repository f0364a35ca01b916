#pragma once
// "Select Folder": the folder tree of one drive, from its root down; the chosen folder comes
// back drive-relative ("\GAMES\DOOM", "\" for the root).
#include <optional>
#include <string>

#include "gui/qt_ui.h"
#include "platform/volumes/volumes.h"

namespace tembrel::gui {

// nullopt on Cancel, and after "Error Reading Structure Of Drive X:" when the drive's root
// cannot be read.
std::optional<std::string> ChooseDriveFolder(const ViewContext& ctx, QWidget* parent, const volumes::Drive& drive);

}  // namespace tembrel::gui
