#include "catalog/archives/dwc_reader.h"

#include <gtest/gtest.h>

#include "support/recording_archive_sink.h"

namespace tembrel::archives {
namespace {

using testing::ArchiveCase;
using testing::ReadFixture;
using Case = ArchiveCase;

class DwcFixtures : public ::testing::TestWithParam<Case> {};

TEST_P(DwcFixtures, ListsWhatTheFixtureHolds) { testing::ExpectArchiveCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    DwcReader, DwcFixtures,
    ::testing::Values(Case{"dwc_three_members.dwc", 3, "DWC.EXE", ReadOutcome::Ok},
                      Case{"dwc_comment_past_end.dwc", 2, "DWC.EXE", ReadOutcome::Failed},
                      Case{"dwc_no_signature.dwc", 0, "", ReadOutcome::Failed},
                      Case{"dwc_count_too_large.dwc", 0, "", ReadOutcome::Failed},
                      Case{"dwc_trailer_before_start.dwc", 0, "", ReadOutcome::Failed}),
    [](const auto& info) { return testing::ArchiveCaseName(info.param); });

TEST(DwcReader, PacificStampsSizesAndComments) {
  const auto out = ReadFixture("dwc_three_members.dwc");
  ASSERT_EQ(out.sink.entries.size(), 3u);
  // A member called DWC.EXE in the directory is not taken for the trailer's signature.
  EXPECT_EQ(out.sink.entries[0].date, (Date{2001, 2, 3}));
  EXPECT_EQ(out.sink.entries[0].time, (Time{0, 0, 0}));  // exactly midnight Pacific
  EXPECT_EQ(out.sink.entries[1].file_name, "README.");
  EXPECT_EQ(out.sink.entries[1].date, (Date{2001, 7, 4}));
  EXPECT_EQ(out.sink.entries[1].time, (Time{12, 0, 0}));
  EXPECT_EQ(out.sink.entries[1].size, 11);
  EXPECT_EQ(out.sink.entries[2].file_name, "NOTES.TXT");
  EXPECT_EQ(out.sink.entries[2].size, 5);
  EXPECT_EQ(out.sink.entries[2].comment, "A comment that is longer than forty-three b");
  EXPECT_EQ(out.sink.entries[0].comment, "");
}

TEST(DwcReader, NameAndCommentRules) {
  EXPECT_EQ(DwcMemberName(std::string("readme\0\0\0\0\0\0\0", 13)), "README.");
  EXPECT_EQ(DwcMemberName("ABCDEFGHIJKLM"), "ABCDEFGHIJKLM.");
  EXPECT_EQ(ShortComment("first line\r\nsecond"), "first line");
  EXPECT_EQ(ShortComment("del\x7fstop"), "del");
}

}  // namespace
}  // namespace tembrel::archives
