#pragma once
// The seam between the cataloging run and the archive directory readers. A reader walks
// one archive's headers and hands each member to an ArchiveSink; it never touches the
// catalog tables or the window itself, so it can be tested and fuzzed on its own.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "app/date_time.h"

namespace tembrel::archives {

// Kind numbers as the cataloging run's extension table gives them.
enum class ArchiveKind { Arc = 1, Arj, Cab, Dwc, Hyp, Lbr, Lzh, Lzs, Pak, Rar, Sqz, Zip, Zoo };

struct ArchiveMember {
  std::string file_name;  // after the format's name rule
  int64_t size = 0;       // uncompressed
  Date date;
  Time time;
  int32_t attribute = 0;
  std::string comment;
};

// What a reader needs from the run. FolderName and ArchiveID of the entry are the run's.
class ArchiveSink {
 public:
  virtual ~ArchiveSink() = default;
  virtual void CountMember(uint64_t uncompressed_size) = 0;  // every member met, recorded or not
  virtual bool PassesSpecs(std::string_view member_name) = 0;
  virtual void AddEntry(const ArchiveMember& member) = 0;
  virtual bool AbortRequested() = 0;
  virtual void ProcessEvents() = 0;
};

// Random access to an archive's bytes; readers read headers only, never whole files.
class ArchiveSource {
 public:
  virtual ~ArchiveSource() = default;
  virtual uint64_t Size() const = 0;
  // Reads up to out.size() bytes at offset; returns the count read (short at the end), or -1 on error.
  virtual int64_t ReadAt(uint64_t offset, std::span<std::byte> out) = 0;
};

// Opens a file of the archive's folder (the archive itself, or an ARJ volume such as NAME.A01).
// Returns null when it cannot be opened.
using SourceOpener = std::function<std::unique_ptr<ArchiveSource>(const std::string& full_path)>;

struct ArchiveContext {
  bool in_start_folder = true;
  std::string folder_name;   // drive-relative, no trailing backslash ("\GAMES")
  std::string folder_path;   // full path of the folder on this machine, with a trailing "/"
  std::string archive_name;  // file name of the archive
  SourceOpener open;         // how to open folder_path + a name
};

enum class ReadOutcome {
  Ok,       // walked to the end mark or the end of the file
  Failed,   // unreadable or damaged: members so far stay, the run goes on
  Aborted,  // the sink asked to stop
};

struct ReadResult {
  ReadOutcome outcome = ReadOutcome::Ok;
  std::string main_comment;  // ARJ and ZIP main comments; empty for the others
  std::string detail;        // why it failed, for tests and diagnostics (never shown verbatim)
};

}  // namespace tembrel::archives
