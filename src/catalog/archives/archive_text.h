#pragma once
// Text helpers for names and comments read from old archive headers. Names are shaped on the
// raw header bytes (one byte, one character, as DOS saw them) and only then decoded to UTF-8.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text/cp1252.h"

namespace tembrel::archives {

using text::IsValidUtf8;

// Code page 437 to UTF-8; NUL bytes are dropped (no stored name or comment can hold one).
std::string DecodeCp437(std::string_view raw);
// Archives made on Unix usually hold UTF-8 names; everything else is code page 437.
std::string DecodeName(std::string_view raw, bool may_be_utf8);

// ASCII letters only, as DOS upper-cased names.
std::string UpperAscii(std::string_view raw);
// Up to the first NUL (the whole text when there is none).
std::string_view UpToNul(std::string_view raw);
// At most n code points of a UTF-8 text.
std::string CutChars(std::string_view utf8, size_t n);
// The file mask "*.*": any text that holds a dot.
inline bool MatchesStarDotStar(std::string_view name) { return name.find('.') != std::string_view::npos; }
// The name itself with "." appended when it holds no dot.
inline std::string WithDot(std::string_view name) {
  std::string out(name);
  if (!MatchesStarDotStar(out)) out += '.';
  return out;
}
// Everything after the last of the given separator characters.
std::string_view AfterLastOf(std::string_view text, std::string_view separators);

}  // namespace tembrel::archives
