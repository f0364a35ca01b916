#pragma once
// The About window.
#include "app/about_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowAboutDialog(TAboutBox& form, const ViewContext& ctx);

}  // namespace tembrel::gui
