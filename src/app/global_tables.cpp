#include "app/global_tables.h"

#include <cstdio>

#include "app/text_helpers.h"
#include "store/catalog_tables.h"

namespace tembrel {

using db::FieldDef;
using db::IndexDef;
using db::Kind;
using db::TableDef;

namespace {

std::string Numbered(const char* stem, int n) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s%02d", stem, n);
  return buf;
}

TableDef MakeOptionsDef() {
  TableDef def;
  for (int i = 1; i <= kIncludeSpecs; ++i) def.fields.push_back({Numbered("IncludeSpec", i), Kind::String, 250, false, i == 1});
  for (int i = 1; i <= kExcludeSpecs; ++i) def.fields.push_back({Numbered("ExcludeSpec", i), Kind::String, 250});
  for (int i = 1; i <= kSquelchSpecs; ++i) def.fields.push_back({Numbered("SquelchSpec", i), Kind::String, 11});
  for (int i = 1; i <= kDrives; ++i) def.fields.push_back({Numbered("SquelchDrive", i), Kind::Boolean});
  for (int i = 1; i <= kSquelchSpecs; ++i) def.fields.push_back({Numbered("DCSquelchSpec", i), Kind::String, 11});
  for (int i = 1; i <= kDrives; ++i) def.fields.push_back({Numbered("DCSquelchDrive", i), Kind::Boolean});
  def.indexes.push_back({"", {"IncludeSpec01"}, true, false});
  return def;
}

// Report definitions share their head; items are numbered fields.
void AddReportHead(TableDef& def) {
  def.fields.push_back({"ReportName", Kind::String, 60, true, true});
  def.fields.push_back({"DateDefinitionCreated", Kind::Date});
  def.fields.push_back({"DateDefinitionLastUpdated", Kind::Date});
  def.fields.push_back({"DateDefinitionLastUsed", Kind::Date});
}

void AddNumbered(TableDef& def, const char* stem, int count) {
  for (int i = 1; i <= count; ++i) def.fields.push_back({Numbered(stem, i), Kind::Integer});
}

TableDef MakeFileReportDefs() {
  TableDef def;
  AddReportHead(def);
  def.fields.push_back({"FileName", Kind::String, 200});
  def.fields.push_back({"VolumeLabel", Kind::String, 11});
  def.fields.push_back({"FolderName", Kind::String, 200});
  def.fields.push_back({"ArchiveID", Kind::String, 90});
  def.fields.push_back({"FileSize", Kind::Decimal});
  def.fields.push_back({"DateModified", Kind::Date});
  def.fields.push_back({"TimeModified", Kind::Time});
  def.fields.push_back({"CategoryCode", Kind::String, 6});
  def.fields.push_back({"Comment", Kind::Memo});
  def.fields.push_back({"OnlyDuplicate", Kind::Boolean});
  def.fields.push_back({"OnlyUnique", Kind::Boolean});
  def.fields.push_back({"UseVersions", Kind::Boolean});
  def.fields.push_back({"UseFileSize", Kind::Boolean});
  AddNumbered(def, "MatchCriteria", 12);
  def.fields.push_back({"MatchesRequired", Kind::Integer});
  AddNumbered(def, "ColumnCriteria", 12);
  AddNumbered(def, "SortColumnSpec", 12);
  AddNumbered(def, "SortCriteriaSpec", 12);
  def.indexes.push_back({"", {"ReportName"}, true, true});
  return def;
}

TableDef MakeSummaryReportDefs() {
  TableDef def;
  AddReportHead(def);
  def.fields.push_back({"CatalogedVolumeLabel", Kind::String, 11});
  def.fields.push_back({"DateFirstCataloged", Kind::Date});
  def.fields.push_back({"DateLastCataloged", Kind::Date});
  for (const char* f : {"DiskSize", "DiskClusterSize", "DiskUsed", "DiskFree"}) def.fields.push_back({f, Kind::Decimal});
  def.fields.push_back({"FilesOnDisk", Kind::Integer});
  def.fields.push_back({"FilesInArchives", Kind::Integer});
  def.fields.push_back({"CatalogedFrom", Kind::String, 2});
  def.fields.push_back({"Comment", Kind::Memo});
  AddNumbered(def, "MatchCriteria", 14);
  def.fields.push_back({"MatchesRequired", Kind::Integer});
  AddNumbered(def, "ColumnCriteria", 14);
  AddNumbered(def, "SortColumnSpec", 14);
  AddNumbered(def, "SortCriteriaSpec", 14);
  def.indexes.push_back({"", {"ReportName"}, true, true});
  return def;
}

TableDef MakeCategoriesDef() {
  TableDef def;
  def.fields.push_back({"Code", Kind::String, 6, true, true});
  def.fields.push_back({"Description", Kind::String, 30});
  def.indexes.push_back({"", {"Code"}, true, false});
  def.indexes.push_back({"ByDescription", {"Description", "Code"}, false, true});
  return def;
}

void EnsureTable(db::Database& db, const char* name, const TableDef& def) {
  if (!db.TableExists(db::kMain, name)) db::CreateTable(db, db::kMain, name, def);
}

const std::string kOptions = db::Qualified(db::kMain, "TembrelOptions");

template <size_t N>
void ReadSpecs(db::Statement& st, int& col, std::array<std::string, N>& out, size_t width) {
  for (auto& s : out) s = TrimCut(st.Text(col++), width);
}

template <size_t N>
void ReadFlags(db::Statement& st, int& col, std::array<bool, N>& out) {
  for (auto& f : out) f = st.Int(col++) != 0;
}

// "UPDATE ... SET a = ?, b = ? ..." for the given field stems, on the first row.
std::string UpdateSql(std::initializer_list<std::pair<const char*, int>> stems) {
  std::string sql = "UPDATE " + kOptions + " SET ";
  bool first = true;
  for (auto [stem, count] : stems)
    for (int i = 1; i <= count; ++i) {
      if (!first) sql += ", ";
      first = false;
      sql += db::QuoteIdentifier(Numbered(stem, i)) + " = ?";
    }
  return sql + " WHERE rowid = (SELECT min(rowid) FROM " + kOptions + ")";
}

void RequireRowUpdated(db::Database& db) {
  if (db.Changes() != 1) throw db::DbError(0, "The options table has no row");
}

}  // namespace

