#pragma once
#include "app/tools_settings_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowToolsSettingsView(TToolsSettingsForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
