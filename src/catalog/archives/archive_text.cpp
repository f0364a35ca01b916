#include "catalog/archives/archive_text.h"

#include <cstdint>

#include "platform/text/cp437.h"

namespace tembrel::archives {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

std::string DecodeCp437(std::string_view raw) {
  std::string without_nul;
  without_nul.reserve(raw.size());
  for (char c : raw)
    if (c != '\0') without_nul.push_back(c);
  return text::Cp437ToUtf8(without_nul);
}


std::string DecodeName(std::string_view raw, bool may_be_utf8) {
  if (may_be_utf8 && IsValidUtf8(raw)) {
    std::string out;
    out.reserve(raw.size());
    for (char c : raw)
      if (c != '\0') out += c;
    return out;
  }
  return DecodeCp437(raw);
}

std::string UpperAscii(std::string_view raw) {
  std::string out(raw);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string_view UpToNul(std::string_view raw) {
  const size_t nul = raw.find('\0');
  return nul == std::string_view::npos ? raw : raw.substr(0, nul);
}

std::string CutChars(std::string_view utf8, size_t n) {
  size_t i = 0, count = 0;
  while (i < utf8.size() && count < n) {
    ++i;
    while (i < utf8.size() && IsContinuation(static_cast<unsigned char>(utf8[i]))) ++i;
    ++count;
  }
  return std::string(utf8.substr(0, i));
}

std::string_view AfterLastOf(std::string_view text, std::string_view separators) {
  const size_t pos = text.find_last_of(separators);
  return pos == std::string_view::npos ? text : text.substr(pos + 1);
}

}  // namespace tembrel::archives
