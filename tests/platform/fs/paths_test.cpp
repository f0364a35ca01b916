#include "platform/fs/paths.h"

#include <gtest/gtest.h>

namespace tembrel::fs {
namespace {

TEST(StoredPaths, NormalizeTable) {
  struct Case {
    const char* typed;
    const char* stored;  // nullptr: refused
  };
  const Case cases[] = {
      {"\\", "\\"},
      {"", "\\"},
      {"/", "\\"},
      {"\\GAMES\\DOOM", "\\GAMES\\DOOM"},
      {"\\GAMES\\DOOM\\", "\\GAMES\\DOOM"},
      {"/games/doom/", "\\games\\doom"},
      {"GAMES/DOOM", "\\GAMES\\DOOM"},
      {"\\\\GAMES//DOOM", "\\GAMES\\DOOM"},
      {"\\GAMES\\..\\ETC", nullptr},
      {"..", nullptr},
      {"\\.\\GAMES", nullptr},
      {"\\GAMES\\...", "\\GAMES\\..."},  // an ordinary name
      {"\\A B\\c.d", "\\A B\\c.d"},
  };
  for (const auto& c : cases) {
    auto got = NormalizeStoredPath(c.typed);
    if (c.stored == nullptr)
      EXPECT_FALSE(got) << c.typed;
    else
      EXPECT_EQ(got, std::optional<std::string>(c.stored)) << c.typed;
  }
}

TEST(StoredPaths, RealPathsBelowARoot) {
  EXPECT_EQ(ToRealPath("/media/stick", "\\"), "/media/stick");
  EXPECT_EQ(ToRealPath("/media/stick/", "\\GAMES\\DOOM"), "/media/stick/GAMES/DOOM");
  EXPECT_EQ(ToRealPath("/", "\\home\\u"), "/home/u");
  EXPECT_EQ(ToRealPath("/", "\\"), "/");
  EXPECT_FALSE(ToRealPath("/media/stick", "\\..\\..\\etc\\passwd"));

  EXPECT_EQ(ToStoredPath("/media/stick", "/media/stick"), "\\");
  EXPECT_EQ(ToStoredPath("/media/stick/", "/media/stick/GAMES/DOOM/"), "\\GAMES\\DOOM");
  EXPECT_EQ(ToStoredPath("/", "/home/u"), "\\home\\u");
  EXPECT_FALSE(ToStoredPath("/media/stick", "/media/sticky/GAMES"));
  EXPECT_FALSE(ToStoredPath("/media/stick", "/media"));
  EXPECT_FALSE(ToStoredPath("/media/stick", "/media/stick/../other"));
}

TEST(StoredPaths, ChildPaths) {
  EXPECT_EQ(ChildStoredPath("\\", "A.TXT"), "\\A.TXT");
  EXPECT_EQ(ChildStoredPath("\\GAMES", "A.TXT"), "\\GAMES\\A.TXT");
  EXPECT_EQ(ChildStoredPath("\\GAMES\\", "A.TXT"), "\\GAMES\\A.TXT");
}

TEST(StoredPaths, TypedDrivePaths) {
  auto p = ParseDrivePath("d:/restore/");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->letter, 'D');
  EXPECT_EQ(p->folder, "\\restore");
  p = ParseDrivePath("D:");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->folder, "\\");
  EXPECT_EQ(ParseDrivePath("C:\\GAMES\\DOOM")->folder, "\\GAMES\\DOOM");
  for (const char* bad : {"\\RESTORE", "", "D", "1:\\", "DD:\\X", "C:\\..\\X"}) EXPECT_FALSE(ParseDrivePath(bad)) << bad;
}

}  // namespace
}  // namespace tembrel::fs
