#pragma once
// The shared one-line prompt: the caller sets the prompt (and optionally caption, preset
// text, maximum length, upper case), shows it and reads ResultString on OK.
#include <optional>
#include <string>

#include "app/modal_form.h"
#include "platform/ui/ui.h"

namespace tembrel {

class TGetStringForm : public ModalForm {
 public:
  std::string_view ClassName() const override { return "TGetStringForm"; }

  std::string caption = "Information Needed";
  std::string prompt;
  size_t max_length = 0;  // 0: no limit
  bool upper_case = false;

  // What the entry shows after the user typed `text` (upper-cased and cut as configured).
  void SetResultString(std::string_view text);
  const std::string& ResultString() const { return result_; }

  void OkClick() { modal_result = Button::Ok; }
  void CancelClick() { modal_result = Button::Cancel; }

 private:
  std::string result_;
};

// Opens the prompt; returns the answer on OK, nothing on Cancel or close.
struct PromptOptions {
  std::string caption = "Information Needed";
  std::string preset;
  size_t max_length = 0;
  bool upper_case = false;
};
std::optional<std::string> AskForString(Ui& ui, std::string_view prompt, const PromptOptions& options = {});

}  // namespace tembrel
