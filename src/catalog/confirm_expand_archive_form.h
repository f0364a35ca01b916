#pragma once
// "Expand Archive?": asked per archive when the catalog expands archives on demand.
#include <string>

#include "app/modal_form.h"
#include "app/shared_state.h"

namespace tembrel::catalog {

class TConfirmExpandArchiveForm : public ModalForm {
 public:
  std::string_view ClassName() const override { return "TConfirmExpandArchiveForm"; }
  static constexpr const char* kCaption = "Expand Archive?";

  std::string archive_path;  // folder path + name, as the user knows it

  enum class Answer { None, Yes, No, YesToAll, NoToAll, Stop };
  Answer answer = Answer::None;
  void YesClick() { Close(Answer::Yes); }
  void NoClick() { Close(Answer::No); }
  void YesToAllClick() { Close(Answer::YesToAll); }
  void NoToAllClick() { Close(Answer::NoToAll); }
  void StopClick() { Close(Answer::Stop); }

 private:
  void Close(Answer a) {
    answer = a;
    CloseWith(Button::Ok);
  }
};

// The path shortened with an ellipsis in the middle to at most `max_chars` characters.
std::string ShortenPath(std::string_view path, size_t max_chars);


// The expansion decision for one archive. `catalog_value` is the catalog's ExpandArchives,
// `run_value` the run's (the user's answers may switch it to "Always" or "Never").
bool ShouldExpand(const std::string& catalog_value, std::string& run_value, bool in_start_folder,
                  const std::string& display_path, Ui& ui, SharedState& state);

}  // namespace tembrel::catalog
