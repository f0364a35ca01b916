#include "store/catalog_config.h"

namespace tembrel {

bool CreateCatalogConfig(AppContext& ctx, const FieldWidths& widths, bool for_conversion) {
  if (!ctx.db.TableExists(db::kMain, "CatalogConfigs")) {
    BeepError(ctx.ui, "Unable To Open Catalog Configuration File");
    ctx.state.active_catalog.clear();
    return false;
  }
  CatalogConfig config;
  config.catalog_name = ctx.state.active_catalog;
  config.widths = for_conversion ? FieldWidths{} : widths;
  config.flags1 = ctx.clock.Today();
  try {
    InsertCatalogConfig(ctx.db, config);
  } catch (const db::DbError&) {
    BeepError(ctx.ui, "Unable To Create Configuration Record For New Catalog");
    ctx.state.active_catalog.clear();
    return false;
  }
  return true;
}

}  // namespace tembrel
