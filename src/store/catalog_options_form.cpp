#include "store/catalog_options_form.h"

namespace tembrel {

TCatalogOptionsForm::TCatalogOptionsForm(AppContext& ctx, CatalogConfig c)
    : header("Current Catalog = \"" + c.catalog_name + "\""), config(std::move(c)), ctx_(ctx) {}

void TCatalogOptionsForm::SetAllFormats(bool on) {
  for (bool* f : {&config.do_arc, &config.do_arj, &config.do_dwc, &config.do_hyp, &config.do_lbr, &config.do_lzh,
                  &config.do_lzs, &config.do_pak, &config.do_rar, &config.do_sqz, &config.do_zip, &config.do_zoo,
                  &config.do_cab})
    *f = on;
}

void TCatalogOptionsForm::SaveOptionsClick() {
  try {
    UpdateCatalogConfig(ctx_.db, config);
    if (ctx_.db.Changes() != 1) throw db::DbError(0, "row missing");
  } catch (const db::DbError&) {
    BeepError(ctx_.ui, "Error Saving Options To Disk");
    return;
  }
  modal_result = Button::Ok;
}

void EditCatalogOptions(AppContext& ctx, const std::string& name) {
  std::optional<CatalogConfig> config;
  try {
    config = LoadCatalogConfig(ctx.db, name);
  } catch (const db::DbError&) {
    BeepError(ctx.ui, "Error Retrieving Configuration Data For This Catalog");
    return;
  }
  if (!config) {
    BeepError(ctx.ui, "Cannot Find Configuration Data For This Catalog");
    return;
  }
  TCatalogOptionsForm form(ctx, *config);
  ctx.ui.ShowModal(form);
}

}  // namespace tembrel
