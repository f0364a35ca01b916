#include "catalog/archives/archive_text.h"

#include <gtest/gtest.h>

namespace tembrel::archives {
namespace {

TEST(ArchiveText, Cp437HighHalfAndNul) {
  EXPECT_EQ(DecodeCp437("\x81\xE1\x9B"), "\xC3\xBC\xC3\x9F\xC2\xA2");  // ü ß ¢
  EXPECT_EQ(DecodeCp437(std::string("A\0B", 3)), "AB");
  EXPECT_EQ(DecodeCp437("\xB0\xFF"), "\xE2\x96\x91\xC2\xA0");  // ░ and no-break space
}

TEST(ArchiveText, Utf8IsTakenOnlyWhenAllowedAndValid) {
  EXPECT_EQ(DecodeName("gr\xC3\xBC\xC3\x9F" "e", true), "gr\xC3\xBC\xC3\x9F" "e");
  EXPECT_EQ(DecodeName("gr\xC3\xBC", false), "gr\xE2\x94\x9C\xE2\x95\x9D");  // ├╝
  EXPECT_EQ(DecodeName("\x81", true), "\xC3\xBC");  // not UTF-8: code page 437
  EXPECT_FALSE(IsValidUtf8("\xC0\x80"));            // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));        // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE2\x82"));            // cut short
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
}

TEST(ArchiveText, ShapingHelpers) {
  EXPECT_EQ(UpperAscii("readme.txt \x82"), "README.TXT \x82");
  EXPECT_EQ(UpToNul(std::string_view("ABC\0DEF", 7)), "ABC");
  EXPECT_EQ(UpToNul("NONUL"), "NONUL");
  EXPECT_EQ(CutChars("\xC3\xBC\xC3\xBC\xC3\xBC", 2), "\xC3\xBC\xC3\xBC");
  EXPECT_EQ(CutChars("ab", 5), "ab");
  EXPECT_EQ(WithDot("README"), "README.");
  EXPECT_EQ(WithDot("A.B"), "A.B");
  EXPECT_TRUE(MatchesStarDotStar("."));
  EXPECT_FALSE(MatchesStarDotStar("ABCDEFGHIJKL"));
  EXPECT_EQ(AfterLastOf("a\\b/c", "\\/"), "c");
  EXPECT_EQ(AfterLastOf("abc", "\\/"), "abc");
}

}  // namespace
}  // namespace tembrel::archives
