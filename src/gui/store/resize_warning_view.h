#pragma once
#include "gui/modal_view.h"
#include "store/resize_warning_form.h"

namespace tembrel::gui {

Button ShowResizeWarningView(TResizeWarningForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
