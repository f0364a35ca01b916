#pragma once
// The global tables in the program folder and the include, exclude and squelch specs.
#include "app/shared_state.h"
#include "platform/db/database.h"
#include "platform/db/table_def.h"

namespace tembrel {

const db::TableDef& CategoriesDef();
const db::TableDef& TembrelOptionsDef();
const db::TableDef& CustomSummaryReportDefsDef();
const db::TableDef& CustomFileReportDefsDef();

// Creates any missing global table in start-up order (Categories, TembrelOptions,
// CatalogConfigs, CustomSummaryReportDefs, CustomFileReportDefs); TembrelOptions gets its
// single default row when it has none. Then loads the specs into `specs`. Throws db::DbError.
void EnsureGlobalTables(db::Database& db, SpecCopies& specs);

// Reads the first TembrelOptions row into the copies (trimmed, cut to their widths).
void LoadSpecCopies(db::Database& db, SpecCopies& specs);
void LoadIncludeExclude(db::Database& db, SpecCopies& specs);  // only the 40 include/exclude copies
// Writes the 40 include/exclude copies (trimmed) into the first row.
void SaveIncludeExclude(db::Database& db, const SpecCopies& specs);
// Writes the 80 squelch specs (trimmed) and the 52 drive flags into the first row.
void SaveSquelchSettings(db::Database& db, const SpecCopies& specs);

}  // namespace tembrel
