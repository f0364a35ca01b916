#pragma once
#include "app/text_file_viewer_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowTextFileViewerView(TTextFileViewerForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
