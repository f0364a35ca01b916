#pragma once
// The help viewer: the help page shipped with the program, its contents and its index.
#include "app/help_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

inline constexpr const char* kHelpPageUrl = "qrc:/help/tembrel-help.html";

Button ShowHelpView(THelpForm& form, const ViewContext& ctx);
// A dialog's "Help" button: the help page at that dialog's topic.
void ShowHelpTopic(const ViewContext& ctx, std::string_view anchor);

}  // namespace tembrel::gui
