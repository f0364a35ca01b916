#include "catalog/bad_entry_form.h"

#include "platform/text/utf8.h"

namespace tembrel::catalog {

TCatalogProgressBadEntryForm::TCatalogProgressBadEntryForm(std::string file_name, std::string folder_name,
                                                           std::string archive_id)
    : values{std::move(file_name), std::move(folder_name), std::move(archive_id)} {
  for (int i = 0; i < 3; ++i) editable[i] = text::Length(values[i]) > kLimits[i];
}

std::string TCatalogProgressBadEntryForm::LengthText(int item) const {
  return "(" + std::to_string(text::Length(values[item])) + ")";
}

bool TCatalogProgressBadEntryForm::UseModEnabled() const {
  for (int i = 0; i < 3; ++i)
    if (editable[i] && text::Length(values[i]) > kLimits[i]) return false;
  return true;
}

void TCatalogProgressBadEntryForm::UseModClick() {
  if (UseModEnabled()) Close(Choice::UseModified);
}

}  // namespace tembrel::catalog
