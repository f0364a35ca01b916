#include "store/catalog_tables.h"

#include <utility>
#include <vector>

#include "app/text_helpers.h"

namespace tembrel {

using db::FieldDef;
using db::Kind;
using db::TableDef;

std::string SumTable(std::string_view catalog) { return std::string(catalog) + "_SUM"; }
std::string CatTable(std::string_view catalog) { return std::string(catalog) + "_CAT"; }
std::string LogTable(std::string_view catalog) { return std::string(catalog) + "_LOG"; }

const TableDef& SumDef() {
  static const TableDef def = [] {
    TableDef d;
    d.fields = {
        {"CatalogVolumeLabel", Kind::String, kVolumeLabelMax, true, true},
        {"ActualVolumeLabel", Kind::String, kVolumeLabelMax, true, true},
        {"SerialNumber", Kind::Integer},
        {"DateFirstCataloged", Kind::Date},
        {"DateLastCataloged", Kind::Date},
        {"DiskSize", Kind::Decimal},
        {"DiskClusterSize", Kind::Decimal},
        {"DiskUsed", Kind::Decimal},
        {"DiskFree", Kind::Decimal},
        {"FilesOnDisk", Kind::Integer},
        {"FilesInArchives", Kind::Integer},
        {"CatalogedFrom", Kind::String, 1},
        {"Comment", Kind::Memo},
        {"Tag", Kind::AutoInc},
    };
    d.indexes = {
        {"", {"CatalogVolumeLabel"}, true, true},
        {"ByActualVolumeLabel", {"ActualVolumeLabel", "CatalogVolumeLabel"}, true, true},
        {"ByFreeSpace", {"DiskFree", "CatalogVolumeLabel"}, false, true, true},
        {"ByTag", {"Tag"}},
    };
    return d;
  }();
  return def;
}

TableDef CatDef(const FieldWidths& w) {
  TableDef d;
  d.fields = {
      {"FileName", Kind::String, w.file_name, true, true},
      {"VolumeLabel", Kind::String, kVolumeLabelMax, true, true},
      {"FolderName", Kind::String, w.folder_name, false, true},
      {"ArchiveID", Kind::String, w.archive_id, false, true},
      {"FileSize", Kind::Decimal},
      {"DateModified", Kind::Date},
      {"TimeModified", Kind::Time},
      {"Attribute", Kind::Integer},
      {"CategoryCode", Kind::String, 6},
      {"Comment", Kind::Memo},
      {"Tag", Kind::AutoInc},
  };
  d.indexes = {
      {"", {"FileName", "VolumeLabel", "FolderName", "ArchiveID"}, true, true},
      {"ByVolumeLabel", {"VolumeLabel", "FileName", "FolderName", "ArchiveID"}, false, true},
      {"ByTag", {"Tag"}},
  };
  return d;
}

const TableDef& LogDef() {
  static const TableDef def = [] {
    TableDef d;
    d.fields = {
        {"OpDate", Kind::Date, 0, true},
        {"OpTime", Kind::Time, 0, true},
        {"AutoInc", Kind::AutoInc},
        {"Operation", Kind::String, 50},
    };
    d.indexes = {
        {"", {"OpDate", "OpTime", "AutoInc"}},
        {"ByOperation", {"Operation", "OpDate", "OpTime", "AutoInc"}},
    };
    return d;
  }();
  return def;
}

namespace {

using BoolField = std::pair<const char*, bool CatalogConfig::*>;
const std::vector<BoolField>& BoolFieldsAfterExpand() {
  static const std::vector<BoolField> fields = {
      {"DoARC", &CatalogConfig::do_arc},
      {"DoARJ", &CatalogConfig::do_arj},
      {"DoCAB", &CatalogConfig::do_cab},
      {"DoDWC", &CatalogConfig::do_dwc},
      {"DoHYP", &CatalogConfig::do_hyp},
      {"DoLBR", &CatalogConfig::do_lbr},
      {"DoLZH", &CatalogConfig::do_lzh},
      {"DoLZS", &CatalogConfig::do_lzs},
      {"DoPAK", &CatalogConfig::do_pak},
      {"DoRAR", &CatalogConfig::do_rar},
      {"DoSQZ", &CatalogConfig::do_sqz},
      {"DoZIP", &CatalogConfig::do_zip},
      {"DoZOO", &CatalogConfig::do_zoo},
      {"HandleArjMultiDisks", &CatalogConfig::handle_arj_multi_disks},
      {"DoSfxArchives", &CatalogConfig::do_sfx_archives},
      {"GetMainComment", &CatalogConfig::get_main_comment},
      {"CopyMainComment", &CatalogConfig::copy_main_comment},
      {"UseDiz", &CatalogConfig::use_diz},
      {"DizOverride", &CatalogConfig::diz_override},
      {"CommentOverrideFromDisk", &CatalogConfig::comment_override_from_disk},
      {"AutoEditDiskComments", &CatalogConfig::auto_edit_disk_comments},
      {"AutoEditFileComments", &CatalogConfig::auto_edit_file_comments},
      {"SelectiveCataloging", &CatalogConfig::selective_cataloging},
      {"TfiSelectiveCataloging", &CatalogConfig::tfi_selective_cataloging},
      {"SelectiveCatAutotag", &CatalogConfig::selective_cat_autotag},
      {"Aliases", &CatalogConfig::aliases},
      {"SuggestVol", &CatalogConfig::suggest_vol},
      {"WarnIfExists", &CatalogConfig::warn_if_exists},
  };
  return fields;
}

// Every field in table order, as "a, b, c".
std::string FieldList() {
  std::string out;
  for (const auto& f : CatalogConfigsDef().fields) {
    if (!out.empty()) out += ", ";
    out += db::QuoteIdentifier(f.name);
  }
  return out;
}

// Binds every field in table order starting at position `first`; returns the next position.
int BindAll(db::Statement& st, const CatalogConfig& c, int first) {
  int i = first;
  st.Bind(i++, c.catalog_name);
  st.Bind(i++, c.widths.file_name);
  st.Bind(i++, c.widths.folder_name);
  st.Bind(i++, c.widths.archive_id);
  st.Bind(i++, c.expand_archives);
  for (const auto& [field, member] : BoolFieldsAfterExpand()) st.Bind(i++, c.*member);
  st.Bind(i++, c.flags1);
  st.Bind(i++, c.keep_activity_log);
  st.Bind(i++, c.last_volume_label);
  st.Bind(i++, c.last_pointer);
  return i;
}

const std::string& ConfigsTable() {
  static const std::string name = db::Qualified(db::kMain, "CatalogConfigs");
  return name;
}

}  // namespace

const TableDef& CatalogConfigsDef() {
  static const TableDef def = [] {
    TableDef d;
    d.fields = {
        {"CatalogName", Kind::String, kCatalogNameMax, true, true},
        {"FileNameFieldLength", Kind::Integer},
        {"FolderNameFieldLength", Kind::Integer},
        {"ArchiveIDFieldLength", Kind::Integer},
        {"ExpandArchives", Kind::String, 9},
    };
    for (const auto& [name, member] : BoolFieldsAfterExpand()) d.fields.push_back({name, Kind::Boolean});
    d.fields.push_back({"Flags1", Kind::Date});
    d.fields.push_back({"KeepActivityLog", Kind::Boolean});
    d.fields.push_back({"LastVolumeLabel", Kind::String, kVolumeLabelMax});
    d.fields.push_back({"LastPointer", Kind::Word});
    d.indexes = {{"", {"CatalogName"}, true, true}};
    return d;
  }();
  return def;
}

std::optional<CatalogConfig> LoadCatalogConfig(db::Database& db, std::string_view name) {
  db::Statement st(db, "SELECT " + FieldList() + " FROM " + ConfigsTable() + " WHERE CatalogName = ? COLLATE NOCASE");
  st.Bind(1, name);
  if (!st.Step()) return std::nullopt;
  CatalogConfig c;
  int i = 0;
  c.catalog_name = st.Text(i++);
  c.widths.file_name = static_cast<int>(st.Int(i++));
  c.widths.folder_name = static_cast<int>(st.Int(i++));
  c.widths.archive_id = static_cast<int>(st.Int(i++));
  c.expand_archives = st.Text(i++);
  for (const auto& [field, member] : BoolFieldsAfterExpand()) c.*member = st.Bool(i++);
  c.flags1 = st.DateAt(i++);
  c.keep_activity_log = st.Bool(i++);
  c.last_volume_label = st.Text(i++);
  c.last_pointer = static_cast<int>(st.Int(i++));
  return c;
}

std::optional<bool> CatalogNameExists(db::Database& db, std::string_view name) {
  try {
    if (!db.TableExists(db::kMain, "CatalogConfigs")) return std::nullopt;
    return LoadCatalogConfig(db, name).has_value();
  } catch (const db::DbError&) {
    return std::nullopt;
  }
}

void InsertCatalogConfig(db::Database& db, const CatalogConfig& config) {
  std::string marks;
  for (size_t k = 0; k < CatalogConfigsDef().fields.size(); ++k) marks += k ? ", ?" : "?";
  db::Statement st(db, "INSERT INTO " + ConfigsTable() + " (" + FieldList() + ") VALUES (" + marks + ")");
  BindAll(st, config, 1);
  st.Run();
}

void UpdateCatalogConfig(db::Database& db, const CatalogConfig& config) {
  std::string sets;
  for (const auto& f : CatalogConfigsDef().fields) {
    if (!sets.empty()) sets += ", ";
    sets += db::QuoteIdentifier(f.name) + " = ?";
  }
  db::Statement st(db, "UPDATE " + ConfigsTable() + " SET " + sets + " WHERE CatalogName = ? COLLATE NOCASE");
  int next = BindAll(st, config, 1);
  st.Bind(next, config.catalog_name);
  st.Run();
}

void UpdateCatalogWidths(db::Database& db, std::string_view name, const FieldWidths& w) {
  db::Statement st(db, "UPDATE " + ConfigsTable() +
                           " SET FileNameFieldLength = ?, FolderNameFieldLength = ?, ArchiveIDFieldLength = ?"
                           " WHERE CatalogName = ? COLLATE NOCASE");
  st.Bind(1, w.file_name).Bind(2, w.folder_name).Bind(3, w.archive_id).Bind(4, name);
  st.Run();
}

}  // namespace tembrel
