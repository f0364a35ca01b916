#include "catalog/archives/sqz_reader.h"

#include <array>

#include "catalog/archives/archive_datetime.h"
#include "catalog/archives/archive_text.h"
#include "catalog/archives/reader_support.h"

namespace tembrel::archives {
namespace {

// After the archive header, blocks led by a size byte s:
//   s = 0        the end of the archive
//   s = 1 to 18  a 2-byte length follows, then that many bytes (not members)
//   s > 18       a member header of s + 1 further bytes:
//                  0  1  checksum
//                  1  1  method
//                  2  4  compressed size
//                  6  4  uncompressed size
//                 10  4  DOS time (low word) and date (high word)
//                 14  1  attribute
//                 15  4  CRC
//                 19  s-18 name
//                the member's data follow.
constexpr std::string_view kSignature = "HLSQZ";
constexpr size_t kArchiveHeaderSize = 8;
constexpr uint8_t kMaxBlockCode = 18;
constexpr size_t kMemberFixedSize = 19;

}  // namespace

std::string SqzMemberName(std::string_view raw) {
  std::string name(raw);
  if (!MatchesStarDotStar(name)) name += ' ';
  name = UpperAscii(name);
  std::string_view rest = AfterLastOf(name, "\\");
  rest = AfterLastOf(rest, "/");
  return DecodeCp437(rest);
}

ReadResult ReadSqz(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink) {
  MemberWalk walk(ctx, sink);
  std::array<std::byte, kArchiveHeaderSize> head{};
  if (auto st = ReadExact(src, 0, head); st != ReadStatus::Ok) return Failure(st, "archive header", 0);
  if (AsText(head).substr(0, kSignature.size()) != kSignature) return Failure("no HLSQZ signature");

  uint64_t pos = kArchiveHeaderSize;
  for (;;) {
    std::array<std::byte, 3> lead{};
    const int64_t got = ReadUpTo(src, pos, std::span(lead).first(1));
    if (got < 0) return Failure(ReadStatus::Error, "block", pos);
    if (got == 0) return {};
    const auto s = static_cast<uint8_t>(lead[0]);
    if (s == 0) return {};
    if (s <= kMaxBlockCode) {
      if (auto st = ReadExact(src, pos + 1, std::span(lead).subspan(1, 2)); st != ReadStatus::Ok)
        return Failure(st, "block", pos);
      const uint16_t length = static_cast<uint16_t>(static_cast<uint8_t>(lead[1]) |
                                                    (static_cast<uint8_t>(lead[2]) << 8));
      pos += 3 + uint64_t{length};
      continue;
    }
    if (walk.StopRequested()) return AbortedResult();
    std::vector<std::byte> h;
    if (auto st = ReadBlock(src, pos + 1, s + 1u, h); st != ReadStatus::Ok) return Failure(st, "member header", pos);
    ByteCursor c(h);
    c.Skip(2);
    const uint32_t compressed = *c.Le32();
    const uint32_t uncompressed = *c.Le32();
    const uint32_t stamp = *c.Le32();
    const uint8_t attribute = *c.U8();
    c.Seek(kMemberFixedSize);
    const std::string name = *c.Text(s - kMaxBlockCode);

    ArchiveMember m;
    m.file_name = SqzMemberName(name);
    m.size = uncompressed;
    const Stamp st = DosStamp(stamp);
    m.date = st.date;
    m.time = st.time;
    m.attribute = attribute;
    walk.Offer(m);
    pos += 1 + uint64_t{s} + 1 + compressed;
  }
}

}  // namespace tembrel::archives
