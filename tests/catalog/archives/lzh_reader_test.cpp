#include "catalog/archives/lzh_reader.h"

#include <gtest/gtest.h>

#include "catalog/archives/archive_datetime.h"
#include "support/recording_archive_sink.h"

namespace tembrel::archives {
namespace {

using testing::ArchiveCase;
using testing::ReadFixture;
using Case = ArchiveCase;

class LzhFixtures : public ::testing::TestWithParam<Case> {};

TEST_P(LzhFixtures, ListsWhatTheFixtureHolds) { testing::ExpectArchiveCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    LzhReader, LzhFixtures,
    ::testing::Values(Case{"lzh_level0.lzh", 2, "README.", ReadOutcome::Ok},
                      Case{"lzh_level1.lzh", 2, "README.", ReadOutcome::Ok},
                      Case{"lzh_level2.lzh", 2, "README.", ReadOutcome::Ok},
                      Case{"lzs_two_members.lzs", 2, "README.", ReadOutcome::Ok},
                      Case{"lzh_without_end_mark.lzh", 2, "ONE.TXT", ReadOutcome::Ok},
                      Case{"lzh_blank_name.lzh", 1, "KEPT.TXT", ReadOutcome::Ok},
                      Case{"lzh_level2_folder_and_attribute.lzh", 1, "HIDDEN.SYS", ReadOutcome::Ok},
                      Case{"lzh_level2_utf8_name.lzh", 1, "GR\xC3\xBC\xC3\x9F" "E.TXT", ReadOutcome::Ok},
                      Case{"lzh_level2_low_size_byte.lzh", 1, "PAD.TXT", ReadOutcome::Ok},
                      Case{"lzh_impossible_date.lzh", 1, "BAD.TXT", ReadOutcome::Ok},
                      Case{"lzh_member_3gib.lzh", 1, "HUGE.DAT", ReadOutcome::Ok},
                      Case{"lzh_level2_extended_header_too_small.lzh", 1, "OK.TXT", ReadOutcome::Failed},
                      Case{"lzh_level2_extended_header_past_header.lzh", 1, "OK.TXT", ReadOutcome::Failed},
                      Case{"lzh_level2_header_too_small.lzh", 1, "OK.TXT", ReadOutcome::Failed},
                      Case{"lzh_level0_oversize_header.lzh", 1, "OK.TXT", ReadOutcome::Failed},
                      Case{"lzh_name_outside_header.lzh", 1, "OK.TXT", ReadOutcome::Failed},
                      Case{"lzh_level3_header.lzh", 1, "OK.TXT", ReadOutcome::Failed}),
    [](const auto& info) { return testing::ArchiveCaseName(info.param); });

TEST(LzhReader, AllThreeHeaderLevelsGiveTheSameListing) {
  for (const char* name : {"lzh_level0.lzh", "lzh_level1.lzh", "lzh_level2.lzh"}) {
    const auto out = ReadFixture(name);
    ASSERT_EQ(out.sink.entries.size(), 2u) << name;
    EXPECT_EQ(out.sink.entries[1].file_name, "README.TXT") << name;  // the folder is dropped
    EXPECT_EQ(out.sink.entries[1].size, 6) << name;
    EXPECT_EQ(out.sink.entries[0].size, 6) << name;
  }
}

TEST(LzhReader, DosStampsForLevelsZeroAndOneUnixTimeForLevelTwo) {
  for (const char* name : {"lzh_level0.lzh", "lzh_level1.lzh"}) {
    const auto out = ReadFixture(name);
    ASSERT_EQ(out.sink.entries.size(), 2u);
    EXPECT_EQ(out.sink.entries[0].date, (Date{2001, 2, 3})) << name;
    EXPECT_EQ(out.sink.entries[0].time, (Time{4, 5, 6})) << name;
  }
  const auto out = ReadFixture("lzh_level2.lzh");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  const Stamp expected = LocalStamp(981173106);
  EXPECT_EQ(out.sink.entries[0].date, expected.date);
  EXPECT_EQ(out.sink.entries[0].time, expected.time);
}

TEST(LzhReader, LarcArchiveAndAttributes) {
  const auto out = ReadFixture("lzs_two_members.lzs");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  EXPECT_EQ(out.sink.entries[0].date, (Date{1996, 2, 29}));
  EXPECT_EQ(out.sink.entries[0].time, (Time{12, 34, 56}));
  EXPECT_EQ(out.sink.entries[0].attribute, 0x20);
  EXPECT_EQ(out.sink.entries[1].file_name, "PROG.COM");
  EXPECT_EQ(out.sink.entries[1].size, 1);
}

TEST(LzhReader, FolderEntriesAndBlankNamesAreCountedNotRecorded) {
  const auto blank = ReadFixture("lzh_blank_name.lzh");
  EXPECT_EQ(blank.sink.counted, 3u);
  const auto folder = ReadFixture("lzh_level2_folder_and_attribute.lzh");
  EXPECT_EQ(folder.sink.counted, 2u);
  ASSERT_EQ(folder.sink.entries.size(), 1u);
  EXPECT_EQ(folder.sink.entries[0].attribute, 7);  // from the DOS attribute extension
  EXPECT_EQ(folder.sink.entries[0].size, 4);
}

TEST(LzhReader, ImpossibleDateAndLargeSize) {
  const auto bad = ReadFixture("lzh_impossible_date.lzh");
  ASSERT_EQ(bad.sink.entries.size(), 1u);
  EXPECT_EQ(bad.sink.entries[0].date, kFallbackStamp.date);
  const auto big = ReadFixture("lzh_member_3gib.lzh");
  ASSERT_EQ(big.sink.entries.size(), 1u);
  EXPECT_EQ(big.sink.entries[0].size, int64_t{3221225472});
}

TEST(LzhReader, NameRule) {
  EXPECT_EQ(LzhMemberName("docs\\readme"), "README.");
  EXPECT_EQ(LzhMemberName("a/verylongname.text"), "VERYLONGNAME");
  EXPECT_EQ(LzhMemberName(std::string("dir/ \0\xff", 7)), "");
  EXPECT_EQ(LzhMemberName("dir/"), "");
}

}  // namespace
}  // namespace tembrel::archives
