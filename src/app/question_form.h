#pragma once
// A question with a choice of buttons beyond Yes and No (Yes, No, Cancel, Yes to All, No to All).
#include <string>
#include <vector>

#include "app/modal_form.h"

namespace tembrel {

class TQuestionForm : public ModalForm {
 public:
  TQuestionForm(std::string text, std::vector<Button> buttons) : text(std::move(text)), buttons(std::move(buttons)) {}
  std::string_view ClassName() const override { return "TQuestionForm"; }
  const std::string text;
  const std::vector<Button> buttons;
  void Click(Button b) { CloseWith(b); }
};

// Asks and returns the button pressed (None when the window was closed otherwise).
inline Button AskWithButtons(Ui& ui, std::string text, std::vector<Button> buttons) {
  TQuestionForm form(std::move(text), std::move(buttons));
  Button shown = ui.ShowModal(form);
  return form.ModalResult() != Button::None ? form.ModalResult() : shown;
}

}  // namespace tembrel
