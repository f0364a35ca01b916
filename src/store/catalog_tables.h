#pragma once
// A catalog: its CatalogConfigs row (options and name-field widths) and its three tables
// <Catalog>_SUM (disks), <Catalog>_CAT (files) and <Catalog>_LOG (activity log) in "Data".
#include <optional>
#include <string>
#include <string_view>

#include "app/date_time.h"
#include "platform/db/database.h"
#include "platform/db/table_def.h"

namespace tembrel {

inline constexpr int kCatalogNameMax = 20;
inline constexpr int kVolumeLabelMax = 11;
inline constexpr int kMinFieldWidth = 16;
inline constexpr int kMaxFileNameWidth = 200;
inline constexpr int kMaxFolderNameWidth = 200;
inline constexpr int kMaxArchiveIdWidth = 90;
inline constexpr db::Version kSummaryStamp{2, 0};

struct FieldWidths {
  int file_name = kMinFieldWidth;
  int folder_name = kMinFieldWidth;
  int archive_id = kMinFieldWidth;
  bool operator==(const FieldWidths&) const = default;
};

std::string SumTable(std::string_view catalog);
std::string CatTable(std::string_view catalog);
std::string LogTable(std::string_view catalog);

const db::TableDef& SumDef();
db::TableDef CatDef(const FieldWidths& widths);
const db::TableDef& LogDef();
const db::TableDef& CatalogConfigsDef();

// One CatalogConfigs row; defaults are those of a new catalog.
struct CatalogConfig {
  std::string catalog_name;
  FieldWidths widths;
  std::string expand_archives = "Never";  // "Always", "Never", "On Demand"
  bool do_arc = false, do_arj = false, do_cab = true, do_dwc = false, do_hyp = false, do_lbr = false,
       do_lzh = false, do_lzs = false, do_pak = false, do_rar = false, do_sqz = false, do_zip = true,
       do_zoo = false;
  bool handle_arj_multi_disks = false;
  bool do_sfx_archives = false;
  bool get_main_comment = false;
  bool copy_main_comment = false;
  bool use_diz = false;
  bool diz_override = false;
  bool comment_override_from_disk = false;
  bool auto_edit_disk_comments = false;
  bool auto_edit_file_comments = false;
  bool selective_cataloging = false;
  bool tfi_selective_cataloging = false;
  bool selective_cat_autotag = false;
  bool aliases = false;
  bool suggest_vol = false;
  bool warn_if_exists = true;
  Date flags1;
  bool keep_activity_log = false;
  std::string last_volume_label;
  int last_pointer = 0;
};

// Whether a catalog of that name exists (without regard to case); nullopt when the
// configuration table cannot be read.
std::optional<bool> CatalogNameExists(db::Database& db, std::string_view name);

// Reads the row of `name` (case-insensitive); nullopt when there is none.
std::optional<CatalogConfig> LoadCatalogConfig(db::Database& db, std::string_view name);
// Inserts a row; throws db::KeyViolation when the name exists (in any case).
void InsertCatalogConfig(db::Database& db, const CatalogConfig& config);
// Rewrites every option of the row named config.catalog_name.
void UpdateCatalogConfig(db::Database& db, const CatalogConfig& config);
void UpdateCatalogWidths(db::Database& db, std::string_view name, const FieldWidths& widths);

}  // namespace tembrel
