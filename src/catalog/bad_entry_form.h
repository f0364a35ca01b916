#pragma once
#include <array>
#include <string>

#include "app/modal_form.h"
#include "platform/ui/ui.h"

namespace tembrel::catalog {

// "File Record Exceeds Tembrel's Capacity": an entry whose names are longer than a run
// can hold; the user shortens them, skips the entry (or all such entries) or aborts.
class TCatalogProgressBadEntryForm : public ModalForm {
 public:
  TCatalogProgressBadEntryForm(std::string file_name, std::string folder_name, std::string archive_id);
  std::string_view ClassName() const override { return "TCatalogProgressBadEntryForm"; }

  static constexpr std::array<size_t, 3> kLimits{200, 200, 90};
  enum Item { kFileName, kFolderName, kArchiveId };
  // Each value, and whether it is offered in an edit box (only those that do not fit are).
  std::array<std::string, 3> values;
  std::array<bool, 3> editable{};
  std::string LengthText(int item) const;  // "(201)"
  bool UseModEnabled() const;              // every edit box fits its limit

  enum class Choice { None, UseModified, Skip, SkipAll, Abort };
  Choice choice = Choice::None;
  void UseModClick();
  void SkipClick() { Close(Choice::Skip); }
  void SkipAllClick() { Close(Choice::SkipAll); }
  void AbortClick() { Close(Choice::Abort); }

 private:
  void Close(Choice c) {
    choice = c;
    modal_result = Button::Ok;
  }
};

}  // namespace tembrel::catalog
