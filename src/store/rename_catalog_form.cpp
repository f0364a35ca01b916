#include "store/rename_catalog_form.h"

#include "app/text_helpers.h"
#include "store/catalog_tables.h"

namespace tembrel {

void TRenameCatalogForm::OkClick() {
  focus_entry = false;
  std::string trimmed = Trim(new_name);
  if (trimmed.empty()) {
    BeepError(ctx_.ui, "Please Specify A New Catalog Name.");
    focus_entry = true;
    return;
  }
  if (trimmed == old_name) {
    BeepError(ctx_.ui, "New Catalog Name Cannot Be The Same As The Old Catalog Name.");
    return;
  }
  const std::optional<bool> exists = CatalogNameExists(ctx_.db, trimmed);
  if (!exists) {
    BeepError(ctx_.ui, "Cannot Open Catalog Configuration File.");
    return;
  }
  if (*exists) {
    BeepError(ctx_.ui, "New Catalog Name Already Exists.");
    return;
  }
  modal_result = Button::Ok;
}

}  // namespace tembrel
