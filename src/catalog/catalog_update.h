#pragma once
// Writing a scanned disk into its catalog: the summary row, the merge of the temporary
// table into the file rows of that volume, the last label and the log line, as one
// transaction, so a failure or a kill leaves the catalog as it was.
#include <cstdint>
#include <functional>
#include <string>

#include "app/date_time.h"
#include "platform/db/database.h"
#include "store/catalog_tables.h"

namespace tembrel::catalog {

enum class RunOrigin { Interactive, DuplicateCleanup, Offload };

struct UpdateInput {
  std::string catalog;               // the active catalog's name
  std::string catalog_volume_label;  // the key the disk is cataloged under
  std::string actual_volume_label;
  uint32_t serial = 0;
  int64_t disk_size = -1, disk_free = -1, cluster_size = -1;
  int64_t files_on_disk = 0, bytes_in_files_on_disk = 0, files_in_archives = 0;
  char drive = 'A';
  bool comment_override_from_disk = false;
  bool keep_activity_log = false;
  std::string new_schema = "Memory";  // where the temporary table New lives
  // Every name in New is known to fit the catalog's fields (the run compared its longest names
  // with them just before), so rows added in bulk skip the engine's width checks.
  bool names_fit = false;
};

struct MergeCounts {
  int64_t added = 0, updated = 0, removed = 0;
};

struct UpdateResult {
  bool recataloged = false;
  MergeCounts counts;
  std::string log_text;  // what went into the log; empty when none was written
};

// Progress of the update: a caption for the operation label, the counters and a percentage.
struct UpdateProgress {
  std::function<void(const std::string& label)> operation;
  std::function<void(const MergeCounts&, int percent)> merge;
};

// Returns whether the disk already had a summary row. Throws db::DbError.
bool UpdateSummary(db::Database& db, const UpdateInput& in, const Clock& clock);
// Merges the tagged rows of New into the volume's file rows. Throws db::DbError.
MergeCounts UpdateCatalog(db::Database& db, const UpdateInput& in, const UpdateProgress& progress = {});
// The log line as it is stored (cut to the field's 50 characters).
std::string LogText(bool recataloged, std::string_view label, std::string_view drive);
// Appends the line for the volume's summary row; returns its text.
std::string WriteLogRecord(db::Database& db, const UpdateInput& in, bool recataloged, const Clock& clock);

// The whole update in one transaction: summary row, merge, LastVolumeLabel of the catalog's
// configuration row, and the log line when the catalog keeps a log. Throws db::DbError,
// after which nothing has changed.
UpdateResult ApplyCatalogUpdate(db::Database& db, const UpdateInput& in, const Clock& clock,
                                const UpdateProgress& progress = {});

}  // namespace tembrel::catalog
