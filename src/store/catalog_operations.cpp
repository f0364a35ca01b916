#include "store/catalog_operations.h"

#include <algorithm>

namespace tembrel {

namespace {

struct TablePart {
  std::string (*name)(std::string_view);
  const char* rename_error;
  const char* delete_error;
};

const TablePart kParts[] = {
    {SumTable, "Error Renaming Summary File.", "Error Deleting Summary File."},
    {CatTable, "Error Renaming Catalog File.", "Error Deleting Catalog File."},
    {LogTable, "Error Renaming Log File.", "Error Deleting Log File."},
};

db::TableDef DefFor(std::string (*name)(std::string_view)) {
  if (name == SumTable) return SumDef();
  if (name == CatTable) return CatDef({});  // only the index names matter here
  return LogDef();
}

}  // namespace

std::string RenameCatalog(db::Database& db, std::string_view old_name, std::string_view new_name) {
  const char* failed = kParts[0].rename_error;
  try {
    db::Transaction tx(db);
    for (const TablePart& part : kParts) {
      failed = part.rename_error;
      // A table missing from this data folder has nothing to carry over.
      if (db.TableExists(db::kData, part.name(old_name)))
        db::RenameTable(db, db::kData, part.name(old_name), part.name(new_name), DefFor(part.name));
    }
    failed = "Error Changing Catalog Name In Configuration Record.";
    db::Statement st(db, "UPDATE main.CatalogConfigs SET CatalogName = ? WHERE CatalogName = ?");
    st.Bind(1, new_name).Bind(2, old_name);
    st.Run();
    if (db.Changes() != 1) return failed;
    tx.Commit();
  } catch (const db::DbError&) {
    return failed;
  }
  return {};
}

std::string DeleteCatalog(db::Database& db, std::string_view name) {
  const char* failed = kParts[0].delete_error;
  try {
    db::Transaction tx(db);
    for (const TablePart& part : kParts) {
      failed = part.delete_error;
      db::DropTable(db, db::kData, part.name(name));
    }
    failed = "Error Deleting Catalog Configuration Record.";
    db::Statement st(db, "DELETE FROM main.CatalogConfigs WHERE CatalogName = ?");
    st.Bind(1, name);
    st.Run();
    tx.Commit();
  } catch (const db::DbError&) {
    return failed;
  }
  return {};
}

FieldWidths MinimumWidths(db::Database& db, std::string_view catalog) {
  db::Statement st(db, "SELECT max(length(FileName)), max(length(FolderName)), max(length(ArchiveID)) FROM " +
                           db::Qualified(db::kData, CatTable(catalog)));
  FieldWidths w;
  if (st.Step()) {
    w.file_name = std::max<int>(w.file_name, static_cast<int>(st.Int(0)));
    w.folder_name = std::max<int>(w.folder_name, static_cast<int>(st.Int(1)));
    w.archive_id = std::max<int>(w.archive_id, static_cast<int>(st.Int(2)));
  }
  return w;
}

void RestructureCatalogWidths(db::Database& db, std::string_view catalog, const FieldWidths& widths,
                              const db::ProgressFn& progress, bool update_row) {
  db::Transaction tx(db);
  db::Restructure(db, db::kData, CatTable(catalog), CatDef(widths), std::nullopt, progress);
  if (update_row) {
    UpdateCatalogWidths(db, catalog, widths);
    if (db.Changes() != 1) throw db::DbError(0, "The catalog's configuration row is missing");
  }
  tx.Commit();
}

std::vector<CatalogListRow> ListCatalogs(db::Database& db) {
  db::Statement st(db,
                   "SELECT CatalogName, FileNameFieldLength, FolderNameFieldLength, ArchiveIDFieldLength"
                   " FROM main.CatalogConfigs ORDER BY CatalogName COLLATE NOCASE");
  std::vector<CatalogListRow> out;
  while (st.Step())
    out.push_back({st.Text(0), {static_cast<int>(st.Int(1)), static_cast<int>(st.Int(2)), static_cast<int>(st.Int(3))}});
  return out;
}

}  // namespace tembrel
