#pragma once
// UTF-8 helpers: field widths count characters, not bytes.
#include <cstddef>
#include <string>
#include <string_view>

namespace tembrel::text {

// Decodes UTF-8; an invalid byte becomes U+FFFD and decoding goes on.
std::u32string Decode(std::string_view utf8);
std::string Encode(std::u32string_view chars);
void AppendUtf8(std::string& out, char32_t c);

// Number of characters (code points).
size_t Length(std::string_view utf8);
// The first n characters.
std::string Left(std::string_view utf8, size_t n);

// Letter case beyond ASCII ("é" <-> "É"), by the C.UTF-8 locale's tables.
char32_t ToUpper(char32_t c);
char32_t ToLower(char32_t c);
std::string ToUpper(std::string_view utf8);
// Case-insensitive form for comparisons.
char32_t Fold(char32_t c);

}  // namespace tembrel::text
