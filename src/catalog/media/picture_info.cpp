#include "catalog/media/picture_info.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "catalog/archives/byte_cursor.h"

namespace tembrel::media {
namespace {

using archives::ByteCursor;

uint8_t U8At(std::span<const std::byte> b, size_t at) { return static_cast<uint8_t>(b[at]); }
uint16_t Le16At(std::span<const std::byte> b, size_t at) {
  ByteCursor c(b);
  c.Seek(at);
  return c.Le16().value_or(0);
}
uint32_t Le32At(std::span<const std::byte> b, size_t at) {
  ByteCursor c(b);
  c.Seek(at);
  return c.Le32().value_or(0);
}

// 2 to the power `bits`, in decimal; null above 63 bits.
std::optional<std::string> Colours(unsigned bits) {
  if (bits > 63) return std::nullopt;
  return std::to_string(uint64_t{1} << bits);
}

std::optional<std::string> Describe(const char* prefix, long long width, long long height, unsigned bits) {
  auto colours = Colours(bits);
  if (!colours) return std::nullopt;
  return std::string(prefix) + std::to_string(width) + "x" + std::to_string(height) + "x" + *colours;
}

bool StartsWith(std::span<const std::byte> b, const char* text) {
  size_t n = std::strlen(text);
  return b.size() >= n && std::memcmp(b.data(), text, n) == 0;
}

}  // namespace

// GIF: "GIF87a"/"GIF89a", width and height at 6 and 8, global colour table size in the low
// three bits of byte 10 (2 to the power of one more than that).
std::optional<std::string> DescribeGif(std::span<const std::byte> h) {
  if (h.size() < kGifHeaderBytes) return std::nullopt;
  if (!StartsWith(h, "GIF87a") && !StartsWith(h, "GIF89a")) return std::nullopt;
  return Describe("GIF Image: ", Le16At(h, 6), Le16At(h, 8), 1 + (U8At(h, 10) & 7));
}

// Targa: image type at 2, width and height at 12 and 14, bits per pixel at 16.
std::optional<std::string> DescribeTga(std::span<const std::byte> h) {
  if (h.size() < kTgaHeaderBytes) return std::nullopt;
  static constexpr std::array<uint8_t, 7> kTypes = {1, 2, 3, 9, 10, 11, 32};
  uint8_t type = U8At(h, 2), depth = U8At(h, 16);
  if (std::find(kTypes.begin(), kTypes.end(), type) == kTypes.end()) return std::nullopt;
  if (depth != 16 && depth != 24 && depth != 32) return std::nullopt;
  return Describe("Targa Image: ", Le16At(h, 12), Le16At(h, 14), depth);
}

// PCX: maker byte 10, bits per plane at 3, window Xmin Ymin Xmax Ymax at 4..11, planes at 65.
std::optional<std::string> DescribePcx(std::span<const std::byte> h) {
  if (h.size() < kPcxHeaderBytes || U8At(h, 0) != 10) return std::nullopt;
  long long width = static_cast<long long>(Le16At(h, 8)) - Le16At(h, 4) + 1;
  long long height = static_cast<long long>(Le16At(h, 10)) - Le16At(h, 6) + 1;
  return Describe("PCX Image: ", width, height, static_cast<unsigned>(U8At(h, 3)) * U8At(h, 65));
}

// Bitmap: "BM", signed width and height at 18 and 22 (a negative height is a top-down
// picture and is shown as stored), bits per pixel at 28.
std::optional<std::string> DescribeBmp(std::span<const std::byte> h) {
  if (h.size() < kBmpHeaderBytes || !StartsWith(h, "BM")) return std::nullopt;
  auto width = static_cast<int32_t>(Le32At(h, 18));
  auto height = static_cast<int32_t>(Le32At(h, 22));
  return Describe("Bitmap Image: ", width, height, Le16At(h, 28));
}

namespace {

// Reads a file forwards through a small buffer, for the marker walk.
class ForwardReader {
 public:
  explicit ForwardReader(archives::ArchiveSource& file) : file_(file) {}

  std::optional<uint8_t> Byte() {
    if (at_ >= start_ + len_ && !Fill()) return std::nullopt;
    return buf_[at_++ - start_];
  }
  std::optional<uint16_t> Be16() {
    auto hi = Byte();
    if (!hi) return std::nullopt;
    auto lo = Byte();
    if (!lo) return std::nullopt;
    return static_cast<uint16_t>((*hi << 8) | *lo);
  }
  void Skip(uint64_t n) { at_ += n; }
  uint64_t Offset() const { return at_; }

 private:
  bool Fill() {
    if (at_ >= file_.Size()) return false;
    start_ = at_;
    int64_t n = file_.ReadAt(at_, std::as_writable_bytes(std::span(buf_)));
    if (n <= 0) {
      len_ = 0;
      return false;
    }
    len_ = static_cast<size_t>(n);
    return true;
  }

  archives::ArchiveSource& file_;
  std::array<uint8_t, 4096> buf_{};
  uint64_t start_ = 0;
  size_t len_ = 0;
  uint64_t at_ = 0;
};

constexpr uint8_t kSoi = 0xD8, kEoi = 0xD9, kSos = 0xDA, kTem = 0x01;
constexpr uint64_t kMaxStrayBytes = 1 << 20;  // junk between segments a decoder would skip

bool IsFrameMarker(uint8_t m) {
  return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

}  // namespace

std::optional<std::string> DescribeJpeg(archives::ArchiveSource& file) {
  ForwardReader in(file);
  if (in.Byte() != 0xFF || in.Byte() != kSoi) return std::nullopt;
  std::optional<std::pair<uint16_t, uint16_t>> frame;  // width, height
  uint64_t stray = 0;
  for (;;) {
    auto b = in.Byte();
    if (!b) return std::nullopt;
    if (*b != 0xFF) {
      if (++stray > kMaxStrayBytes) return std::nullopt;
      continue;
    }
    uint8_t marker;
    do {  // any number of fill bytes may precede a marker
      auto m = in.Byte();
      if (!m) return std::nullopt;
      marker = *m;
    } while (marker == 0xFF);
    if (marker == 0x00 || marker == kTem || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
    if (marker == kSoi || marker == kEoi) return std::nullopt;
    auto length = in.Be16();
    if (!length || *length < 2) return std::nullopt;
    if (marker == kSos) {
      if (!frame) return std::nullopt;
      return "Jpeg Image: " + std::to_string(frame->first) + "x" + std::to_string(frame->second);
    }
    if (IsFrameMarker(marker)) {
      if (frame || *length < 8) return std::nullopt;
      auto precision = in.Byte();
      auto height = in.Be16();
      auto width = in.Be16();
      auto components = in.Byte();
      if (!precision || !height || !width || !components) return std::nullopt;
      if (*width == 0 || *height == 0 || *components == 0 || *length != 8 + 3 * *components) return std::nullopt;
      frame = std::make_pair(*width, *height);
      in.Skip(*length - 8);
      continue;
    }
    in.Skip(*length - 2);
  }
}

}  // namespace tembrel::media
