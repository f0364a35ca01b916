#include "catalog/archives/hyp_reader.h"

#include <gtest/gtest.h>

#include "support/recording_archive_sink.h"

namespace tembrel::archives {
namespace {

using testing::ArchiveCase;
using testing::ReadFixture;
using Case = ArchiveCase;

class HypFixtures : public ::testing::TestWithParam<Case> {};

TEST_P(HypFixtures, ListsWhatTheFixtureHolds) { testing::ExpectArchiveCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    HypReader, HypFixtures,
    ::testing::Values(Case{"hyp_two_members.hyp", 2, "README.TXT", ReadOutcome::Ok},
                      Case{"hyp_ended_by_other_byte.hyp", 2, "README.TXT", ReadOutcome::Ok},
                      Case{"hyp_truncated_name.hyp", 2, "README.TXT", ReadOutcome::Failed}),
    [](const auto& info) { return testing::ArchiveCaseName(info.param); });

TEST(HypReader, AttributesStampsAndNames) {
  const auto out = ReadFixture("hyp_two_members.hyp");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  EXPECT_EQ(out.sink.entries[0].attribute, 0x20);
  EXPECT_EQ(out.sink.entries[0].size, 6);
  EXPECT_EQ(out.sink.entries[0].date, (Date{1991, 3, 4}));
  EXPECT_EQ(out.sink.entries[0].time, (Time{5, 6, 8}));
  EXPECT_EQ(out.sink.entries[1].file_name, "PROG.EXE");
  EXPECT_EQ(out.sink.entries[1].attribute, 0x21);
}

TEST(HypReader, NameRuleAppendsNoDot) {
  EXPECT_EQ(HypMemberName("a/b\\readme"), "README");
  EXPECT_EQ(HypMemberName("x.y"), "X.Y");
}

}  // namespace
}  // namespace tembrel::archives
