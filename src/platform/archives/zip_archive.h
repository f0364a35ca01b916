#pragma once
// A ZIP archive's directory through minizip: the archive comment, every member's stored
// name, size, DOS stamp, attributes and comment, and one member read into memory.
//
// Self-extracting programs: an archive appended to a program stub is found from its end
// record. When its offsets were adjusted for the stub they are used as they are; when they
// still count from the start of the ZIP part, minizip works out the distance for the plain
// end record, and for a ZIP64 end record (which minizip cannot follow then) Open retries
// with a view that starts where the ZIP part starts.
//
// An archive without members is only its end record, at offset 0, which minizip cannot
// tell from "no end record found"; Open retries with four zero bytes in front of it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/archives/byte_source.h"

namespace tembrel::platform {

// Where a member sits in the directory, for ReadEntry.
struct ZipEntryPosition {
  uint64_t directory_offset = 0;
  uint64_t index = 0;
};

struct ZipEntryInfo {
  std::string raw_name;                     // the stored bytes
  bool utf8 = false;                        // general purpose flag bit 11: name and comment are UTF-8
  std::optional<std::string> unicode_path;  // Info-ZIP Unicode Path field, only when it matches raw_name
  std::string raw_comment;
  uint64_t uncompressed_size = 0;
  uint16_t dos_date = 0;
  uint16_t dos_time = 0;
  uint32_t external_attributes = 0;
  uint16_t flags = 0;
  uint16_t method = 0;
  uint8_t host_system = 0;  // high byte of "version made by": 0 DOS, 3 Unix, 11 NTFS, 19 OS X ...
  ZipEntryPosition position;
};

enum class ZipListOutcome {
  Complete,  // every member of the directory was visited
  Stopped,   // the visitor returned false
  Damaged,   // a directory record could not be read; the members before it were visited
};

struct ZipMemberData {
  std::string bytes;
  bool truncated = false;  // the member is longer than the cap; its check value was not verified
};

class ZipArchive {
 public:
  // Null when the bytes hold no readable ZIP end record and directory start.
  static std::unique_ptr<ZipArchive> Open(std::unique_ptr<ByteSource> bytes);
  static std::unique_ptr<ZipArchive> OpenFile(const std::string& path);

  ~ZipArchive();
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  uint64_t EntryCount() const { return entry_count_; }
  // Bytes in front of the ZIP part that its own offsets leave out and that Open had to skip
  // itself (0 when minizip coped alone).
  uint64_t Shift() const { return shift_; }

  // The archive comment as stored; null when its bytes cannot be read whole.
  std::optional<std::string> RawComment();

  // Visits the members in directory order.
  ZipListOutcome List(const std::function<bool(const ZipEntryInfo&)>& visit);

  // Reads one member into memory, at most `cap` bytes. Null for an encrypted member, an
  // unknown method, damaged data or a failed check value.
  std::optional<ZipMemberData> ReadEntry(const ZipEntryPosition& position, size_t cap);

  struct Impl;

 private:
  explicit ZipArchive(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
  uint64_t entry_count_ = 0;
  uint64_t shift_ = 0;
};

}  // namespace tembrel::platform
