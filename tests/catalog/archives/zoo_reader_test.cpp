#include "catalog/archives/zoo_reader.h"

#include <gtest/gtest.h>

#include "catalog/archives/archive_datetime.h"
#include "support/recording_archive_sink.h"

namespace tembrel::archives {
namespace {

using testing::ArchiveCase;
using testing::ReadFixture;
using Case = ArchiveCase;

class ZooFixtures : public ::testing::TestWithParam<Case> {};

TEST_P(ZooFixtures, ListsWhatTheFixtureHolds) { testing::ExpectArchiveCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    ZooReader, ZooFixtures,
    ::testing::Values(Case{"zoo_two_members.zoo", 2, "README.", ReadOutcome::Ok},
                      Case{"zoo_short_last_entry.zoo", 2, "README.", ReadOutcome::Ok},
                      Case{"zoo_name_without_nul.zoo", 1, "ABCDEFGHIJKL", ReadOutcome::Ok},
                      Case{"zoo_impossible_time.zoo", 1, "BADTIME.TXT", ReadOutcome::Ok},
                      Case{"zoo_member_3gib.zoo", 1, "HUGE.DAT", ReadOutcome::Ok},
                      Case{"zoo_entry_points_back.zoo", 1, "README.", ReadOutcome::Failed},
                      Case{"zoo_bad_entry_tag.zoo", 1, "README.", ReadOutcome::Failed},
                      Case{"zoo_next_past_end.zoo", 2, "README.", ReadOutcome::Failed},
                      Case{"zoo_bad_archive_tag.zoo", 0, "", ReadOutcome::Failed}),
    [](const auto& info) { return testing::ArchiveCaseName(info.param); });

TEST(ZooReader, CommentsStampsAndSizes) {
  const auto out = ReadFixture("zoo_two_members.zoo");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  EXPECT_EQ(out.sink.entries[0].comment, "A member comment");
  EXPECT_EQ(out.sink.entries[0].size, 11);
  EXPECT_EQ(out.sink.entries[0].date, (Date{1992, 12, 31}));
  EXPECT_EQ(out.sink.entries[0].time, (Time{23, 59, 58}));
  EXPECT_EQ(out.sink.entries[1].file_name, "DOCS.TXT");
  EXPECT_EQ(out.sink.entries[1].comment, "");
}

TEST(ZooReader, ImpossibleTimeAndLargeSize) {
  const auto bad = ReadFixture("zoo_impossible_time.zoo");
  ASSERT_EQ(bad.sink.entries.size(), 1u);
  EXPECT_EQ(bad.sink.entries[0].date, kFallbackStamp.date);
  EXPECT_EQ(bad.sink.entries[0].time, kFallbackStamp.time);
  const auto big = ReadFixture("zoo_member_3gib.zoo");
  ASSERT_EQ(big.sink.entries.size(), 1u);
  EXPECT_EQ(big.sink.entries[0].size, int64_t{3221225472});
}

TEST(ZooReader, NameRule) {
  EXPECT_EQ(ZooMemberName(std::string("readme\0\0\0\0\0\0\0", 13)), "README.");
  EXPECT_EQ(ZooMemberName("ABCDEFGHIJKLM"), "ABCDEFGHIJKL");
}

}  // namespace
}  // namespace tembrel::archives
