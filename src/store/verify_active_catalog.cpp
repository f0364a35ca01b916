#include "store/verify_active_catalog.h"

#include "app/text_helpers.h"
#include "store/catalog_tables.h"

namespace tembrel {

namespace {

// Each check returns false after it has reported its failure and cleared the catalog.
bool Fail(AppContext& ctx, const char* message) {
  BeepError(ctx.ui, message);
  ctx.state.active_catalog.clear();
  return false;
}

bool CheckSummary(AppContext& ctx, bool quiet) {
  const std::string table = SumTable(ctx.state.active_catalog);
  bool exists = false;
  try {
    exists = ctx.db.TableExists(db::kData, table);
  } catch (const db::DbError&) {
    return Fail(ctx, "Error Creating Summary File");
  }
  if (exists) {
    if (db::GetVersion(ctx.db, db::kData, table) == kSummaryStamp) return true;
    ctx.ui.Message().ShowMsg("Updating Summary File Format");
    try {
      db::Restructure(ctx.db, db::kData, table, SumDef(), kSummaryStamp);
    } catch (const db::DbError&) {
      ctx.ui.Message().RemoveMsg();
      return Fail(ctx, "Error Restructuring Summary File");
    }
    ctx.ui.Message().RemoveMsg();
    return true;
  }
  if (!quiet) ctx.ui.Information("Cannot Find Summary File For Current Catalog - Creating A New One");
  try {
    db::CreateTable(ctx.db, db::kData, table, SumDef(), kSummaryStamp);
  } catch (const db::DbError&) {
    return Fail(ctx, "Error Creating Summary File");
  }
  return true;
}

bool CheckFiles(AppContext& ctx, const CatalogConfig& config, bool quiet) {
  const std::string table = CatTable(ctx.state.active_catalog);
  try {
    if (ctx.db.TableExists(db::kData, table)) {
      auto fn = db::DeclaredWidth(ctx.db, db::kData, table, "FileName");
      auto fo = db::DeclaredWidth(ctx.db, db::kData, table, "FolderName");
      auto ar = db::DeclaredWidth(ctx.db, db::kData, table, "ArchiveID");
      if (fn && fo && ar) {
        FieldWidths actual{*fn, *fo, *ar};
        // The table is what holds the data: the row follows it.
        if (!(actual == config.widths)) UpdateCatalogWidths(ctx.db, config.catalog_name, actual);
      }
      return true;
    }
  } catch (const db::DbError&) {
    return Fail(ctx, "Error Creating Catalog File");
  }
  if (!quiet) ctx.ui.Information("Cannot Find Data File For Current Catalog - Creating A New One");
  try {
    db::CreateTable(ctx.db, db::kData, table, CatDef(config.widths));
  } catch (const db::DbError&) {
    return Fail(ctx, "Error Creating Catalog File");
  }
  return true;
}

bool CheckLog(AppContext& ctx, bool quiet) {
  const std::string table = LogTable(ctx.state.active_catalog);
  try {
    if (ctx.db.TableExists(db::kData, table)) return true;
  } catch (const db::DbError&) {
    return Fail(ctx, "Error Creating Log File");
  }
  if (!quiet) ctx.ui.Information("Cannot Find Log File For Current Catalog - Creating A New One");
  try {
    db::CreateTable(ctx.db, db::kData, table, LogDef());
  } catch (const db::DbError&) {
    return Fail(ctx, "Error Creating Log File");
  }
  return true;
}

}  // namespace

void VerifyActiveCatalog(AppContext& ctx, bool quiet) {
  if (ctx.state.active_catalog.empty()) return;
  std::optional<CatalogConfig> config;
  try {
    if (!ctx.db.TableExists(db::kMain, "CatalogConfigs")) throw db::DbError(0, "missing");
    config = LoadCatalogConfig(ctx.db, ctx.state.active_catalog);
  } catch (const db::DbError&) {
    BeepError(ctx.ui, "Unable To Open File Containing Catalog Configurations");
    return;
  }
  if (!config) {
    Fail(ctx, "Cannot Find Catalog Definition - You Need To Create A New Catalog");
    return;
  }
  ctx.state.last_volume_label = TrimCut(config->last_volume_label, kVolumeLabelMax);
  if (CheckSummary(ctx, quiet) && CheckFiles(ctx, *config, quiet)) CheckLog(ctx, quiet);
}

}  // namespace tembrel
