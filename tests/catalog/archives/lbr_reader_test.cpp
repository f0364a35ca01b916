#include "catalog/archives/lbr_reader.h"

#include <gtest/gtest.h>

#include "support/recording_archive_sink.h"

namespace tembrel::archives {
namespace {

using testing::ArchiveCase;
using testing::ReadFixture;
using Case = ArchiveCase;

class LbrFixtures : public ::testing::TestWithParam<Case> {};

TEST_P(LbrFixtures, ListsWhatTheFixtureHolds) { testing::ExpectArchiveCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    LbrReader, LbrFixtures,
    ::testing::Values(Case{"lbr_two_active_members.lbr", 2, "README  .TXT", ReadOutcome::Ok},
                      Case{"lbr_not_a_library.lbr", 0, "", ReadOutcome::Ok},
                      Case{"lbr_pad_beyond_length.lbr", 1, "OK      .TXT", ReadOutcome::Ok},
                      Case{"lbr_directory_past_end.lbr", 2, "README  .TXT", ReadOutcome::Failed}),
    [](const auto& info) { return testing::ArchiveCaseName(info.param); });

TEST(LbrReader, SizesFromSectorsAndCpmDates) {
  const auto out = ReadFixture("lbr_two_active_members.lbr");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  EXPECT_EQ(out.sink.counted, 2u);  // the deleted entry is not a member
  EXPECT_EQ(out.sink.entries[0].size, 2 * 128 - 10);
  EXPECT_EQ(out.sink.entries[0].date, (Date{2000, 12, 31}));  // last day of a leap year
  EXPECT_EQ(out.sink.entries[0].time, (Time{13, 14, 16}));
  EXPECT_EQ(out.sink.entries[1].file_name, "PROG    .COM");
  EXPECT_EQ(out.sink.entries[1].size, 128);
  EXPECT_EQ(out.sink.entries[1].date, (Date{1980, 1, 1}));  // created in 1979
}

TEST(LbrReader, NameRuleKeepsPadding) {
  EXPECT_EQ(LbrMemberName("read    ", "me "), "READ    .ME ");
}

}  // namespace
}  // namespace tembrel::archives
