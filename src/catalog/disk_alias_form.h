#pragma once
#include <string>

#include "app/app_context.h"
#include "app/modal_form.h"

namespace tembrel::catalog {

// "Volume Label "Alias" For Cataloging": the name a disk is cataloged under.
class TDiskAliasForm : public ModalForm {
 public:
  explicit TDiskAliasForm(Ui& ui) : ui_(ui) {}
  std::string_view ClassName() const override { return "TDiskAliasForm"; }
  static constexpr const char* kCaption = "Volume Label \"Alias\" For Cataloging";

  std::string vlabel_line;  // "Disk In Drive A: Is "LABEL"" or "... Has No Volume Label"
  void SetAlias(std::string_view typed);  // upper case, at most 11 characters
  const std::string& AliasLine() const { return alias_; }
  bool focus_entry = false;

  void OkClick();
  void CancelClick() { modal_result = Button::Cancel; }

 private:
  Ui& ui_;
  std::string alias_;
};

// The label to suggest for the next unlabelled disk: LastVolumeLabel with its trailing
// number counted up past every label already in the catalog ("DISK09" -> "DISK11" when
// DISK10 exists); empty when none is free.
std::string SuggestNextLabel(AppContext& ctx);

}  // namespace tembrel::catalog
