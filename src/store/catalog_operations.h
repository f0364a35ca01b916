#pragma once
// Whole-catalog operations. Each runs in one transaction over the catalog's tables, their
// TableMeta rows and its CatalogConfigs row: it lands whole or leaves everything as it was.
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/database.h"
#include "platform/db/table_def.h"
#include "store/catalog_tables.h"

namespace tembrel {

// Empty on success; otherwise the message of the step that failed (nothing was changed).
std::string RenameCatalog(db::Database& db, std::string_view old_name, std::string_view new_name);
std::string DeleteCatalog(db::Database& db, std::string_view name);

// Smallest widths that hold every value of the catalog's _CAT table (at least 16 each).
FieldWidths MinimumWidths(db::Database& db, std::string_view catalog);

// Rebuilds _CAT with new widths for FileName, FolderName and ArchiveID, keeping every row,
// comment, category and Tag; when `update_row`, the CatalogConfigs row is written in the
// same transaction. Throws db::DbError; nothing changes on failure.
void RestructureCatalogWidths(db::Database& db, std::string_view catalog, const FieldWidths& widths,
                              const db::ProgressFn& progress, bool update_row);

// Names of every catalog, in key order (without regard to case).
struct CatalogListRow {
  std::string name;
  FieldWidths widths;
};
std::vector<CatalogListRow> ListCatalogs(db::Database& db);

}  // namespace tembrel
