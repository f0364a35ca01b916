#include "app/tools_settings_form.h"

#include <exception>

#include "app/global_tables.h"
#include "app/text_helpers.h"

namespace tembrel {
namespace {

std::string SquelchText(std::string_view text, size_t width) {
  std::string out(text);
  UpperCaseInPlace(out);
  return TrimCut(out, width);
}

}  // namespace

TToolsSettingsForm::TToolsSettingsForm(const AppContext& ctx) : ctx_(ctx) {
  drv = ctx_.state.specs.squelch_drive;
  dc_drv = ctx_.state.specs.dc_squelch_drive;
}

std::string TToolsSettingsForm::DriveCaption(int drive) {
  return std::string("Drive ") + static_cast<char>('A' + drive) + ":";
}

void TToolsSettingsForm::SetSquelchSpec(int i, std::string_view text) {
  ctx_.state.specs.squelch.at(i) = SquelchText(text, kSpecWidth);
}

void TToolsSettingsForm::SetDCSquelchSpec(int i, std::string_view text) {
  ctx_.state.specs.dc_squelch.at(i) = SquelchText(text, kSpecWidth);
}

void TToolsSettingsForm::SaveBtnClick() {
  saved_ = true;
  ctx_.state.specs.squelch_drive = drv;
  ctx_.state.specs.dc_squelch_drive = dc_drv;
  try {
    SaveSquelchSettings(ctx_.db, ctx_.state.specs);
  } catch (const std::exception&) {
    BeepError(ctx_.ui, kSaveErrorText);
  }
  CloseWith(Button::Ok);
}

void TToolsSettingsForm::FormClose() {
  if (saved_) return;
  SpecCopies& specs = ctx_.state.specs;
  SpecCopies edited = specs;
  try {
    // Only the squelch copies are restored; include/exclude edits of this run stay.
    LoadSpecCopies(ctx_.db, specs);
    specs.include = edited.include;
    specs.exclude = edited.exclude;
  } catch (const std::exception&) {
    specs = edited;
    BeepError(ctx_.ui, kRestoreErrorText);
  }
}

}  // namespace tembrel
