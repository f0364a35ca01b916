#include "catalog/disk_label_form.h"

#include "app/text_helpers.h"
#include "platform/text/utf8.h"
#include "store/catalog_tables.h"

namespace tembrel::catalog {

TDiskLabelForm::TDiskLabelForm(AppContext& ctx, volumes::VolumeService& volumes, bool cataloging_mode, char drive)
    : cataloging_mode(cataloging_mode), drive(drive), ctx_(ctx), volumes_(volumes) {}

void TDiskLabelForm::SetNewLabel(std::string_view typed) {
  new_label_ = text::Left(text::ToUpper(typed), kVolumeLabelMax);
}

void TDiskLabelForm::DriveChanged(char letter) {
  drive = letter;
  ReadLabel();
}

void TDiskLabelForm::ReadLabel() {
  old_label_.clear();
  volumes::VolumeQuery q = volumes_.QueryVolume(drive);
  if (q.error != 0) {
    volume_label_panel = " <Error " + std::to_string(q.error) + ">";
    new_label_.clear();
    return;
  }
  std::string label = q.info.label.substr(0, q.info.label.find('\0'));
  if (!Trim(label).empty()) {
    old_label_ = label;
    volume_label_panel = " " + text::ToUpper(label);
    SetNewLabel(label);
  } else {
    volume_label_panel = " <No Label>";
    new_label_.clear();
  }
}

void TDiskLabelForm::WriteLabelClick() {
  if (Trim(new_label_).empty()) {
    if (cataloging_mode) {
      BeepError(ctx_.ui, "Volume Label Cannot Be Blank");
      return;
    }
    if (ctx_.ui.Ask("Erase Current Volume Label?") != Button::Yes) return;
    if (int err = volumes_.EraseLabel(drive)) {
      BeepError(ctx_.ui, "Error " + std::to_string(err) + " Occurred While Attempting To Delete The Volume Label");
      return;
    }
    volume_label_panel = " <No Label>";
    new_label_.clear();
    return;
  }
  std::string label = PadRight(new_label_, kVolumeLabelMax);
  if (int err = volumes_.WriteLabel(drive, label)) {
    BeepError(ctx_.ui, "Error " + std::to_string(err) + " Occurred While Attempting To Write The Volume Label");
    return;
  }
  const std::string written = Trim(new_label_);
  volume_label_panel = " " + text::ToUpper(new_label_);
  new_label_ = written;
  ctx_.state.last_volume_label = text::Left(written, kVolumeLabelMax);
  if (!Trim(old_label_).empty() && !ctx_.state.active_catalog.empty()) RenameInCatalog(Trim(old_label_), written);
  modal_result = Button::Ok;
}

void TDiskLabelForm::RenameInCatalog(const std::string& old_label, const std::string& new_label) {
  const std::string sum = db::Qualified(db::kData, SumTable(ctx_.state.active_catalog));
  const std::string cat = db::Qualified(db::kData, CatTable(ctx_.state.active_catalog));
  std::string key;  // the disk's CatalogVolumeLabel: its file rows carry it, alias or not
  try {
    db::Statement find(ctx_.db, "SELECT CatalogVolumeLabel FROM " + sum + " WHERE ActualVolumeLabel = ? COLLATE NOCASE LIMIT 2");
    find.Bind(1, old_label);
    if (!find.Step()) return;
    key = find.Text(0);
    if (find.Step()) return;  // the old label is not unique: leave the catalog alone
    db::Statement taken(ctx_.db, "SELECT 1 FROM " + sum + " WHERE CatalogVolumeLabel = ? COLLATE NOCASE");
    taken.Bind(1, new_label);
    if (taken.Step()) return;
  } catch (const db::DbError&) {
    return;
  }
  if (ctx_.ui.Ask("A Disk With The Old Volume Label Exists In Your Catalog\r\n\r\nWould You Like Up Update The Catalog "
                  "To Reflect The New Volume Label Just Written?") != Button::Yes)
    return;
  try {
    db::Transaction tx(ctx_.db);
    db::Statement s(ctx_.db, "UPDATE " + sum + " SET CatalogVolumeLabel = ?1, ActualVolumeLabel = ?1 WHERE CatalogVolumeLabel = ?2");
    s.Bind(1, new_label).Bind(2, key);
    s.Run();
    db::Statement c(ctx_.db, "UPDATE " + cat + " SET VolumeLabel = ?1 WHERE VolumeLabel = ?2 COLLATE NOCASE");
    c.Bind(1, new_label).Bind(2, key);
    c.Run();
    tx.Commit();
  } catch (const db::DbError& e) {
    BeepError(ctx_.ui, e.what());
  }
}

}  // namespace tembrel::catalog
