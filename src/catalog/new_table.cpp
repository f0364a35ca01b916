#include "catalog/new_table.h"

namespace tembrel::catalog {

using db::Kind;

const db::TableDef& NewTableDef() {
  static const db::TableDef def = [] {
    db::TableDef d;
    d.fields = {
        {"FileName", Kind::String, 200, true, true},
        {"FolderName", Kind::String, 200, false, true},
        {"ArchiveID", Kind::String, 90, false, true},
        {"FileSize", Kind::Decimal},
        {"DateModified", Kind::Date},
        {"TimeModified", Kind::Time},
        {"Attribute", Kind::Integer},
        {"Comment", Kind::Memo},
        {"Tagged", Kind::Boolean},
    };
    // The key is the table itself and runs in the catalog's own order for one volume, so the
    // update reads it in order without a sort. The run checks the widths before every insert.
    d.indexes = {{"", {"FileName", "FolderName", "ArchiveID"}, true, true}};
    d.clustered = true;
    d.check_widths = false;
    return d;
  }();
  return def;
}

void CreateNewTableIn(db::Database& db, std::string_view schema) {
  DropNewTableIn(db, schema);
  db::CreateTable(db, schema, "New", NewTableDef());
}

void DropNewTableIn(db::Database& db, std::string_view schema) {
  if (!db.TableExists(schema, "New")) return;
  db::DropTable(db, schema, "New");
  // An in-memory database keeps the pages of a dropped table for reuse; a large run would
  // hold on to its memory until the program ends.
  if (schema == db::kMemory && !db.InTransaction()) db.Exec("VACUUM " + db::QuoteIdentifier(schema));
}

std::string NewTableInsertSql(std::string_view schema) {
  return "INSERT INTO " + db::Qualified(schema, "New") +
         " (FileName, FolderName, ArchiveID, FileSize, DateModified, TimeModified, Attribute, Comment, Tagged)"
         " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)";
}

}  // namespace tembrel::catalog
