#include "catalog/archives/sqz_reader.h"

#include <gtest/gtest.h>

#include "support/recording_archive_sink.h"

namespace tembrel::archives {
namespace {

using testing::ArchiveCase;
using testing::ReadFixture;
using Case = ArchiveCase;

class SqzFixtures : public ::testing::TestWithParam<Case> {};

TEST_P(SqzFixtures, ListsWhatTheFixtureHolds) { testing::ExpectArchiveCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    SqzReader, SqzFixtures,
    ::testing::Values(Case{"sqz_two_members.sqz", 2, "README ", ReadOutcome::Ok},
                      Case{"sqz_truncated_member.sqz", 2, "README ", ReadOutcome::Failed},
                      Case{"sqz_no_signature.sqz", 0, "", ReadOutcome::Failed}),
    [](const auto& info) { return testing::ArchiveCaseName(info.param); });

TEST(SqzReader, OtherBlocksAreSkippedAndMembersKeepTheirFields) {
  const auto out = ReadFixture("sqz_two_members.sqz");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  EXPECT_EQ(out.sink.counted, 2u);
  EXPECT_EQ(out.sink.entries[0].size, 6);
  EXPECT_EQ(out.sink.entries[0].date, (Date{1993, 8, 9}));
  EXPECT_EQ(out.sink.entries[0].time, (Time{10, 11, 12}));
  EXPECT_EQ(out.sink.entries[1].file_name, "NOTES.TXT");
  EXPECT_EQ(out.sink.entries[1].attribute, 1);
}

TEST(SqzReader, NameRule) {
  EXPECT_EQ(SqzMemberName("readme"), "README ");
  EXPECT_EQ(SqzMemberName("a\\b/c.txt"), "C.TXT");
  EXPECT_EQ(SqzMemberName("dir/sub\\x.y"), "X.Y");
}

}  // namespace
}  // namespace tembrel::archives
