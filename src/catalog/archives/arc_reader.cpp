#include "catalog/archives/arc_reader.h"

#include <array>

#include "catalog/archives/archive_datetime.h"
#include "catalog/archives/archive_text.h"
#include "catalog/archives/reader_support.h"

namespace tembrel::archives {
namespace {

// Member header, from the marker on:
//   0  1  marker 0x1A
//   1  1  method; 0 ends the archive
//   2 13  name, NUL-terminated
//  15  4  compressed size
//  19  2  DOS date
//  21  2  DOS time
//  23  2  CRC
//  25  4  uncompressed size (not there for method 1, the oldest stored form)
// The member's data follows the header.
constexpr uint8_t kMarker = 0x1A;
constexpr size_t kHeaderSize = 29;
constexpr size_t kOldHeaderSize = 25;  // method 1: the data are stored, sizes are equal
constexpr size_t kNameOffset = 2;
constexpr size_t kNameSize = 13;
constexpr uint8_t kOldStoredMethod = 1;

}  // namespace

std::string ArcMemberName(std::string_view field) {
  std::string name = WithDot(UpperAscii(UpToNul(field)));
  if (name.size() > 12) name.resize(12);
  return DecodeCp437(name);
}

ReadResult ReadArc(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink) {
  MemberWalk walk(ctx, sink);
  uint64_t pos = 0;
  for (;;) {
    if (walk.StopRequested()) return AbortedResult();
    std::array<std::byte, kHeaderSize> h{};
    const int64_t got = ReadUpTo(src, pos, std::span(h).first(2));
    if (got < 0) return Failure(ReadStatus::Error, "header", pos);
    // Running out before the marker means the end mark is missing.
    if (got == 0) return Failure("no end mark before the end of the file");
    if (static_cast<uint8_t>(h[0]) != kMarker) return Failure("bad marker at offset " + std::to_string(pos));
    if (got == 1) return {};  // the end of the file where the method would be: a normal end
    const auto method = static_cast<uint8_t>(h[1]);
    if (method == 0) return {};
    const size_t header_size = method == kOldStoredMethod ? kOldHeaderSize : kHeaderSize;
    if (auto st = ReadExact(src, pos + 2, std::span(h).subspan(2, header_size - 2));
        st != ReadStatus::Ok)
      return Failure(st, "header", pos);

    ByteCursor c(std::span<const std::byte>(h).first(header_size));
    c.Seek(kNameOffset);
    const std::string name_field = *c.Text(kNameSize);
    const uint32_t compressed = *c.Le32();
    const uint16_t date = *c.Le16();
    const uint16_t time = *c.Le16();
    c.Skip(2);  // CRC
    const uint32_t uncompressed = method == kOldStoredMethod ? compressed : *c.Le32();

    ArchiveMember m;
    m.file_name = ArcMemberName(name_field);
    m.size = uncompressed;
    const Stamp stamp = DosStamp(date, time);
    m.date = stamp.date;
    m.time = stamp.time;
    walk.Offer(m, /*needs_dot=*/true);
    pos += header_size + uint64_t{compressed};
  }
}

}  // namespace tembrel::archives
