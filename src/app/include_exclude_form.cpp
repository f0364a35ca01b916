#include "app/include_exclude_form.h"

#include <exception>

#include "app/global_tables.h"
#include "app/text_helpers.h"

namespace tembrel {

void TIncludeExcludeForm::SetIncludeSpec(int i, std::string_view text) {
  ctx_.state.specs.include.at(i) = TrimCut(text, kSpecWidth);
}

void TIncludeExcludeForm::SetExcludeSpec(int i, std::string_view text) {
  ctx_.state.specs.exclude.at(i) = TrimCut(text, kSpecWidth);
}

void TIncludeExcludeForm::SaveBtnClick() {
  try {
    SaveIncludeExclude(ctx_.db, ctx_.state.specs);
  } catch (const std::exception&) {
    // The edited specs stay in effect for this run even though they were not written.
    BeepError(ctx_.ui, kSaveErrorText);
  }
  CloseWith(Button::Ok);
}

void TIncludeExcludeForm::CancelBtnClick() {
  SpecCopies edited = ctx_.state.specs;
  try {
    LoadIncludeExclude(ctx_.db, ctx_.state.specs);
  } catch (const std::exception&) {
    ctx_.state.specs = edited;  // a half-done reload must not mix old and new entries
    BeepError(ctx_.ui, kRestoreErrorText);
  }
  CloseWith(Button::Cancel);
}

}  // namespace tembrel
