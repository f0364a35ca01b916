#include "catalog/archives/arc_reader.h"

#include <gtest/gtest.h>

#include "catalog/archives/archive_datetime.h"
#include "support/recording_archive_sink.h"

namespace tembrel::archives {
namespace {

using testing::ArchiveCase;
using testing::ReadFixture;
using Case = ArchiveCase;

class ArcFixtures : public ::testing::TestWithParam<Case> {};

TEST_P(ArcFixtures, ListsWhatTheFixtureHolds) { testing::ExpectArchiveCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    ArcReader, ArcFixtures,
    ::testing::Values(Case{"arc_two_members.arc", 2, "README.", ReadOutcome::Ok},
                      Case{"pak_two_members.pak", 2, "GAME.EXE", ReadOutcome::Ok},
                      Case{"arc_old_stored_method.arc", 2, "OLD.TXT", ReadOutcome::Ok},
                      Case{"arc_member_3gib.arc", 1, "HUGE.DAT", ReadOutcome::Ok},
                      Case{"arc_name_without_nul.arc", 1, "NAMED.TXT", ReadOutcome::Ok},
                      Case{"arc_impossible_date.arc", 2, "BADDATE.TXT", ReadOutcome::Ok},
                      Case{"arc_size_past_end.arc", 2, "FIRST.TXT", ReadOutcome::Failed},
                      Case{"arc_no_end_mark.arc", 2, "README.", ReadOutcome::Failed},
                      Case{"arc_bad_marker.arc", 1, "README.", ReadOutcome::Failed}),
    [](const auto& info) { return testing::ArchiveCaseName(info.param); });

TEST(ArcReader, NamesSizesAndStampsOfARealArchive) {
  const auto out = ReadFixture("arc_two_members.arc");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  const ArchiveMember& readme = out.sink.entries[0];
  EXPECT_EQ(readme.size, 6);
  EXPECT_EQ(readme.date, (Date{2001, 2, 3}));
  EXPECT_EQ(readme.time, (Time{4, 5, 6}));
  EXPECT_EQ(readme.attribute, 0);
  EXPECT_EQ(readme.comment, "");
  EXPECT_EQ(out.sink.entries[1].file_name, "SMALL.TXT");
  EXPECT_EQ(out.sink.entries[1].date, (Date{1999, 12, 31}));
  EXPECT_EQ(out.sink.entries[1].time, (Time{23, 59, 58}));
  EXPECT_EQ(out.result.main_comment, "");
}

TEST(ArcReader, NameRule) {
  EXPECT_EQ(ArcMemberName(std::string("readme\0\0\0\0\0\0\0", 13)), "README.");
  EXPECT_EQ(ArcMemberName(std::string("GAME.EXE\0junk", 13)), "GAME.EXE");
  EXPECT_EQ(ArcMemberName("ABCDEFGHIJKLM"), "ABCDEFGHIJKL");
  EXPECT_EQ(ArcMemberName(std::string("ABCDEFGHIJKL\0", 13)), "ABCDEFGHIJKL");
}

TEST(ArcReader, ANameThatLosesItsDotIsCountedButNotRecorded) {
  const auto out = ReadFixture("arc_name_without_nul.arc");
  EXPECT_EQ(out.sink.counted, 2u);
  ASSERT_EQ(out.sink.entries.size(), 1u);
  // The "*.*" rule turns it away before the include/exclude specs are asked.
  EXPECT_EQ(out.sink.spec_checks, std::vector<std::string>{"NAMED.TXT"});
}

TEST(ArcReader, MembersOfTwoToFourGibibytesAreRecorded) {
  const auto out = ReadFixture("arc_member_3gib.arc");
  ASSERT_EQ(out.sink.entries.size(), 1u);
  EXPECT_EQ(out.sink.entries[0].size, int64_t{3221225472});
  EXPECT_EQ(out.sink.counted_bytes, uint64_t{3221225472});
}

TEST(ArcReader, ImpossibleDateAndTimeBecomeTheFallbackStamp) {
  const auto out = ReadFixture("arc_impossible_date.arc");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  for (const auto& m : out.sink.entries) {
    EXPECT_EQ(m.date, kFallbackStamp.date) << m.file_name;
    EXPECT_EQ(m.time, kFallbackStamp.time) << m.file_name;
  }
}

TEST(ArcReader, OldStoredMethodHasTheShorterHeader) {
  const auto out = ReadFixture("arc_old_stored_method.arc");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  EXPECT_EQ(out.sink.entries[0].size, 8);
  EXPECT_EQ(out.sink.entries[1].file_name, "NEW.TXT");
  EXPECT_EQ(out.sink.entries[1].size, 8);
}

}  // namespace
}  // namespace tembrel::archives
