#pragma once
// One cataloging run: identify the volume, walk the whole drive into the temporary table
// New, let the user tag entries, check the field sizes and hand New to the catalog update.
// The window only shows the run's state (TCatalogProgressForm) and sets AbortRequested.
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/include_exclude.h"
#include "catalog/catalog_progress_form.h"
#include "catalog/catalog_update.h"
#include "platform/fs/fs.h"
#include "platform/volumes/volumes.h"
#include "store/catalog_tables.h"

namespace tembrel::catalog {

struct CatalogRunRequest {
  char drive = 'C';
  std::string start_dir;  // "C:\" or "C:\GAMES"; a trailing backslash is added
  bool recurse = true;
  bool ignore_recycle = true;
  bool keep_in_memory = false;
  bool stats_only = false;
  RunOrigin origin = RunOrigin::Interactive;
  bool suppress_exists_warning = false;
  bool scan_only = false;
};

struct RunCounters {
  int64_t folders_scanned = 1, bytes_in_folders = 0;
  int64_t files_on_disk = 0, bytes_in_files_on_disk = 0;
  int64_t files_in_archives = 0, bytes_in_files_in_archives = 0;
  int64_t to_be_cataloged = 0, bytes_to_be_cataloged = 0;
  int longest_file_name = 0, longest_folder_name = 0, longest_archive_id = 0;
  int widest_file_name = 0, widest_folder_name = 0, widest_archive_id = 0;
  int64_t folders_skipped = 0;  // sub-folders the user may not read
};

// What a file's entry is cataloged with. The texts are the caller's: AddEntry copies what
// it keeps before it returns.
struct EntryData {
  std::string_view file_name, folder_name, archive_id;
  int64_t size = 0;
  Date date;
  Time time;
  int32_t attribute = 0;
  std::string_view comment;
};

class CatalogRunner;

// Archive and media content of one file: members, main comments, FILE_ID.DIZ, picture and
// MP3 descriptions. The run calls it at its fixed points; without one, files are just files.
class ContentReader {
 public:
  virtual ~ContentReader() = default;
  struct FileContext {
    int kind = 0;                // the extension table's kind
    bool in_start_folder = true;
    std::string folder_name;     // "\GAMES"
    std::string folder_path;     // real folder path with a trailing "/"
    std::string name;
    fs::Entry entry;
  };
  // Step 4 of a file: expand an archive (or only read its main comment), or check an .EXE.
  virtual void ReadArchiveOrSfx(CatalogRunner& run, const FileContext& file) = 0;
  // Step 6: the FILE_ID.DIZ text of a ZIP or self-extracting program.
  virtual void ReadDiz(CatalogRunner& run, const FileContext& file) = 0;
  // Step 7: the technical description of a picture or MP3 file.
  virtual void ReadMedia(CatalogRunner& run, const FileContext& file) = 0;
  // Step 8: give the archive's main comment to its members that have none.
  virtual void CopyMainComment(CatalogRunner& run, const FileContext& file) = 0;
};

class CatalogRunner {
 public:
  CatalogRunner(AppContext& ctx, volumes::VolumeService& volumes, fs::FileSystem& files,
                TCatalogProgressForm& window);
  ~CatalogRunner();

  void SetContentReader(ContentReader* reader) { content_ = reader; }
  // Pixel width of a text in the window's font; characters x 7 without a window.
  void SetTextMeasure(std::function<int(std::string_view)> measure) { measure_ = std::move(measure); }

  bool RunCataloging(const CatalogRunRequest& request);
  // The volume step and the walk only; New stays for the caller on success.
  bool ScanDirectoryOnly(const CatalogRunRequest& request, const CatalogConfig& presets);

  // For the walk and the archive readers.
  void AddEntry(const EntryData& entry);
  bool PassesSpecs(std::string_view folder, std::string_view name) const;
  bool InStartFolder(std::string_view full_folder_path) const;
  void RefreshCounters();
  void CountArchiveMember(uint64_t size);
  // Gives `comment` to the members of the file now being read that were added without one.
  void CopyCommentToMembers(const std::string& comment);

  RunCounters& Counters() { return counters_; }
  const CatalogConfig& Options() const { return options_; }
  std::string& CurrentComment() { return current_comment_; }
  std::string& RunExpandArchives() { return run_expand_archives_; }
  TCatalogProgressForm& Window() { return window_; }
  AppContext& Context() { return ctx_; }
  const CatalogRunRequest& Request() const { return request_; }
  bool Aborted() const { return ctx_.state.abort_requested; }

  // Results for the caller and the tests.
  const std::string& CatalogVolumeLabel() const { return catalog_label_; }
  const std::string& ActualVolumeLabel() const { return actual_label_; }
  const UpdateResult& Update() const { return update_; }
  std::string NewSchema() const {
    return std::string(request_.keep_in_memory || request_.scan_only ? db::kMemory : db::kWork);
  }

 private:
  bool ReadOptions();
  bool IdentifyVolume();
  bool CreateNewTable();
  void DropNewTable();
  void Walk();
  struct FolderScope {
    const std::string& path;       // "C:\GAMES\"
    const std::string& real_path;  // the real folder, with a trailing "/"
    std::string name;              // "\GAMES"
    std::string slash;             // "\GAMES\", what folder specs are matched against
    bool in_start;
  };
  void WalkFolder(fs::Listing& listing, const std::string& path, const std::string& real_path);
  void ProcessEntry(fs::Listing& listing, const fs::Entry& entry, const FolderScope& folder);
  bool SelectiveCatalogingStep();
  bool RedetermineLongest();
  bool CheckFieldSizes();
  bool UpdateStep();
  void ReadFailure();
  void ResetCounters();
  int Measure(std::string_view text, int length) const;

  AppContext& ctx_;
  volumes::VolumeService& volumes_;
  fs::FileSystem& files_;
  TCatalogProgressForm& window_;
  ContentReader* content_ = nullptr;
  std::function<int(std::string_view)> measure_;

  CatalogRunRequest request_;
  CatalogConfig options_;
  std::string run_expand_archives_ = "Never";
  std::optional<IncludeExcludeRule> specs_;
  RunCounters counters_;
  std::string drive_root_;
  std::string actual_label_, catalog_label_;
  uint32_t serial_ = 0;
  int64_t disk_size_ = -1, disk_free_ = -1, cluster_size_ = -1;
  std::string current_comment_;
  std::vector<std::array<std::string, 3>> uncommented_members_;  // keys, of the current file's archive
  bool duplicate_warned_ = false;
  bool skip_all_bad_ = false;
  std::string last_raw_[3], last_used_[3];
  std::chrono::steady_clock::time_point last_refresh_;
  std::unique_ptr<db::Statement> insert_;
  std::unique_ptr<db::Transaction> walk_tx_;
  int64_t pending_ = 0;
  UpdateResult update_;
};

inline constexpr const char* kReadFolderError = "An Error Occurred While Reading The Current Folder - Operation Aborted";

// "#,###,###,###,##0 ": how the cataloging window writes its counters.
std::string CounterText(int64_t value);

}  // namespace tembrel::catalog
