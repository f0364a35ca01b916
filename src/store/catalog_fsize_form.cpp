#include "store/catalog_fsize_form.h"

#include <algorithm>

#include "store/catalog_operations.h"

namespace tembrel {

namespace {
int& Item(FieldWidths& w, int i) { return i == 0 ? w.file_name : i == 1 ? w.folder_name : w.archive_id; }
int Item(const FieldWidths& w, int i) { return i == 0 ? w.file_name : i == 1 ? w.folder_name : w.archive_id; }
constexpr const char* kLabelStems[] = {"Maximum Filename Length (Currently", "Maximum Foldername Length (Currently",
                                        "Maximum Archive ID Length (Currently"};
}  // namespace

TCatalogFSizeForm::TCatalogFSizeForm(AppContext& ctx, std::string catalog, FieldWidths current)
    : header("Adjusting Sizes For Catalog \"" + catalog + "\""), entries(current), ctx_(ctx), catalog_(std::move(catalog)) {
  for (int i = 0; i < 3; ++i) labels[i] = std::string(kLabelStems[i]) + " " + std::to_string(Item(current, i)) + "):";
  for (int i = 0; i < 3; ++i) range_labels[i] = "(16 to " + std::to_string(Item(kUpper, i)) + ")";
}

bool TCatalogFSizeForm::DetermineMinimums() {
  minimums = FieldWidths{};
  bool empty = true;
  try {
    empty = ctx_.db.CountRows(db::kData, CatTable(catalog_)) == 0;
    if (!empty) {
      ctx_.ui.Message().ShowMsg("Determining Minimum Settings");
      minimums = MinimumWidths(ctx_.db, catalog_);
      ctx_.ui.Message().RemoveMsg();
    }
  } catch (const db::DbError&) {
    if (!empty) ctx_.ui.Message().RemoveMsg();
    BeepError(ctx_.ui, "Error Determining Minimum Settings");
    return false;
  }
  for (int i = 0; i < 3; ++i) {
    Item(entries, i) = std::max(Item(entries, i), Item(minimums, i));
    range_labels[i] = "(" + std::to_string(Item(minimums, i)) + " to " + std::to_string(Item(kUpper, i)) + ")";
  }
  return true;
}

bool TCatalogFSizeForm::SetEntry(int item, int value) {
  if (item < 0 || item > 2) return false;
  if (value < Item(minimums, item) || value > Item(kUpper, item)) return false;
  Item(entries, item) = value;
  return true;
}

void TCatalogFSizeForm::AdjustClick() {
  // A catalog already holding values longer than the upper limits cannot be adjusted here.
  for (int i = 0; i < 3; ++i)
    if (Item(entries, i) > Item(kUpper, i) || Item(entries, i) < Item(minimums, i)) {
      ctx_.ui.Beep();
      return;
    }
  ProgressWindow& progress = ctx_.ui.Progress();
  progress.ShowForm("Adjusting Catalog Table To Accommodate New Settings", false);
  try {
    RestructureCatalogWidths(ctx_.db, catalog_, entries, [&](int p) {
      progress.SetPosition(p);
      ctx_.ui.ProcessEvents();
    }, false);
  } catch (const db::DbError&) {
    progress.HideForm();
    BeepError(ctx_.ui, "Error Restructuring Catalog File - You May Need To Restore A Backup Copy");
    return;
  }
  progress.HideForm();
  modal_result = Button::Ok;
}

void AdjustCatalogSizes(AppContext& ctx, const std::string& catalog) {
  std::optional<CatalogConfig> config;
  try {
    config = LoadCatalogConfig(ctx.db, catalog);
  } catch (const db::DbError&) {
  }
  if (!config) {
    BeepError(ctx.ui, "Cannot Find Configuration Data For This Catalog");
    return;
  }
  TCatalogFSizeForm form(ctx, catalog, config->widths);
  if (!form.DetermineMinimums()) return;
  if (ctx.ui.ShowModal(form) != Button::Ok) return;
  try {
    UpdateCatalogWidths(ctx.db, catalog, form.entries);
    if (ctx.db.Changes() != 1) throw db::DbError(0, "row missing");
  } catch (const db::DbError&) {
    BeepError(ctx.ui,
              "Error Saving New Configuration Settings\rAlthough The Wrong Settings Will Show Here, The Catalog Should "
              "Be Okay\rUnless An Error Was Reported Prior To This Message.");
  }
}

}  // namespace tembrel
