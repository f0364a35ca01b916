#include "app/get_string_form.h"

#include <optional>

#include "platform/text/utf8.h"

namespace tembrel {

void TGetStringForm::SetResultString(std::string_view text) {
  std::string value = upper_case ? text::ToUpper(text) : std::string(text);
  if (max_length > 0) value = text::Left(value, max_length);
  result_ = std::move(value);
}

std::optional<std::string> AskForString(Ui& ui, std::string_view prompt, const PromptOptions& options) {
  TGetStringForm form;
  form.caption = options.caption;
  form.prompt = std::string(prompt);
  form.max_length = options.max_length;
  form.upper_case = options.upper_case;
  form.SetResultString(options.preset);
  if (ui.ShowModal(form) != Button::Ok) return std::nullopt;
  return form.ResultString();
}

}  // namespace tembrel
