#include "app/include_exclude.h"

#include <gtest/gtest.h>

namespace tembrel {
namespace {

struct Case {
  std::vector<std::string> include, exclude;
  const char* folder;
  const char* name;
  bool taken;
};

SpecCopies Specs(const Case& c) {
  SpecCopies s;
  for (size_t i = 0; i < c.include.size(); ++i) s.include[i] = c.include[i];
  for (size_t i = 0; i < c.exclude.size(); ++i) s.exclude[i] = c.exclude[i];
  return s;
}

TEST(IncludeExcludeRule, TakesInWhatTheListsSay) {
  const Case cases[] = {
      {{}, {"*.TMP"}, "\\", "A.TXT", true},
      {{}, {"*.TMP"}, "\\X\\", "a.tmp", false},
      {{"*.DOC"}, {}, "\\", "README", false},
      {{"*.DOC"}, {}, "\\", "letter.doc", true},
      {{"\\DATA\\*"}, {}, "\\DATA\\", "F.TXT", true},
      {{"\\DATA\\*"}, {}, "\\DATA\\SUB\\", "F.TXT", true},
      {{"\\DATA\\*"}, {}, "\\OTHER\\", "F.TXT", false},
      {{"C:\\DATA\\*"}, {}, "\\DATA\\", "F.TXT", false},
      {{"["}, {}, "\\", "F.TXT", false},
      {{"[", "*.TXT"}, {}, "\\", "F.TXT", true},
      {{"*.TXT"}, {"\\TMP\\*"}, "\\TMP\\", "F.TXT", false},
      {{}, {}, "\\", "ANY", true},
  };
  for (const Case& c : cases) {
    IncludeExcludeRule rule(Specs(c));
    EXPECT_EQ(rule.TakesIn(c.folder, c.name), c.taken) << c.folder << c.name;
  }
}

TEST(SquelchRule, ByLabelSpecOrDriveFlag) {
  std::array<std::string, kSquelchSpecs> specs{};
  specs[3] = "BACKUP*";
  std::array<bool, kDrives> drives{};
  drives['E' - 'A'] = true;
  SquelchRule rule(specs, drives);
  EXPECT_TRUE(rule.Squelched("backup01", "C"));
  EXPECT_TRUE(rule.Squelched("DISK1", "E"));
  EXPECT_TRUE(rule.Squelched("DISK1", "*"));
  EXPECT_FALSE(rule.Squelched("DISK1", "C"));
  EXPECT_FALSE(rule.Squelched("DISK1", ""));
}

}  // namespace
}  // namespace tembrel
