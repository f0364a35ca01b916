#include "catalog/archives/dwc_reader.h"

#include <algorithm>
#include <array>
#include <optional>

#include "catalog/archives/archive_datetime.h"
#include "catalog/archives/archive_text.h"
#include "catalog/archives/reader_support.h"

namespace tembrel::archives {
namespace {

// Trailer, 27 bytes, ending with the signature:
//   0 20  not used
//  20  4  member count n
//  24  3  "DWC"
// The directory is the n entries of 34 bytes just before the trailer:
//   0 13  name, NUL-terminated
//  13  4  uncompressed size
//  17  4  time, Unix seconds
//  21  4  compressed size
//  25  4  offset of the member's data
//  29  1  method
//  30  1  comment length; the comment follows the member's data
//  31  3  not used
constexpr std::string_view kSignature = "DWC";
constexpr size_t kTrailerSize = 27;
constexpr size_t kSignatureInTrailer = 24;
constexpr size_t kCountOffset = 20;
constexpr size_t kEntrySize = 34;
constexpr size_t kMaxComment = 43;
constexpr size_t kSearchChunk = 64 * 1024;

// The signature nearest to the end of the file: the trailer's own is the last three bytes of a
// sound archive, and a member named DWC.EXE earlier in the directory must not be taken for it.
std::optional<uint64_t> FindSignature(ArchiveSource& src, ReadResult& failure) {
  const uint64_t size = src.Size();
  std::vector<std::byte> buf;
  uint64_t end = size;
  while (end >= kSignature.size()) {
    // Chunks overlap by two bytes so a signature across their border is still seen.
    const uint64_t start = end > kSearchChunk ? end - kSearchChunk : 0;
    if (auto st = ReadBlock(src, start, static_cast<size_t>(end - start), buf); st != ReadStatus::Ok) {
      failure = Failure(st, "signature search", start);
      return std::nullopt;
    }
    const std::string_view text = AsText(buf);
    const size_t at = text.rfind(kSignature);
    if (at != std::string_view::npos) return start + at;
    if (start == 0) break;
    end = start + kSignature.size() - 1;
  }
  failure = Failure("no DWC signature");
  return std::nullopt;
}

}  // namespace

std::string DwcMemberName(std::string_view field) {
  return DecodeCp437(WithDot(UpperAscii(UpToNul(field))));
}

std::string ShortComment(std::string_view raw) {
  raw = raw.substr(0, std::min(raw.size(), kMaxComment));
  const auto stop = std::find_if(raw.begin(), raw.end(), [](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c < 32 || c == 127;
  });
  return DecodeCp437(raw.substr(0, static_cast<size_t>(stop - raw.begin())));
}

ReadResult ReadDwc(const ArchiveContext& ctx, ArchiveSource& src, ArchiveSink& sink) {
  MemberWalk walk(ctx, sink);
  ReadResult failure;
  const std::optional<uint64_t> sig = FindSignature(src, failure);
  if (!sig) return failure;
  if (*sig < kSignatureInTrailer) return Failure("trailer before the start of the file");
  const uint64_t trailer_at = *sig - kSignatureInTrailer;
  std::array<std::byte, kTrailerSize> trailer{};
  if (auto st = ReadExact(src, trailer_at, trailer); st != ReadStatus::Ok)
    return Failure(st, "trailer", trailer_at);
  ByteCursor tc(trailer);
  tc.Seek(kCountOffset);
  const uint32_t count = *tc.Le32();
  if (uint64_t{count} * kEntrySize > trailer_at) return Failure("directory larger than the file");
  const uint64_t dir_at = trailer_at - uint64_t{count} * kEntrySize;

  for (uint32_t i = 0; i < count; ++i) {
    if (walk.StopRequested()) return AbortedResult();
    const uint64_t at = dir_at + uint64_t{i} * kEntrySize;
    std::array<std::byte, kEntrySize> e{};
    if (auto st = ReadExact(src, at, e); st != ReadStatus::Ok) return Failure(st, "directory entry", at);
    ByteCursor c(e);
    ArchiveMember m;
    m.file_name = DwcMemberName(*c.Text(13));
    m.size = *c.Le32();
    const Stamp stamp = PacificStamp(*c.Le32());
    m.date = stamp.date;
    m.time = stamp.time;
    const uint32_t compressed = *c.Le32();
    const uint32_t data_at = *c.Le32();
    c.Skip(1);  // method
    const uint8_t comment_length = *c.U8();
    if (comment_length != 0) {
      const uint64_t comment_at = uint64_t{data_at} + compressed;
      std::vector<std::byte> raw;
      if (auto st = ReadBlock(src, comment_at, std::min<size_t>(comment_length, kMaxComment), raw);
          st != ReadStatus::Ok)
        return Failure(st, "member comment", comment_at);
      m.comment = ShortComment(AsText(raw));
    }
    walk.Offer(m);
  }
  return {};
}

}  // namespace tembrel::archives
