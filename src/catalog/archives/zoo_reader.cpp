#include "catalog/archives/zoo_reader.h"

#include <algorithm>
#include <array>

#include "catalog/archives/archive_datetime.h"
#include "catalog/archives/archive_text.h"
#include "catalog/archives/dwc_reader.h"
#include "catalog/archives/reader_support.h"

namespace tembrel::archives {
namespace {

// Archive header: 20 bytes of text, the tag at 20, the offset of the first entry at 24.
// Directory entry:
//   0  4  tag 0xFDC4A7DC
//   4  1  type
//   5  1  method
//   6  4  offset of the next entry; 0 or less ends the archive
//  10  4  offset of the data
//  14  2  DOS date
//  16  2  DOS time
//  18  2  CRC
//  20  4  uncompressed size
//  24  4  compressed size
//  28  4  versions, deleted mark, structure
//  32  4  offset of the comment
//  36  2  comment length
//  38 13  name, NUL-terminated
//  51  7  not used
constexpr uint32_t kTag = 0xFDC4A7DC;
constexpr size_t kArchiveHeaderSize = 34;
constexpr size_t kTagOffset = 20;
constexpr size_t kEntrySize = 58;
constexpr size_t kNextOffset = 6;
constexpr size_t kDateOffset = 14;
constexpr size_t kCommentOffset = 32;
constexpr size_t kMaxComment = 43;

}  // namespace

std::string ZooMemberName(std::string_view field) {
  std::string name = WithDot(UpperAscii(UpToNul(field)));
  if (name.size() > 12) name.resize(12);
  return DecodeCp437(name);
}

ReadResult ReadZoo(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink) {
  MemberWalk walk(ctx, sink);
  std::array<std::byte, kArchiveHeaderSize> head{};
  if (auto st = ReadExact(src, 0, head); st != ReadStatus::Ok) return Failure(st, "archive header", 0);
  ByteCursor hc(head);
  hc.Seek(kTagOffset);
  if (*hc.Le32() != kTag) return Failure("no ZOO tag");
  uint64_t pos = *hc.Le32();

  for (;;) {
    if (walk.StopRequested()) return AbortedResult();
    if (pos == src.Size()) return {};
    std::array<std::byte, kEntrySize> e{};
    const int64_t got = ReadUpTo(src, pos, e);
    if (got < 0) return Failure(ReadStatus::Error, "directory entry", pos);
    ByteCursor c(std::span<const std::byte>(e).first(static_cast<size_t>(got)));
    const auto tag = c.Le32();
    c.Seek(kNextOffset);
    const auto next_field = c.Le32();
    // A short last entry is accepted only when it says nothing follows.
    if (!next_field || (static_cast<size_t>(got) < kEntrySize && *next_field != 0))
      return Failure(ReadStatus::Short, "directory entry", pos);
    if (*tag != kTag) return Failure("bad entry tag at offset " + std::to_string(pos));
    const auto next = static_cast<int32_t>(*next_field);
    if (next <= 0) return {};
    if (static_cast<uint64_t>(next) <= pos) return Failure("entry points back at offset " + std::to_string(pos));

    c.Seek(kDateOffset);
    const uint16_t date = *c.Le16();
    const uint16_t time = *c.Le16();
    c.Skip(2);
    ArchiveMember m;
    m.size = *c.Le32();
    c.Seek(kCommentOffset);
    const uint32_t comment_at = *c.Le32();
    const uint16_t comment_length = *c.Le16();
    m.file_name = ZooMemberName(*c.Text(13));
    const Stamp s = DosStamp(date, time);
    m.date = s.date;
    m.time = s.time;
    if (comment_length != 0) {
      // One byte less than the stored length, and at most 42.
      const size_t wanted = std::min<size_t>(comment_length, kMaxComment) - 1;
      std::vector<std::byte> raw;
      if (auto st = ReadBlock(src, comment_at, wanted, raw); st != ReadStatus::Ok)
        return Failure(st, "member comment", comment_at);
      m.comment = ShortComment(AsText(raw));
    }
    walk.Offer(m);
    pos = static_cast<uint64_t>(next);
  }
}

}  // namespace tembrel::archives
