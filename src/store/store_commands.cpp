#include "store/store_commands.h"

#include "store/select_catalog_form.h"

namespace tembrel {

void RegisterStoreCommands(TMainForm& form) {
  form.RegisterCommand("SelectCreateCatalog1", [&form] {
    AppContext ctx = form.Context();
    TSelectCatalogForm dialog(ctx, TSelectCatalogForm::Mode::Full);
    form.UiRef().ShowModal(dialog);
  });
}

}  // namespace tembrel
