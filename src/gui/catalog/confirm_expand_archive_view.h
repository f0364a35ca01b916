#pragma once
#include "app/question_form.h"
#include "catalog/confirm_expand_archive_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowConfirmExpandArchiveView(catalog::TConfirmExpandArchiveForm& form, const ViewContext& ctx);
// A question with Yes, No, Cancel, Yes to All and No to All as the form lists them.
Button ShowQuestionView(TQuestionForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
