#pragma once
#include "app/appearance_options_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowAppearanceOptionsView(TAppearanceOptionsForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
