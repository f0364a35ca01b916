#include "catalog/confirm_expand_archive_form.h"

#include "platform/text/utf8.h"
#include "platform/ui/ui.h"

namespace tembrel::catalog {

std::string ShortenPath(std::string_view path, size_t max_chars) {
  std::u32string chars = text::Decode(path);
  if (chars.size() <= max_chars || max_chars < 5) return std::string(path);
  const size_t keep = max_chars - 3;
  const size_t head = keep / 2, tail = keep - head;
  return text::Encode(chars.substr(0, head)) + "..." + text::Encode(chars.substr(chars.size() - tail));
}

bool ShouldExpand(const std::string& catalog_value, std::string& run_value, bool in_start_folder,
                  const std::string& display_path, tembrel::Ui& ui, SharedState& state) {
  if (catalog_value == "Always") return true;  // so members outside the start folder are counted
  if (in_start_folder && run_value == "Always") return true;
  if (run_value == "Never" || !in_start_folder) return false;
  TConfirmExpandArchiveForm form;
  form.archive_path = ShortenPath(display_path, 80);
  ui.ShowModal(form);
  switch (form.answer) {
    case TConfirmExpandArchiveForm::Answer::Yes:
      return true;
    case TConfirmExpandArchiveForm::Answer::YesToAll:
      run_value = "Always";
      return true;
    case TConfirmExpandArchiveForm::Answer::NoToAll:
      run_value = "Never";
      return false;
    case TConfirmExpandArchiveForm::Answer::Stop:
      run_value = "Never";
      state.abort_requested = true;
      return false;
    default:
      return false;
  }
}

}  // namespace tembrel::catalog
