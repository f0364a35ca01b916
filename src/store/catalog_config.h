#pragma once
#include "app/app_context.h"
#include "store/catalog_tables.h"

namespace tembrel {

// Inserts the CatalogConfigs row of ActiveCatalog with the given widths (16/16/16 for a
// converted catalog) and every other option at its default. On failure: its message, and
// ActiveCatalog is cleared. Returns whether the row was written.
bool CreateCatalogConfig(AppContext& ctx, const FieldWidths& widths, bool for_conversion);

}  // namespace tembrel
