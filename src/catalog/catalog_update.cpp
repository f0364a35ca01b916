#include "catalog/catalog_update.h"

#include "app/text_helpers.h"
#include "platform/text/utf8.h"

namespace tembrel::catalog {

namespace {

std::string SumName(const UpdateInput& in) { return db::Qualified(db::kData, SumTable(in.catalog)); }
std::string CatName(const UpdateInput& in) { return db::Qualified(db::kData, CatTable(in.catalog)); }
std::string NewName(const UpdateInput& in) { return db::Qualified(in.new_schema, "New"); }

// The merge's key equality: the three name fields without regard to case, as both
// tables' keys compare them.
constexpr const char* kSameKey =
    "c.FileName = n.FileName COLLATE NOCASE AND c.FolderName = n.FolderName COLLATE NOCASE"
    " AND c.ArchiveID = n.ArchiveID COLLATE NOCASE";

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
  auto report = [&](int percent) {
    if (progress.merge) progress.merge(counts, percent);
  };
  report(0);

  // Entries still on the disk keep their row, category, Tag and (unless the disk's comment
  // wins) their comment; size, date, time and attribute are refreshed.
  db::Statement update(
      db, "UPDATE " + CatName(in) +
              " AS c SET FileSize = n.FileSize, DateModified = n.DateModified, TimeModified = n.TimeModified,"
              " Attribute = n.Attribute, Comment = CASE WHEN trim(coalesce(n.Comment, '')) <> '' AND"
              " (trim(coalesce(c.Comment, '')) = '' OR ?2) THEN n.Comment ELSE c.Comment END"
              " FROM " + NewName(in) + " AS n WHERE c.VolumeLabel = ?1 COLLATE NOCASE AND n.Tagged AND " + kSameKey);
  update.Bind(1, label).Bind(2, in.comment_override_from_disk);
  update.Run();
  counts.updated = db.Changes();
  report(34);

  db::Statement remove(db, "DELETE FROM " + CatName(in) + " AS c WHERE c.VolumeLabel = ?1 COLLATE NOCASE AND NOT EXISTS"
                                                          " (SELECT 1 FROM " + NewName(in) + " AS n WHERE n.Tagged AND " +
                               kSameKey + ")");
  remove.Bind(1, label);
  remove.Run();
  counts.removed = db.Changes();
  report(67);

  db::Statement add(db, "INSERT INTO " + CatName(in) +
                            " (FileName, VolumeLabel, FolderName, ArchiveID, FileSize, DateModified, TimeModified,"
                            " Attribute, CategoryCode, Comment)"
                            " SELECT n.FileName, ?1, n.FolderName, n.ArchiveID, n.FileSize, n.DateModified,"
                            " n.TimeModified, n.Attribute, '', n.Comment FROM " + NewName(in) +
                            " AS n WHERE n.Tagged AND NOT EXISTS (SELECT 1 FROM " + CatName(in) +
                            " AS c WHERE c.VolumeLabel = ?1 COLLATE NOCASE AND " + kSameKey +
                            ") ORDER BY n.FileName COLLATE NOCASE, n.FolderName COLLATE NOCASE, n.ArchiveID COLLATE NOCASE");
  add.Bind(1, label);
  add.Run();
  counts.added = db.Changes();
  report(100);
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
