#include "catalog/archives/lbr_reader.h"

#include <array>

#include "catalog/archives/archive_datetime.h"
#include "catalog/archives/archive_text.h"
#include "catalog/archives/reader_support.h"

namespace tembrel::archives {
namespace {

// Directory record:
//   0  1  status; 0 = active
//   1  8  name, blank-padded
//   9  3  extension, blank-padded
//  12  2  first sector
//  14  2  length in 128-byte sectors
//  16  2  CRC
//  18  2  creation date, CP/M day number
//  20  2  change date
//  22  2  creation time, DOS time
//  24  2  change time
//  26  1  pad count: unused bytes in the last sector
//  27  5  filler
// Record 0 is the directory's own: active, blank name, first sector 0, length L > 0 sectors;
// the directory then holds 4 L - 1 further records.
constexpr size_t kRecordSize = 32;
constexpr size_t kRecordsPerSector = 4;
constexpr uint8_t kActive = 0;

}  // namespace

std::string LbrMemberName(std::string_view name8, std::string_view ext3) {
  return DecodeCp437(UpperAscii(std::string(name8) + "." + std::string(ext3)));
}

ReadResult ReadLbr(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink) {
  MemberWalk walk(ctx, sink);
  std::array<std::byte, kRecordSize> r{};
  if (auto st = ReadExact(src, 0, r); st != ReadStatus::Ok) return Failure(st, "directory", 0);
  {
    ByteCursor c(r);
    const uint8_t status = *c.U8();
    const std::string name = *c.Text(11);
    const uint16_t first = *c.Le16();
    const uint16_t length = *c.Le16();
    // Not a library directory: nothing to list, and nothing to complain about.
    if (status != kActive || name != std::string(11, ' ') || first != 0 || length == 0) return {};
    const uint64_t entries = uint64_t{length} * kRecordsPerSector - 1;
    for (uint64_t i = 1; i <= entries; ++i) {
      if (walk.StopRequested()) return AbortedResult();
      const uint64_t at = i * kRecordSize;
      if (auto st = ReadExact(src, at, r); st != ReadStatus::Ok) return Failure(st, "directory entry", at);
      ByteCursor e(r);
      if (*e.U8() != kActive) continue;
      const std::string name8 = *e.Text(8);
      const std::string ext3 = *e.Text(3);
      e.Skip(2);
      const uint16_t sectors = *e.Le16();
      e.Skip(2);
      const uint16_t created = *e.Le16();
      e.Skip(2);
      const uint16_t time = *e.Le16();
      e.Skip(2);
      const uint8_t pad = *e.U8();
      const int64_t size = int64_t{sectors} * 128 - pad;
      // More unused bytes than the member has: a damaged entry, skipped.
      if (size < 0) continue;
      ArchiveMember m;
      m.file_name = LbrMemberName(name8, ext3);
      m.size = size;
      const Stamp stamp = CpmStamp(created, time);
      m.date = stamp.date;
      m.time = stamp.time;
      walk.Offer(m);
    }
  }
  return {};
}

}  // namespace tembrel::archives
