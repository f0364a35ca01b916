#pragma once
// Code page 437, the character set of DOS-era archives and description files, and the
// UTF-8 check that decides whether a text needs decoding at all.
#include <string>
#include <string_view>

#include "platform/text/cp1252.h"  // IsValidUtf8
#include "platform/text/utf8.h"    // AppendUtf8

namespace tembrel::text {

// Every byte below 128 stays as it is (control characters included, so line breaks survive);
// every byte from 128 up becomes its code page 437 character in UTF-8.
std::string Cp437ToUtf8(std::string_view bytes);


// For texts that carry no mark of their encoding (archive comments, FILE_ID.DIZ): a text
// that is already valid UTF-8 is kept, anything else is read as code page 437. Code page
// 437 text with letters above 127 is almost never valid UTF-8, so the guess is safe.
std::string DosTextToUtf8(std::string_view bytes);


}  // namespace tembrel::text
