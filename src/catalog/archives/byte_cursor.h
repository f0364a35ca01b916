#pragma once
// Bounded little-endian reads over untrusted bytes: every read checks first and fails
// (returns false / nullopt) instead of reading past the end.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tembrel::archives {

class ByteCursor {
 public:
  explicit ByteCursor(std::span<const std::byte> bytes) : bytes_(bytes) {}

  size_t Offset() const { return pos_; }
  size_t Size() const { return bytes_.size(); }
  size_t Remaining() const { return bytes_.size() - pos_; }
  bool Need(size_t n) const { return n <= Remaining(); }
  bool AtEnd() const { return pos_ >= bytes_.size(); }

  bool Seek(size_t offset) {
    if (offset > bytes_.size()) return false;
    pos_ = offset;
    return true;
  }
  bool Skip(size_t n) {
    if (!Need(n)) return false;
    pos_ += n;
    return true;
  }

  std::optional<uint8_t> U8() {
    if (!Need(1)) return std::nullopt;
    return static_cast<uint8_t>(bytes_[pos_++]);
  }
  std::optional<uint16_t> Le16() {
    if (!Need(2)) return std::nullopt;
    uint16_t v = static_cast<uint16_t>(At(0) | (At(1) << 8));
    pos_ += 2;
    return v;
  }
  std::optional<uint32_t> Le32() {
    if (!Need(4)) return std::nullopt;
    uint32_t v = static_cast<uint32_t>(At(0)) | (static_cast<uint32_t>(At(1)) << 8) |
                 (static_cast<uint32_t>(At(2)) << 16) | (static_cast<uint32_t>(At(3)) << 24);
    pos_ += 4;
    return v;
  }
  std::optional<uint64_t> Le64() {
    auto lo = Le32();
    if (!lo) return std::nullopt;
    auto hi = Le32();
    if (!hi) return std::nullopt;
    return static_cast<uint64_t>(*lo) | (static_cast<uint64_t>(*hi) << 32);
  }
  std::optional<std::span<const std::byte>> Bytes(size_t n) {
    if (!Need(n)) return std::nullopt;
    auto s = bytes_.subspan(pos_, n);
    pos_ += n;
    return s;
  }
  // Raw bytes as a std::string (no decoding).
  std::optional<std::string> Text(size_t n) {
    auto b = Bytes(n);
    if (!b) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(b->data()), b->size());
  }

 private:
  uint32_t At(size_t i) const { return static_cast<uint8_t>(bytes_[pos_ + i]); }

  std::span<const std::byte> bytes_;
  size_t pos_ = 0;
};

}  // namespace tembrel::archives
