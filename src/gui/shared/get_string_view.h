#pragma once
#include "app/get_string_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

// The one-line prompt, centred on the screen each time.
Button ShowGetStringView(TGetStringForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
