#include "cli/cli_ui.h"

#include <cstdio>

#include "app/question_form.h"
#include "catalog/bad_entry_form.h"
#include "catalog/confirm_expand_archive_form.h"
#include "catalog/disk_alias_form.h"
#include "catalog/disk_already_cataloged_form.h"
#include "catalog/disk_label_form.h"
#include "catalog/selective_catalog_form.h"
#include "store/resize_warning_form.h"

namespace tembrel::cli {

namespace {
void Print(const char* kind, std::string_view text) {
  std::string flat;
  for (char c : text) flat += (c == '\r' ? ' ' : c);
  std::fprintf(stderr, "%s: %s\n", kind, flat.c_str());
}
}  // namespace

std::string EscapeField(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    switch (c) {
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

Button CliUi::Information(std::string_view text) {
  Print("info", text);
  return Button::Ok;
}

Button CliUi::Error(std::string_view text) {
  ++errors_;
  Print("error", text);
  return Button::Ok;
}

Button CliUi::Warning(std::string_view text) {
  Print("warning", text);
  return Button::Ok;
}

Button CliUi::Ask(std::string_view text, bool) {
  // A disk without files passing the specs is still cataloged; anything else is declined.
  const bool yes = text.rfind("There Were No Files Passing", 0) == 0;
  Print(yes ? "answered yes" : "answered no", text);
  return yes ? Button::Yes : Button::No;
}

Button CliUi::ShowModal(Form& form) {
  using namespace catalog;
  if (auto* f = dynamic_cast<TDiskLabelForm*>(&form)) {
    if (choices_.label.empty()) {
      refusals_.push_back("the disk has no volume label: name it with --label");
      return Button::Cancel;
    }
    f->CatalogUnderAliasClick();
    return f->modal_result;
  }
  if (auto* f = dynamic_cast<TDiskAliasForm*>(&form)) {
    std::string name = choices_.label.empty() ? f->AliasLine() : choices_.label;
    if (name.empty()) {
      refusals_.push_back("the disk has no usable volume label: name it with --label");
      return Button::Cancel;
    }
    f->SetAlias(name);
    f->OkClick();
    return f->modal_result;
  }
  if (auto* f = dynamic_cast<TDiskAlreadyCatalogedForm*>(&form)) {
    if (!choices_.replace) {
      refusals_.push_back("the disk is already in the catalog: add --replace to re-catalog it");
      f->StopClick();
    } else {
      f->ReplaceClick();
    }
    return f->modal_result;
  }
  if (auto* f = dynamic_cast<TResizeWarningForm*>(&form)) {
    f->AdjustSettingsClick();
    return f->modal_result;
  }
  if (auto* f = dynamic_cast<TSelectiveCatalogForm*>(&form)) {
    f->ProceedClick();
    return f->modal_result;
  }
  if (auto* f = dynamic_cast<TCatalogProgressBadEntryForm*>(&form)) {
    Print("skipped", f->values[1] + "\\" + f->values[0] + " (a name is longer than a catalog can hold)");
    f->SkipClick();
    return f->modal_result;
  }
  // Archives asked about one by one are left unexpanded: nobody is there to choose.
  if (auto* f = dynamic_cast<TConfirmExpandArchiveForm*>(&form)) {
    Print("not expanded", f->archive_path);
    f->NoClick();
    return f->ModalResult();
  }
  if (auto* f = dynamic_cast<TQuestionForm*>(&form)) {
    Print("answered no", f->text);
    f->Click(Button::No);
    return Button::No;
  }
  refusals_.push_back("a dialog needs a person: " + std::string(form.ClassName()));
  return Button::Cancel;
}

}  // namespace tembrel::cli
