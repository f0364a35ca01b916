#include "catalog/media/diz_text.h"

#include <gtest/gtest.h>

#include "support/zip_test_sink.h"

namespace tembrel::media {
namespace {

TEST(DizText, LinesAreJoinedFromTheFirstNonBlankOne) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string text;
  };
  for (const Case& c : std::vector<Case>{
           {"two blank lines before, one after", "\r\n\r\nFirst\r\nSecond\r\n\r\n", "First\r\nSecond\r\n"},
           {"first line kept untrimmed", "  \t\r\n  Indented  \r\nNext", "  Indented  \r\nNext"},
           {"blank lines inside kept", "A\r\n\r\n  \r\nB", "A\r\n\r\n  \r\nB"},
           {"Unix and old Mac line ends", "A\nB\rC\n", "A\r\nB\r\nC"},
           {"trailing Ctrl-Z dropped", "A\r\nB\r\n\x1a", "A\r\nB"},
           {"several trailing Ctrl-Z", "A\x1a\x1a", "A"},
           {"Ctrl-Z inside kept", "A\x1a" "B", "A\x1a" "B"},
           {"only blank lines", "\r\n   \r\n\t\r\n", ""},
           {"only Ctrl-Z", "\x1a", ""},
           {"empty", "", ""},
           {"code page 437", "\xc9\xcd\xbb Caf\x82", "\u2554\u2550\u2557 Caf\u00e9"},
           {"already UTF-8", "Caf\xc3\xa9", "Caf\u00e9"},
       })
    EXPECT_EQ(DizText(c.bytes), c.text) << c.what;
}

TEST(DizComment, ComesFromTheArchivesDescriptionFile) {
  using testing::FixtureBytes;
  using testing::MemoryContext;
  const std::string expected = "  Tembrel Test Disk v1.0\r\n  Second line\r\n";
  EXPECT_EQ(ReadDizComment(MemoryContext(FixtureBytes("comment_diz.zip"))), expected);
  EXPECT_EQ(ReadDizComment(MemoryContext(FixtureBytes("sfx_unadjusted.exe"), "SETUP.EXE")), expected);
  EXPECT_FALSE(ReadDizComment(MemoryContext(FixtureBytes("plain.zip"))));
  EXPECT_FALSE(ReadDizComment(MemoryContext(FixtureBytes("encrypted.zip"))));
  EXPECT_FALSE(ReadDizComment(MemoryContext(FixtureBytes("not_sfx.exe"), "SETUP.EXE")));
}

}  // namespace
}  // namespace tembrel::media
