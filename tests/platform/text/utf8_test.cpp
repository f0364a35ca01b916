#include "platform/text/utf8.h"

#include <gtest/gtest.h>

namespace tembrel::text {
namespace {

TEST(Utf8, LengthCountsCharactersNotBytes) {
  struct Case {
    const char* text;
    size_t length;
  } cases[] = {
      {"", 0},
      {"README.TXT", 10},
      {"caf\xC3\xA9", 4},                  // ASCII first, then a two-byte character
      {"\xC3\xA9t\xC3\xA9", 3},            // starts outside ASCII
      {"\xE2\x82\xAC 5", 3},               // a three-byte euro sign
      {"\xF0\x9F\x93\x80.MP3", 5},         // four bytes
  };
  for (const Case& c : cases) EXPECT_EQ(Length(c.text), c.length) << c.text;
  EXPECT_EQ(Length(Left("caf\xC3\xA9s", 4)), 4u);
}

}  // namespace
}  // namespace tembrel::text
