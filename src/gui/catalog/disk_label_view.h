#pragma once
#include "catalog/disk_label_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowDiskLabelView(catalog::TDiskLabelForm& form, const ViewContext& ctx);

// "F:  GAMES01" as a drive list shows a drive.
QString DriveListText(const volumes::Drive& drive);

}  // namespace tembrel::gui
