#include "catalog/media/comment_choice.h"

#include <gtest/gtest.h>

namespace tembrel::media {
namespace {

constexpr int kArj = 2, kLzh = 7, kZip = 12, kGif = 14, kMp3 = 20, kPlain = 0;
using Opt = std::optional<std::string>;

struct Case {
  const char* what;
  const char* options;  // letters: G GetMainComment, C CopyMainComment, U UseDIZ, O DIZOverride, S DoSFXArchives
  CommentEntry entry;
  // What each source would give (reader always gives `reader`); "#" marks a source that fails.
  const char* reader;
  const char* main;
  const char* sfx;
  const char* diz;
  const char* media;
  // Expected outcome and the sources that were asked, as letters R M S D P in asking order.
  const char* comment;
  bool add;
  bool copy;
  const char* asked;
};

CommentEntry Entry(int kind, bool expanded = false, bool in_start = true, bool passes = true, bool exe = false) {
  return CommentEntry{kind, exe, in_start, expanded, passes};
}
CommentEntry Exe(bool in_start = true) { return Entry(kPlain, false, in_start, true, true); }

const std::vector<Case> kCases = {
    // An expanded archive: its reader's main comment.
    {"zip expanded", "", Entry(kZip, true), "main", "", "", "diz", "", "main", true, false, "R"},
    {"zip expanded, copied", "C", Entry(kZip, true), "main", "", "", "", "", "main", true, true, "R"},
    {"arj expanded, copied", "C", Entry(kArj, true), "main", "", "", "", "", "main", true, true, "R"},
    {"empty comment is not copied", "C", Entry(kZip, true), "", "", "", "", "", "", true, false, "R"},
    // FILE_ID.DIZ: only when the comment is empty, unless it overrides.
    {"diz fills an empty comment", "U", Entry(kZip, true), "", "", "", "diz", "", "diz", true, false, "RD"},
    {"diz leaves a comment", "U", Entry(kZip, true), "main", "", "", "diz", "", "main", true, false, "R"},
    {"diz overrides", "O", Entry(kZip, true), "main", "", "", "diz", "", "diz", true, false, "RD"},
    {"diz overrides, copied", "OC", Entry(kZip, true), "main", "", "", "diz", "", "diz", true, true, "RD"},
    {"an empty diz still replaces", "O", Entry(kZip, true), "main", "", "", "", "", "", true, false, "RD"},
    {"no diz keeps the comment", "O", Entry(kZip, true), "main", "", "", "#", "", "main", true, false, "RD"},
    {"diz only for zip", "UO", Entry(kArj, true), "", "", "", "diz", "", "", true, false, "R"},
    // Not expanded: the main comment only with GetMainComment, for ARJ and ZIP, in the start folder.
    {"zip main comment", "G", Entry(kZip), "", "M", "", "", "", "M", true, false, "M"},
    {"arj main comment", "G", Entry(kArj), "", "M", "", "", "", "M", true, false, "M"},
    {"no GetMainComment", "", Entry(kZip), "", "M", "", "", "", "", true, false, ""},
    {"main comment fails", "GU", Entry(kZip), "", "#", "", "diz", "", "diz", true, false, "MD"},
    {"lzh has no main comment", "G", Entry(kLzh), "", "M", "", "", "", "", true, false, ""},
    {"outside the start folder", "GCUO", Entry(kZip, false, false), "", "M", "", "diz", "", "", false, false, ""},
    {"expanded outside the start folder", "CO", Entry(kZip, true, false), "main", "", "", "diz", "", "main", false,
     false, "R"},
    // Members get the comment even when the archive itself fails the specs.
    {"archive fails the specs", "C", Entry(kZip, true, true, false), "main", "", "", "", "", "main", false, true, "R"},
    // Self-extracting programs.
    {"sfx comment", "SC", Exe(), "", "", "S", "", "", "S", true, true, "S"},
    {"sfx then diz when empty", "SU", Exe(), "", "", "#", "diz", "", "diz", true, false, "SD"},
    {"sfx comment beats diz", "SU", Exe(), "", "", "S", "diz", "", "S", true, false, "S"},
    {"sfx overridden by diz", "SO", Exe(), "", "", "S", "diz", "", "diz", true, false, "SD"},
    {"no DoSFXArchives", "UOG", Exe(), "", "", "S", "diz", "", "", true, false, ""},
    {"sfx outside the start folder", "SO", Exe(false), "", "", "S", "diz", "", "S", false, false, "S"},
    // Media files: their description, never copied; not read when they fail the specs.
    {"gif", "C", Entry(kGif), "", "", "", "", "GIF Image: 1x1x2", "GIF Image: 1x1x2", true, false, "P"},
    {"mp3 without tag", "C", Entry(kMp3), "", "", "", "", "#", "", true, false, "P"},
    {"media fails the specs", "C", Entry(kGif, false, true, false), "", "", "", "", "x", "", false, false, ""},
    {"plain file", "GCUOS", Entry(kPlain), "", "", "", "", "", "", true, false, ""},
};

TEST(ChooseEntryComment, OneTableOfOptionsAndSources) {
  for (const Case& c : kCases) {
    CommentOptions o;
    std::string letters = c.options;
    o.get_main_comment = letters.find('G') != std::string::npos;
    o.copy_main_comment = letters.find('C') != std::string::npos;
    o.use_diz = letters.find('U') != std::string::npos;
    o.diz_override = letters.find('O') != std::string::npos;
    o.do_sfx_archives = letters.find('S') != std::string::npos;
    std::string asked;
    auto source = [&](char letter, const char* value) {
      return [&asked, letter, value]() -> Opt {
        asked += letter;
        if (std::string(value) == "#") return std::nullopt;
        return std::string(value);
      };
    };
    CommentSources s;
    s.reader = [&] {
      asked += 'R';
      return std::string(c.reader);
    };
    s.main_comment = source('M', c.main);
    s.self_extracting = source('S', c.sfx);
    s.diz = source('D', c.diz);
    s.media = source('P', c.media);
    CommentOutcome out = ChooseEntryComment(o, c.entry, s);
    EXPECT_EQ(out.comment, c.comment) << c.what;
    EXPECT_EQ(out.add_entry, c.add) << c.what;
    EXPECT_EQ(out.copy_to_members, c.copy) << c.what;
    EXPECT_EQ(asked, c.asked) << c.what;
  }
}

}  // namespace
}  // namespace tembrel::media
