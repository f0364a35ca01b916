#include "platform/text/cp1252.h"

#include <array>
#include <cstdint>

namespace tembrel::text {
namespace {

// Code points of the bytes 0x80-0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Reads one code point at `pos`; false on a malformed sequence.
bool NextCodePoint(std::string_view s, size_t& pos, char32_t& out) {
  const auto b0 = static_cast<uint8_t>(s[pos]);
  if (b0 < 0x80) {
    out = b0;
    ++pos;
    return true;
  }
  size_t len = 0;
  char32_t c = 0;
  char32_t min = 0;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2; c = b0 & 0x1F; min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3; c = b0 & 0x0F; min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4; c = b0 & 0x07; min = 0x10000;
  } else {
    return false;
  }
  if (s.size() - pos < len) return false;
  for (size_t i = 1; i < len; ++i) {
    const auto b = static_cast<uint8_t>(s[pos + i]);
    if ((b & 0xC0) != 0x80) return false;
    c = (c << 6) | (b & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
  out = c;
  pos += len;
  return true;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  size_t pos = 0;
  char32_t c = 0;
  while (pos < bytes.size())
    if (!NextCodePoint(bytes, pos, c)) return false;
  return true;
}

std::string DecodeCp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char ch : bytes) {
    const auto b = static_cast<uint8_t>(ch);
    AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char32_t{b});
  }
  return out;
}

std::optional<std::string> EncodeCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t c = 0;
    if (!NextCodePoint(utf8, pos, c)) return std::nullopt;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    size_t i = 0;
    while (i < kHigh.size() && kHigh[i] != c) ++i;
    if (i == kHigh.size()) return std::nullopt;
    out.push_back(static_cast<char>(0x80 + i));
  }
  return out;
}

std::string DecodeFileName(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return DecodeCp1252(bytes);
}

}  // namespace tembrel::text
