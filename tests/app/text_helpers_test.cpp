#include "app/text_helpers.h"

#include <gtest/gtest.h>

namespace tembrel {
namespace {

TEST(TextHelpers, PaddingAndCutting) {
  EXPECT_EQ(PadRight("ABCDEFGHIJKL", 8), "ABCDEFGH");
  EXPECT_EQ(PadRight("ab", 5), "ab   ");
  EXPECT_EQ(PadLeft("ab", 5), "   ab");
  EXPECT_EQ(PadLeft("ABCDEFGHIJKL", 8), "ABCDEFGH");
  EXPECT_EQ(Centre("ab", 5), " ab  ");
  EXPECT_EQ(Centre("abcdef", 3), "abc");
  // Widths count characters, not bytes.
  EXPECT_EQ(PadRight("é", 3), "é  ");
  EXPECT_EQ(PadRight("ééé", 2), "éé");
}

TEST(TextHelpers, TrimsAndTransforms) {
  EXPECT_EQ(TrimTrailing(std::string("abc  \0\xFF", 7)), "abc");
  EXPECT_EQ(TrimTrailing("abcÿ"), "abc");
  EXPECT_EQ(TrimTrailing("  a b  "), "  a b");
  EXPECT_EQ(BlanksToZeros("  12 3"), "001203");
  std::string up = "straße é";
  UpperCaseInPlace(up);
  EXPECT_EQ(up, "STRAßE É");
  EXPECT_EQ(Trim("  x y  "), "x y");
  EXPECT_EQ(TrimCut("  abcdef  ", 3), "abc");
}

TEST(TextHelpers, QuotesAndDates) {
  EXPECT_EQ(QuoteForSql("it's"), "it's");
  EXPECT_EQ(QuoteForSql("a\"b"), "a\"\"b");
  EXPECT_EQ(DateToYmd(Date{2003, 7, 4}), "2003-7-4");
}

TEST(TextHelpers, FormatsCountsWithThousandsSeparators) {
  EXPECT_EQ(FormatCount(0), "0");
  EXPECT_EQ(FormatCount(999), "999");
  EXPECT_EQ(FormatCount(1000), "1,000");
  EXPECT_EQ(FormatCount(1234567), "1,234,567");
  EXPECT_EQ(FormatCount(-1234), "-1,234");
}

}  // namespace
}  // namespace tembrel
