#include "app/file_mask.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace tembrel {
namespace {

struct MaskCase {
  const char* mask;
  const char* text;
  bool match;
};

class FileMaskCases : public ::testing::TestWithParam<MaskCase> {};

TEST_P(FileMaskCases, MatchesAsTheRuleSays) {
  const MaskCase& c = GetParam();
  EXPECT_EQ(MatchesMask(c.mask, c.text), c.match) << "mask " << c.mask << " text " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    All, FileMaskCases,
    ::testing::Values(
        // stars and question marks
        MaskCase{"*", "", true}, MaskCase{"*", "ANYTHING.TXT", true}, MaskCase{"*.*", "README", false},
        MaskCase{"*.*", "README.", true}, MaskCase{"*.*", "A.B.C", true}, MaskCase{"*.TMP", "x.tmp", true},
        MaskCase{"*.TMP", "x.tmpl", false}, MaskCase{"?", "", false}, MaskCase{"?", "ab", false},
        MaskCase{"a?c", "ABC", true}, MaskCase{"**a", "a", true}, MaskCase{"*a*b", "xaxxb", true},
        MaskCase{"*a*b", "xaxxbx", false}, MaskCase{"DOC", "doc", true}, MaskCase{"DOC", "DOCS", false},
        // sets, ranges, negated sets
        MaskCase{"[abc].txt", "B.TXT", true}, MaskCase{"[abc].txt", "d.txt", false},
        MaskCase{"file[0-9]", "FILE7", true}, MaskCase{"file[0-9]", "FILEx", false},
        MaskCase{"[a-f]*", "Cat", true}, MaskCase{"[A-F]*", "cat", true}, MaskCase{"[!a-f]*", "Cat", false},
        MaskCase{"[!a-f]*", "zed", true}, MaskCase{"[]]", "]", true}, MaskCase{"[a-]", "-", true},
        // invalid masks match nothing
        MaskCase{"[", "[", false}, MaskCase{"[abc", "a", false}, MaskCase{"x[", "x", false},
        // folder paths with separators
        MaskCase{"\\DATA\\*", "\\DATA\\FILE.TXT", true}, MaskCase{"\\DATA\\*", "\\OTHER\\FILE.TXT", false},
        MaskCase{"C:\\DATA\\*", "\\DATA\\FILE.TXT", false},
        // case beyond ASCII
        MaskCase{"é*", "École", true}, MaskCase{"*É", "café", true}, MaskCase{"straße", "STRASSE", false},
        MaskCase{"?", "é", true}));

TEST(FileMask, PathologicalPatternsFinishQuickly) {
  // Exponential backtracking would take ages here; the matcher must not.
  std::string name(5000, 'a');
  std::string mask;
  for (int i = 0; i < 40; ++i) mask += "*a";
  mask += "*b";
  EXPECT_FALSE(MatchesMask(mask, name));
  EXPECT_TRUE(MatchesMask(mask, name + "b"));
  EXPECT_FALSE(MatchesMask("*a*a*a*a*a*a*a*a*a*a*a*a*b", std::string(100000, 'a')));
}

}  // namespace
}  // namespace tembrel
