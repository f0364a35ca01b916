#pragma once
// "File Include/Exclude Specs": edits the 20 include and 20 exclude specs of the shared
// state in place. "&Save" writes them to the options table; "Cancel" reloads them from it;
// any other way of closing keeps the edited specs for the rest of the run, unwritten.
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "app/modal_form.h"

namespace tembrel {

class TIncludeExcludeForm : public ModalForm {
 public:
  explicit TIncludeExcludeForm(const AppContext& ctx) : ctx_(ctx) {}
  std::string_view ClassName() const override { return "TIncludeExcludeForm"; }

  static constexpr std::string_view kCaption = "File Include/Exclude Specs";
  static constexpr std::string_view kIncludeHeader = "File Include Specs";
  static constexpr std::string_view kExcludeHeader = "File Exclude Specs";
  static constexpr std::string_view kSaveErrorText = "Error Saving Include/Exclude Specs";
  static constexpr std::string_view kRestoreErrorText = "Error Restoring Original Include/Exclude Specs";
  static constexpr size_t kSpecWidth = 250;

  // 0-based entries; stored trimmed and cut to 250 characters.
  const std::string& IncludeSpec(int i) const { return ctx_.state.specs.include.at(i); }
  const std::string& ExcludeSpec(int i) const { return ctx_.state.specs.exclude.at(i); }
  void SetIncludeSpec(int i, std::string_view text);
  void SetExcludeSpec(int i, std::string_view text);

  void SaveBtnClick();
  void CancelBtnClick();

 private:
  AppContext ctx_;
};

}  // namespace tembrel
