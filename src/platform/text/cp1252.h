#pragma once
// Windows-1252 <-> UTF-8, for file names that are not valid UTF-8: such a name is decoded
// byte for byte so it can still be cataloged and shown, and encoded back to find the file again.
#include <optional>
#include <string>
#include <string_view>

namespace tembrel::text {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Every byte maps to one character; the five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so the
// decoding is reversible.
std::string DecodeCp1252(std::string_view bytes);

// The inverse of DecodeCp1252; nullopt when the text holds a character outside Windows-1252
// or is not valid UTF-8.
std::optional<std::string> EncodeCp1252(std::string_view utf8);

// A name as the file system stores it, as program text: valid UTF-8 kept, anything else
// decoded as Windows-1252.
std::string DecodeFileName(std::string_view bytes);

}  // namespace tembrel::text
