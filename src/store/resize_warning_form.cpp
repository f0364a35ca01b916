#include "store/resize_warning_form.h"

#include <algorithm>

#include "store/catalog_operations.h"

namespace tembrel {

FieldWidths WidenedWidths(const FieldWidths& c, const FieldWidths& l) {
  return {std::max(c.file_name, l.file_name), std::max(c.folder_name, l.folder_name),
          std::max(c.archive_id, l.archive_id)};
}

void TResizeWarningForm::AdjustSettingsClick() {
  std::optional<CatalogConfig> config;
  try {
    config = LoadCatalogConfig(ctx_.db, ctx_.state.active_catalog);
  } catch (const db::DbError&) {
    BeepError(ctx_.ui, "Error Retrieving Catalog Configuration");
    modal_result = Button::Cancel;
    return;
  }
  if (!config) {
    BeepError(ctx_.ui, "Cannot Find This Catalog's Configuration Record To Modify");
    modal_result = Button::Cancel;
    return;
  }
  widened = WidenedWidths(current, longest);
  ProgressWindow& progress = ctx_.ui.Progress();
  progress.ShowForm("Adjusting Catalog Table To Accommodate New Settings", false);
  // Table and row change together: a failure anywhere leaves both as they were.
  bool restructured = false;
  try {
    db::Transaction tx(ctx_.db);
    RestructureCatalogWidths(ctx_.db, ctx_.state.active_catalog, widened, [&](int p) {
      progress.SetPosition(p);
      ctx_.ui.ProcessEvents();
    }, false);
    restructured = true;
    UpdateCatalogWidths(ctx_.db, config->catalog_name, widened);
    tx.Commit();
  } catch (const db::DbError&) {
    progress.HideForm();
    BeepError(ctx_.ui, restructured ? "Error Updating Catalog Configuration"
                                    : "Error Restructuring Catalog File - You May Need To Restore A Backup Copy");
    modal_result = Button::Cancel;
    return;
  }
  progress.HideForm();
  modal_result = Button::Ok;
}

Button RunResizeWarning(AppContext& ctx, const FieldWidths& current, const FieldWidths& longest) {
  TResizeWarningForm form(ctx, current, longest);
  Button result = ctx.ui.ShowModal(form);
  return result == Button::Ok && form.modal_result == Button::Ok ? Button::Ok : Button::Cancel;
}

}  // namespace tembrel