const TableDef& CategoriesDef() {
  static const TableDef def = MakeCategoriesDef();
  return def;
}
const TableDef& TembrelOptionsDef() {
  static const TableDef def = MakeOptionsDef();
  return def;
}
const TableDef& CustomSummaryReportDefsDef() {
  static const TableDef def = MakeSummaryReportDefs();
  return def;
}
const TableDef& CustomFileReportDefsDef() {
  static const TableDef def = MakeFileReportDefs();
  return def;
}

void EnsureGlobalTables(db::Database& db, SpecCopies& specs) {
  EnsureTable(db, "Categories", CategoriesDef());
  EnsureTable(db, "TembrelOptions", TembrelOptionsDef());
  // A table left without its row would fail every start-up: give it the default row.
  if (db.CountRows(db::kMain, "TembrelOptions") == 0) db.Exec("INSERT INTO " + kOptions + " DEFAULT VALUES");
  EnsureTable(db, "CatalogConfigs", CatalogConfigsDef());
  EnsureTable(db, "CustomSummaryReportDefs", CustomSummaryReportDefsDef());
  EnsureTable(db, "CustomFileReportDefs", CustomFileReportDefsDef());
  LoadSpecCopies(db, specs);
}

void LoadSpecCopies(db::Database& db, SpecCopies& specs) {
  db::Statement st(db, "SELECT * FROM " + kOptions + " ORDER BY rowid LIMIT 1");
  if (!st.Step()) throw db::DbError(0, "The options table has no row");
  int col = 0;
  ReadSpecs(st, col, specs.include, 250);
  ReadSpecs(st, col, specs.exclude, 250);
  ReadSpecs(st, col, specs.squelch, 11);
  ReadFlags(st, col, specs.squelch_drive);
  ReadSpecs(st, col, specs.dc_squelch, 11);
  ReadFlags(st, col, specs.dc_squelch_drive);
}

void LoadIncludeExclude(db::Database& db, SpecCopies& specs) {
  db::Statement st(db, "SELECT * FROM " + kOptions + " ORDER BY rowid LIMIT 1");
  if (!st.Step()) throw db::DbError(0, "The options table has no row");
  int col = 0;
  ReadSpecs(st, col, specs.include, 250);
  ReadSpecs(st, col, specs.exclude, 250);
}

void SaveIncludeExclude(db::Database& db, const SpecCopies& specs) {
  db::Statement st(db, UpdateSql({{"IncludeSpec", kIncludeSpecs}, {"ExcludeSpec", kExcludeSpecs}}));
  int i = 1;
  for (const auto& s : specs.include) st.Bind(i++, Trim(s));
  for (const auto& s : specs.exclude) st.Bind(i++, Trim(s));
  st.Run();
  RequireRowUpdated(db);
}

void SaveSquelchSettings(db::Database& db, const SpecCopies& specs) {
  db::Statement st(db, UpdateSql({{"SquelchSpec", kSquelchSpecs},
                                  {"SquelchDrive", kDrives},
                                  {"DCSquelchSpec", kSquelchSpecs},
                                  {"DCSquelchDrive", kDrives}}));
  int i = 1;
  for (const auto& s : specs.squelch) st.Bind(i++, Trim(s));
  for (bool b : specs.squelch_drive) st.Bind(i++, b);
  for (const auto& s : specs.dc_squelch) st.Bind(i++, Trim(s));
  for (bool b : specs.dc_squelch_drive) st.Bind(i++, b);
  st.Run();
  RequireRowUpdated(db);
}

}  // namespace tembrel
