#include "platform/text/utf8.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

namespace tembrel::text {

namespace {

// Decodes one code point at s[i], advancing i; nullopt-like U+FFFD on a bad sequence.
char32_t Next(std::string_view s, size_t& i) {
  auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char c = b(i);
  if (c < 0x80) {
    ++i;
    return c;
  }
  int len = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 0;
  if (len == 0 || i + len > s.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t cp = c & (0xFF >> (len + 1));
  for (int k = 1; k < len; ++k) {
    unsigned char cc = b(i + k);
    if ((cc & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (cc & 0x3F);
  }
  bool overlong = (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
  if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return 0xFFFD;
  }
  i += len;
  return cp;
}

locale_t Utf8Locale() {
  static locale_t loc = [] {
    locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    if (!l) l = newlocale(LC_CTYPE_MASK, "en_US.UTF-8", static_cast<locale_t>(0));
    return l;
  }();
  return loc;
}

}  // namespace

std::u32string Decode(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) out.push_back(Next(utf8, i));
  return out;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string Encode(std::u32string_view chars) {
  std::string out;
  out.reserve(chars.size());
  for (char32_t c : chars) AppendUtf8(out, c);
  return out;
}

size_t Length(std::string_view utf8) {
  size_t ascii = 0;  // most names are plain ASCII: one character per byte
  while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80) ++ascii;
  if (ascii == utf8.size()) return ascii;
  size_t n = 0;
  for (size_t i = 0; i < utf8.size();) {
    Next(utf8, i);
    ++n;
  }
  return n;
}

std::string Left(std::string_view utf8, size_t n) {
  size_t i = 0;
  for (size_t k = 0; k < n && i < utf8.size(); ++k) Next(utf8, i);
  return std::string(utf8.substr(0, i));
}

char32_t ToUpper(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
  locale_t loc = Utf8Locale();
  return loc ? static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), loc)) : c;
}

char32_t ToLower(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  locale_t loc = Utf8Locale();
  return loc ? static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), loc)) : c;
}

char32_t Fold(char32_t c) { return ToLower(ToUpper(c)); }

std::string ToUpper(std::string_view utf8) {
  // ASCII fast path keeps this cheap in per-entry work.
  bool ascii = true;
  for (char ch : utf8)
    if (static_cast<unsigned char>(ch) >= 0x80) {
      ascii = false;
      break;
    }
  if (ascii) {
    std::string out(utf8);
    for (char& ch : out)
      if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 32);
    return out;
  }
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) AppendUtf8(out, ToUpper(Next(utf8, i)));
  return out;
}

}  // namespace tembrel::text
