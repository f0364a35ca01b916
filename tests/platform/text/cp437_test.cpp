#include "platform/text/cp437.h"

#include <gtest/gtest.h>

namespace tembrel::text {
namespace {

TEST(Cp437, HighHalfBecomesUnicodeAndAsciiStays) {
  EXPECT_EQ(Cp437ToUtf8("Plain\r\n\t"), "Plain\r\n\t");
  EXPECT_EQ(Cp437ToUtf8("\x80\x82\x9e\x9f\xb0\xc9\xdb\xe0\xe1\xfa\xfe\xff"),
            "\u00c7\u00e9\u20a7\u0192\u2591\u2554\u2588\u03b1\u00df\u00b7\u25a0\u00a0");
  EXPECT_TRUE(IsValidUtf8(Cp437ToUtf8(std::string("\x80\xff", 2))));
}

TEST(Utf8, StrictCheck) {
  for (const char* good : {"", "abc", "\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80", "\xf4\x8f\xbf\xbf"})
    EXPECT_TRUE(IsValidUtf8(good)) << good;
  for (const char* bad : {"\x82", "\xc3", "\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                          "\xf5\x80\x80\x80", "\xc3\x28"})
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  EXPECT_EQ(DosTextToUtf8("Caf\xc3\xa9"), "Caf\u00e9");
  EXPECT_EQ(DosTextToUtf8("Caf\x82"), "Caf\u00e9");
}

}  // namespace
}  // namespace tembrel::text
