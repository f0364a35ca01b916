#include "catalog/archives/hyp_reader.h"

#include <array>

#include "catalog/archives/archive_datetime.h"
#include "catalog/archives/archive_text.h"
#include "catalog/archives/reader_support.h"

namespace tembrel::archives {
namespace {

// Member header, after its 0x1A:
//   0  2  signature
//   2  1  version
//   3  4  compressed size
//   7  4  uncompressed size
//  11  2  DOS time
//  13  2  DOS date
//  15  4  checksum
//  19  1  attribute
//  20  1  name length n
//  21  n  name
// The member's data follow the name.
constexpr uint8_t kMarker = 0x1A;
constexpr size_t kFixedSize = 21;

}  // namespace

std::string HypMemberName(std::string_view raw) {
  return DecodeCp437(UpperAscii(AfterLastOf(raw, "\\/")));
}

ReadResult ReadHyp(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink) {
  MemberWalk walk(ctx, sink);
  uint64_t pos = 0;
  for (;;) {
    if (walk.StopRequested()) return AbortedResult();
    std::array<std::byte, 1 + kFixedSize> h{};
    const int64_t got = ReadUpTo(src, pos, std::span(h).first(1));
    if (got < 0) return Failure(ReadStatus::Error, "header", pos);
    if (got == 0 || static_cast<uint8_t>(h[0]) != kMarker) return {};
    if (auto st = ReadExact(src, pos + 1, std::span(h).subspan(1)); st != ReadStatus::Ok)
      return Failure(st, "header", pos);
    ByteCursor c(std::span<const std::byte>(h).subspan(1));
    c.Skip(3);
    const uint32_t compressed = *c.Le32();
    const uint32_t uncompressed = *c.Le32();
    const uint16_t time = *c.Le16();
    const uint16_t date = *c.Le16();
    c.Skip(4);
    const uint8_t attribute = *c.U8();
    const uint8_t name_length = *c.U8();
    std::vector<std::byte> name;
    const uint64_t name_at = pos + 1 + kFixedSize;
    if (auto st = ReadBlock(src, name_at, name_length, name); st != ReadStatus::Ok)
      return Failure(st, "name", name_at);

    ArchiveMember m;
    m.file_name = HypMemberName(AsText(name));
    m.size = uncompressed;
    const Stamp stamp = DosStamp(date, time);
    m.date = stamp.date;
    m.time = stamp.time;
    m.attribute = attribute;
    walk.Offer(m);
    pos = name_at + name_length + compressed;
  }
}

}  // namespace tembrel::archives
