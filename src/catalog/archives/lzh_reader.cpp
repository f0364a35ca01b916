#include "catalog/archives/lzh_reader.h"

#include <array>

#include "catalog/archives/archive_datetime.h"
#include "catalog/archives/archive_text.h"
#include "catalog/archives/reader_support.h"

namespace tembrel::archives {
namespace {

// Levels 0 and 1:
//   0  1  header size h (the bytes after these first two)
//   1  1  checksum
//   2  5  method
//   7  4  compressed size (level 1: with the extended headers after the base header)
//  11  4  uncompressed size
//  15  2  DOS time
//  17  2  DOS date
//  19  1  attribute
//  20  1  header level
//  21  1  name length n
//  22  n  name
//  22+n 2 CRC; level 1: OS id, then extended headers
// The next header follows at h + 2 + compressed size.
//
// Level 2:
//   0  2  whole header size H, extended headers included
//   2  5  method
//   7  4  compressed size
//  11  4  uncompressed size
//  15  4  time, Unix seconds
//  19  1  reserved
//  20  1  header level
//  21  2  CRC
//  23  1  OS id
//  24  2  size of the first extended header
//  26     extended headers: type (1), data, size of the next one (2); 0 ends them.
//         Type 0x01 holds the file name, 0x40 the DOS attribute.
// The next header follows at H + compressed size.
constexpr size_t kSizesOffset = 7;  // compressed, then uncompressed size, in every level
constexpr size_t kLevelOffset = 20;
constexpr size_t kLevel2OsOffset = 23;
constexpr uint8_t kMinOldHeader = 20;
constexpr size_t kLevel2BaseSize = 26;
constexpr uint8_t kNameExtension = 0x01;
constexpr uint8_t kAttributeExtension = 0x40;
constexpr uint8_t kUnixOs = 'U';

bool OnlyPadding(std::string_view s) {
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c != ' ' && c != 0 && c != 0xFF) return false;
  }
  return true;
}

}  // namespace

std::string LzhMemberName(std::string_view raw, bool may_be_utf8) {
  const std::string_view part = AfterLastOf(raw, "/\\");
  if (OnlyPadding(part)) return {};
  std::string name = UpperAscii(WithDot(part));
  if (may_be_utf8 && IsValidUtf8(name)) return CutChars(DecodeName(name, true), 12);
  if (name.size() > 12) name.resize(12);
  return DecodeCp437(name);
}

ReadResult ReadLzh(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink) {
  MemberWalk walk(ctx, sink);
  uint64_t pos = 0;
  for (;;) {
    if (walk.StopRequested()) return AbortedResult();
    std::array<std::byte, kLevelOffset + 1> lead{};
    const int64_t got = ReadUpTo(src, pos, lead);
    if (got < 0) return Failure(ReadStatus::Error, "header", pos);
    if (got == 0) return {};  // the end of the file between headers
    const auto first = static_cast<uint8_t>(lead[0]);
    if (first == 0) return {};
    const bool level_known = static_cast<size_t>(got) > kLevelOffset;
    const uint8_t level = level_known ? static_cast<uint8_t>(lead[kLevelOffset]) : 0;
    if (level != 2 && first < kMinOldHeader) return {};
    if (!level_known) return Failure(ReadStatus::Short, "header", pos);
    if (level > 2) return Failure("header level " + std::to_string(level) + " at offset " + std::to_string(pos));

    ArchiveMember m;
    std::vector<std::byte> h;
    uint64_t next = 0;
    if (level < 2) {
      if (auto st = ReadBlock(src, pos, first + 2u, h); st != ReadStatus::Ok)
        return Failure(st, "header", pos);
      ByteCursor c(h);
      c.Seek(kSizesOffset);
      const uint32_t compressed = *c.Le32();
      m.size = *c.Le32();
      const uint16_t time = *c.Le16();
      const uint16_t date = *c.Le16();
      m.attribute = *c.U8();
      c.Skip(1);
      const uint8_t name_length = *c.U8();
      auto name = c.Text(name_length);
      if (!name) return Failure("name outside its header at offset " + std::to_string(pos));
      bool unix_os = false;
      if (level == 1 && c.Skip(2)) {
        auto os = c.U8();
        unix_os = os && *os == kUnixOs;
      }
      m.file_name = LzhMemberName(*name, unix_os);
      const Stamp stamp = DosStamp(date, time);
      m.date = stamp.date;
      m.time = stamp.time;
      next = pos + first + 2 + compressed;
    } else {
      std::array<std::byte, 2> size_field{};
      if (auto st = ReadExact(src, pos, size_field); st != ReadStatus::Ok) return Failure(st, "header", pos);
      const size_t total = static_cast<uint8_t>(size_field[0]) | (static_cast<uint8_t>(size_field[1]) << 8);
      if (total < kLevel2BaseSize) return Failure("level 2 header too small at offset " + std::to_string(pos));
      if (auto st = ReadBlock(src, pos, total, h); st != ReadStatus::Ok) return Failure(st, "header", pos);
      ByteCursor c(h);
      c.Seek(kSizesOffset);
      const uint32_t compressed = *c.Le32();
      m.size = *c.Le32();
      const uint32_t unix_time = *c.Le32();
      c.Seek(kLevel2OsOffset);
      const bool unix_os = *c.U8() == kUnixOs;
      size_t ext_size = *c.Le16();
      std::string raw_name;
      // Each extended header must lie inside the whole header and be at least its own
      // type byte and next-size field, so the walk always moves on.
      while (ext_size != 0) {
        if (ext_size < 3 || !c.Need(ext_size))
          return Failure("extended header outside its header at offset " + std::to_string(pos));
        const uint8_t type = *c.U8();
        const std::string data = *c.Text(ext_size - 3);
        ext_size = *c.Le16();
        if (type == kNameExtension) raw_name = data;
        if (type == kAttributeExtension && data.size() >= 2)
          m.attribute = static_cast<uint8_t>(data[0]) | (static_cast<uint8_t>(data[1]) << 8);
      }
      m.file_name = LzhMemberName(raw_name, unix_os);
      const Stamp stamp = LocalStamp(unix_time);
      m.date = stamp.date;
      m.time = stamp.time;
      next = pos + total + compressed;
    }
    walk.Offer(m);
    pos = next;
  }
}

}  // namespace tembrel::archives
