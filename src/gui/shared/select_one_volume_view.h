#pragma once
#include "app/select_one_volume_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowSelectOneVolumeView(TSelectOneVolumeForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
