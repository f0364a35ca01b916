#include "store/new_catalog_form.h"

#include "app/text_helpers.h"

namespace tembrel {

void TNewCatalogForm::CreateClick() {
  focus_name = false;
  std::string trimmed = Trim(name);
  if (trimmed.empty()) {
    BeepError(ctx_.ui, "Please Specify A Catalog Name");
    focus_name = true;
    return;
  }
  const std::optional<bool> exists = CatalogNameExists(ctx_.db, trimmed);
  if (!exists) {
    BeepError(ctx_.ui, "Cannot Open Catalog Configuration Table To Determine If This Catalog Already Exists");
    return;
  }
  if (*exists) {
    BeepError(ctx_.ui, "A Catalog By This Name Already Exists");
    return;
  }
  modal_result = Button::Ok;
}

}  // namespace tembrel
