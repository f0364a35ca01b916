#include "catalog/media/media_info.h"

#include <vector>

#include "catalog/media/id3v1.h"
#include "catalog/media/picture_info.h"

namespace tembrel::media {
namespace {

// Exactly `count` bytes at `offset`, or nothing.
std::optional<std::vector<std::byte>> ReadExactly(archives::ArchiveSource& file, uint64_t offset, size_t count) {
  std::vector<std::byte> bytes(count);
  if (file.ReadAt(offset, bytes) != static_cast<int64_t>(count)) return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<std::string> ExtractMediaInfo(MediaKind kind, archives::ArchiveSource& file) {
  using Describer = std::optional<std::string> (*)(std::span<const std::byte>);
  Describer describe = nullptr;
  size_t count = 0;
  switch (kind) {
    case MediaKind::Gif: describe = DescribeGif; count = kGifHeaderBytes; break;
    case MediaKind::Tga: describe = DescribeTga; count = kTgaHeaderBytes; break;
    case MediaKind::Pcx: describe = DescribePcx; count = kPcxHeaderBytes; break;
    case MediaKind::Bmp: describe = DescribeBmp; count = kBmpHeaderBytes; break;
    case MediaKind::Jpg:
    case MediaKind::Jpeg: return DescribeJpeg(file);
    case MediaKind::Mp3: {
      if (file.Size() < kId3v1TagBytes) return std::nullopt;
      auto tag = ReadExactly(file, file.Size() - kId3v1TagBytes, kId3v1TagBytes);
      if (!tag) return std::nullopt;
      return DescribeId3v1(*tag);
    }
  }
  if (!describe) return std::nullopt;
  auto header = ReadExactly(file, 0, count);
  if (!header) return std::nullopt;
  return describe(*header);
}

}  // namespace tembrel::media
