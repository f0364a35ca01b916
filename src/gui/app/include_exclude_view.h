#pragma once
#include "app/include_exclude_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowIncludeExcludeView(TIncludeExcludeForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
