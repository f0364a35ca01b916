#include "catalog/catalog_update.h"

#include "app/text_helpers.h"
#include "platform/text/utf8.h"

#include <optional>

namespace tembrel::catalog {

namespace {

std::string SumName(const UpdateInput& in) { return db::Qualified(db::kData, SumTable(in.catalog)); }
std::string CatName(const UpdateInput& in) { return db::Qualified(db::kData, CatTable(in.catalog)); }
std::string NewName(const UpdateInput& in) { return db::Qualified(in.new_schema, "New"); }

// SQLite's NOCASE: ASCII letters folded to lower case, then bytes, then length. Both sides
// of the merge are read in indexes of that collation, so the pass compares the same way.
int CompareNoCase(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

constexpr int64_t kAddRange = 20000;  // rows per statement when adding in bulk

bool Blank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

}  // namespace

bool UpdateSummary(db::Database& db, const UpdateInput& in, const Clock& clock) {
  const std::string label = Trim(in.catalog_volume_label);
  // The field holds 11 characters; today's labels can be longer.
  const std::string actual =
      Trim(in.actual_volume_label).empty() ? "<None>" : text::Left(in.actual_volume_label, kVolumeLabelMax);
  const Date today = clock.Today();
  bool found = false;
  {
    db::Statement find(db, "SELECT 1 FROM " + SumName(in) + " WHERE CatalogVolumeLabel = ? COLLATE NOCASE");
    find.Bind(1, label);
    found = find.Step();
  }
  const char* sql = found
      ? " SET ActualVolumeLabel = ?1, SerialNumber = ?2, DateLastCataloged = ?3, DiskSize = ?4,"
        " DiskClusterSize = ?5, DiskUsed = ?6, DiskFree = ?7, FilesOnDisk = ?8, FilesInArchives = ?9,"
        " CatalogedFrom = ?10 WHERE CatalogVolumeLabel = ?11 COLLATE NOCASE"
      : " (ActualVolumeLabel, SerialNumber, DateLastCataloged, DiskSize, DiskClusterSize, DiskUsed, DiskFree,"
        " FilesOnDisk, FilesInArchives, CatalogedFrom, CatalogVolumeLabel, DateFirstCataloged)"
        " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?3)";
  db::Statement st(db, std::string(found ? "UPDATE " : "INSERT INTO ") + SumName(in) + sql);
  st.Bind(1, actual);
  st.Bind(2, static_cast<int64_t>(static_cast<int32_t>(in.serial)));
  st.Bind(3, today);
  st.Bind(4, in.disk_size);
  st.Bind(5, in.cluster_size);
  st.Bind(6, in.bytes_in_files_on_disk);
  st.Bind(7, in.disk_free);
  st.Bind(8, in.files_on_disk);
  st.Bind(9, in.files_in_archives);
  st.Bind(10, std::string(1, in.drive));
  st.Bind(11, label);
  st.Run();
  return found;
}

MergeCounts UpdateCatalog(db::Database& db, const UpdateInput& in, const UpdateProgress& progress) {
  if (progress.operation) progress.operation("Updating Catalog File");
  const std::string label = Trim(in.catalog_volume_label);
  MergeCounts counts;
  int shown = -1;
  int64_t steps = 0, total = 0;
  auto report = [&](bool force) {
    const int percent = total > 0 ? static_cast<int>((steps * 100 + total / 2) / total) : 100;
    if ((force || percent != shown) && progress.merge) progress.merge(counts, percent);
    shown = percent;
  };

  // Both sides in the catalog's order for one volume: the disk's rows through the index that
  // starts with the volume, New through its own key. Rows added by the pass get Tags above
  // every Tag read here, so the catalog side never meets them.
  int64_t last_tag = 0;
  {
    db::Statement count(db, "SELECT (SELECT count(*) FROM " + CatName(in) + " WHERE VolumeLabel = ?1 COLLATE NOCASE),"
                                " (SELECT count(*) FROM " + NewName(in) + " WHERE Tagged),"
                                " (SELECT coalesce(max(Tag), 0) FROM " + CatName(in) + ")");
    count.Bind(1, label);
    if (count.Step()) {
      total = count.Int(0) + count.Int(1);
      last_tag = count.Int(2);
    }
  }
  report(true);
  db::Statement old_rows(db, "SELECT Tag, FileName, FolderName, ArchiveID, FileSize, DateModified, TimeModified,"
                             " Attribute, Comment FROM " + CatName(in) +
                                 " WHERE VolumeLabel = ?1 COLLATE NOCASE AND Tag <= ?2 ORDER BY VolumeLabel COLLATE NOCASE,"
                                 " FileName COLLATE NOCASE, FolderName COLLATE NOCASE, ArchiveID COLLATE NOCASE");
  old_rows.Bind(1, label).Bind(2, last_tag);
  db::Statement new_rows(db, "SELECT FileName, FolderName, ArchiveID, FileSize, DateModified, TimeModified, Attribute,"
                             " Comment FROM " + NewName(in) + " WHERE Tagged ORDER BY FileName, FolderName, ArchiveID");
  db::Statement add(db, "INSERT INTO " + CatName(in) +
                            " (FileName, VolumeLabel, FolderName, ArchiveID, FileSize, DateModified, TimeModified,"
                            " Attribute, CategoryCode, Comment) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, '', ?9)");
  db::Statement update(db, "UPDATE " + CatName(in) +
                               " SET FileSize = ?1, DateModified = ?2, TimeModified = ?3, Attribute = ?4, Comment = ?5"
                               " WHERE Tag = ?6");
  db::Statement remove(db, "DELETE FROM " + CatName(in) + " WHERE Tag = ?1");

  // New: 0 FileName, 1 FolderName, 2 ArchiveID, 3 FileSize, 4 DateModified, 5 TimeModified,
  // 6 Attribute, 7 Comment. Catalog: the same from 1 on, with its Tag at 0.
  bool have_old = old_rows.Step(), have_new = new_rows.Step();
  auto compare = [&] {
    for (int i = 0; i < 3; ++i)
      if (int c = CompareNoCase(new_rows.TextView(i), old_rows.TextView(i + 1))) return c;
    return 0;
  };
  auto insert_new = [&] {
    add.Reset();
    add.BindColumn(1, new_rows, 0).Bind(2, label).BindColumn(3, new_rows, 1).BindColumn(4, new_rows, 2);
    for (int i = 3; i <= 7; ++i) add.BindColumn(i + 2, new_rows, i);
    add.Run();
    ++counts.added;
    ++steps;
    have_new = new_rows.Step();
  };
  auto remove_old = [&] {
    remove.Reset();
    remove.Bind(1, old_rows.Int(0));
    remove.Run();
    ++counts.removed;
    ++steps;
    have_old = old_rows.Step();
  };
  auto update_old = [&] {
    // The catalog's comment gives way to a non-blank one from the disk when it is blank
    // itself or the disk's comment wins.
    const bool take_comment = !Blank(new_rows.TextView(7)) &&
                              (Blank(old_rows.TextView(8)) || in.comment_override_from_disk);
    bool same = true;
    for (int i = 3; i <= 6 && same; ++i) same = new_rows.SameValue(i, old_rows, i + 1);
    if (same && take_comment) same = new_rows.SameValue(7, old_rows, 8);
    if (!same) {  // an unchanged row is not written again
      update.Reset();
      for (int i = 3; i <= 6; ++i) update.BindColumn(i - 2, new_rows, i);
      if (take_comment) update.BindColumn(5, new_rows, 7); else update.BindColumn(5, old_rows, 8);
      update.Bind(6, old_rows.Int(0));
      update.Run();
    }
    ++counts.updated;
    steps += 2;
    have_new = new_rows.Step();
    have_old = old_rows.Step();
  };
  // Once the disk's old rows are used up (at once on a first cataloging), the rest of New is
  // added by key ranges of one statement each: a row at a time would cost twice as much.
  auto insert_rest = [&] {
    const std::string columns = " (FileName, VolumeLabel, FolderName, ArchiveID, FileSize, DateModified, TimeModified,"
                                " Attribute, CategoryCode, Comment)";
    const std::string from = " FROM " + NewName(in) + " WHERE Tagged AND (FileName, FolderName, ArchiveID) >= (?2, ?3, ?4)"
                             " ORDER BY FileName, FolderName, ArchiveID";
    std::string key[3] = {new_rows.Text(0), new_rows.Text(1), new_rows.Text(2)};
    new_rows.Reset();
    // Checks are left out when the statement is prepared, so this comes first.
    std::optional<db::ChecksSkipped> skip;
    if (in.names_fit) skip.emplace(db);
    db::Statement range(db, "INSERT INTO " + CatName(in) + columns +
                                " SELECT FileName, ?1, FolderName, ArchiveID, FileSize, DateModified, TimeModified,"
                                " Attribute, '', Comment" + from + " LIMIT " + std::to_string(kAddRange));
    db::Statement next(db, "SELECT FileName, FolderName, ArchiveID" + from + " LIMIT 1 OFFSET " +
                               std::to_string(kAddRange));
    for (bool more = true; more;) {
      next.Reset();
      next.Bind(2, key[0]).Bind(3, key[1]).Bind(4, key[2]);
      more = next.Step();
      range.Reset();
      range.Bind(1, label).Bind(2, key[0]).Bind(3, key[1]).Bind(4, key[2]);
      range.Run();
      counts.added += db.Changes();
      steps += db.Changes();
      if (more)
        for (int i = 0; i < 3; ++i) key[i] = next.Text(i);
      report(false);
    }
    have_new = false;
  };
  while (have_old || have_new) {
    if (!have_old) {
      insert_rest();
      break;
    }
    const int order = !have_new ? 1 : compare();
    if (order < 0)
      insert_new();
    else if (order > 0)
      remove_old();
    else
      update_old();
    report(false);
  }
  report(true);
  if (progress.operation) progress.operation("");
  return counts;
}

std::string LogText(bool recataloged, std::string_view label, std::string_view drive) {
  std::string text = std::string(recataloged ? "RECATALOGED: Volume ID = " : "CATALOGED: Volume ID = ") + "\"" +
                     std::string(label) + "\" From Drive " + std::string(drive) + ":";
  return text::Left(text, 50);
}

std::string WriteLogRecord(db::Database& db, const UpdateInput& in, bool recataloged, const Clock& clock) {
  std::string label, drive;
  {
    db::Statement row(db, "SELECT CatalogVolumeLabel, CatalogedFrom FROM " + SumName(in) +
                              " WHERE CatalogVolumeLabel = ? COLLATE NOCASE");
    row.Bind(1, Trim(in.catalog_volume_label));
    if (!row.Step()) throw db::DbError(0, "The disk's summary row is missing");
    label = row.Text(0);
    drive = row.Text(1);
  }
  std::string text = LogText(recataloged, label, drive);
  db::Statement st(db, "INSERT INTO " + db::Qualified(db::kData, LogTable(in.catalog)) +
                           " (OpDate, OpTime, Operation) VALUES (?, ?, ?)");
  st.Bind(1, clock.Today()).Bind(2, clock.Now()).Bind(3, text);
  st.Run();
  return text;
}

UpdateResult ApplyCatalogUpdate(db::Database& db, const UpdateInput& in, const Clock& clock,
                                const UpdateProgress& progress) {
  UpdateResult result;
  db::Transaction tx(db);
  if (progress.operation) progress.operation("Updating Summary File");
  result.recataloged = UpdateSummary(db, in, clock);
  if (progress.operation) progress.operation("");
  result.counts = UpdateCatalog(db, in, progress);
  db::Statement last(db, "UPDATE main.CatalogConfigs SET LastVolumeLabel = ? WHERE CatalogName = ? COLLATE NOCASE");
  last.Bind(1, text::Left(Trim(in.catalog_volume_label), kVolumeLabelMax)).Bind(2, in.catalog);
  last.Run();
  if (in.keep_activity_log) result.log_text = WriteLogRecord(db, in, result.recataloged, clock);
  tx.Commit();
  return result;
}

}  // namespace tembrel::catalog
