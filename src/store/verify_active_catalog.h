#pragma once
#include "app/app_context.h"

namespace tembrel {

// Makes the active catalog usable: finds its CatalogConfigs row, loads LastVolumeLabel,
// creates missing _SUM/_CAT/_LOG tables, upgrades an old _SUM, repairs width disagreements
// in favour of the table. Shows its messages through ctx.ui unless quiet; clears
// ActiveCatalog on failure (except when CatalogConfigs itself cannot be opened).
void VerifyActiveCatalog(AppContext& ctx, bool quiet);

}  // namespace tembrel
