#include "catalog/archives/rar_reader.h"

#include <array>

#include "catalog/archives/archive_datetime.h"
#include "catalog/archives/archive_text.h"
#include "catalog/archives/reader_support.h"

namespace tembrel::archives {
namespace {

// Every block:
//   0  2  CRC
//   2  1  block type
//   3  2  flags; bit 15: a 4-byte added size follows
//   5  2  header size
//   7  4  added size (only with bit 15)
// The next block follows at header size + added size.
//
// File block (type 0x74), the added size being the packed size:
//  11  4  uncompressed size
//  15  1  host OS
//  16  4  CRC
//  20  4  DOS time (low word) and date (high word)
//  24  1  version
//  25  1  method
//  26  2  name length n (at most 255)
//  28  4  attribute
//  32     with flag 0x100: high words of the packed and uncompressed sizes (4 + 4)
//  32/40 n name
constexpr uint8_t kMarkerBlock = 0x72;
constexpr uint8_t kFileBlock = 0x74;
constexpr uint8_t kEndBlock = 0x7B;
constexpr size_t kBaseSize = 7;
constexpr size_t kFileFixedSize = 32;
constexpr uint16_t kLongBlock = 0x8000;
constexpr uint16_t kLargeFile = 0x0100;
constexpr uint16_t kUnicodeName = 0x0200;
constexpr size_t kMaxName = 255;
constexpr std::array<uint8_t, 7> kMarker = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};

// Archive header, old comment, old authenticity, old sub-block, old recovery, new
// authenticity and new sub-block: none of them holds a member.
bool IsSkippedBlock(uint8_t type) { return type == 0x73 || (type >= 0x75 && type <= 0x7A); }

}  // namespace

std::string RarMemberName(std::string_view raw, bool unicode_flag) {
  bool utf8 = false;
  if (unicode_flag) {
    const size_t nul = raw.find('\0');
    if (nul != std::string_view::npos) {
      raw = raw.substr(0, nul);  // the DOS form; the encoded form after it is not needed
    } else {
      utf8 = true;
    }
  }
  raw = AfterLastOf(raw, ":");
  raw = AfterLastOf(raw, "\\/");
  return DecodeName(UpperAscii(WithDot(raw)), utf8);
}

ReadResult ReadRar(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink) {
  MemberWalk walk(ctx, sink);
  uint64_t pos = 0;
  for (;;) {
    std::array<std::byte, kBaseSize + 4> b{};
    const int64_t got = ReadUpTo(src, pos, std::span(b).first(kBaseSize));
    if (got < 0) return Failure(ReadStatus::Error, "block", pos);
    if (got == 0) return {};  // the end of the file between blocks
    if (static_cast<size_t>(got) < kBaseSize) return Failure(ReadStatus::Short, "block", pos);
    ByteCursor c(b);
    c.Skip(2);
    const uint8_t type = *c.U8();
    const uint16_t flags = *c.Le16();
    const uint16_t header_size = *c.Le16();
    if (header_size < kBaseSize) return Failure("block header too small at offset " + std::to_string(pos));

    if (type == kMarkerBlock) {
      for (size_t i = 0; i < kMarker.size(); ++i)
        if (static_cast<uint8_t>(b[i]) != kMarker[i]) return Failure("bad marker block");
      pos += header_size;
      continue;
    }
    if (type == kEndBlock) return {};
    if (IsSkippedBlock(type)) {
      uint32_t added = 0;
      if (flags & kLongBlock) {
        if (header_size < kBaseSize + 4) return Failure("block header too small at offset " + std::to_string(pos));
        if (auto st = ReadExact(src, pos + kBaseSize, std::span(b).subspan(kBaseSize, 4)); st != ReadStatus::Ok)
          return Failure(st, "block", pos);
        c.Seek(kBaseSize);
        added = *c.Le32();
      }
      pos += uint64_t{header_size} + added;
      continue;
    }
    if (type != kFileBlock) return Failure("unknown block type " + std::to_string(type) + " at offset " + std::to_string(pos));
    if (walk.StopRequested()) return AbortedResult();

    std::vector<std::byte> h;
    if (auto st = ReadBlock(src, pos, header_size, h); st != ReadStatus::Ok) return Failure(st, "file header", pos);
    if (h.size() < kFileFixedSize) return Failure("file header too small at offset " + std::to_string(pos));
    ByteCursor f(h);
    f.Seek(kBaseSize);
    uint64_t packed = *f.Le32();
    uint64_t unpacked = *f.Le32();
    f.Skip(5);
    const uint32_t stamp = *f.Le32();
    f.Skip(2);
    const uint16_t name_length = *f.Le16();
    const uint32_t attribute = *f.Le32();
    if (name_length > kMaxName) return Failure("name too long at offset " + std::to_string(pos));
    if (flags & kLargeFile) {
      // Members of 4 GiB and more keep the high words of their sizes before the name.
      auto high_packed = f.Le32();
      auto high_unpacked = f.Le32();
      if (!high_unpacked) return Failure("file header too small at offset " + std::to_string(pos));
      packed |= uint64_t{*high_packed} << 32;
      unpacked |= uint64_t{*high_unpacked} << 32;
    }
    auto name = f.Text(name_length);
    if (!name) return Failure("name outside its header at offset " + std::to_string(pos));

    ArchiveMember m;
    m.file_name = RarMemberName(*name, (flags & kUnicodeName) != 0);
    m.size = static_cast<int64_t>(unpacked & 0x7FFFFFFFFFFFFFFF);
    const Stamp s = DosStamp(stamp);
    m.date = s.date;
    m.time = s.time;
    m.attribute = static_cast<int32_t>(attribute);
    walk.Offer(m);
    pos += uint64_t{header_size} + packed;
  }
}

}  // namespace tembrel::archives
