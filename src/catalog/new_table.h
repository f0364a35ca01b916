#pragma once
// The temporary table New that a run (or an import) fills before the catalog update.
#include <string>
#include <string_view>

#include "platform/db/database.h"
#include "platform/db/table_def.h"

namespace tembrel::catalog {

const db::TableDef& NewTableDef();
// Drops an older New in `schema` and creates it afresh.
void CreateNewTableIn(db::Database& db, std::string_view schema);
void DropNewTableIn(db::Database& db, std::string_view schema);
// INSERT with the nine fields in order as parameters 1-9.
std::string NewTableInsertSql(std::string_view schema);

}  // namespace tembrel::catalog
