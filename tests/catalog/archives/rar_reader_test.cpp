#include "catalog/archives/rar_reader.h"

#include <gtest/gtest.h>

#include "catalog/archives/archive_datetime.h"
#include "support/recording_archive_sink.h"

namespace tembrel::archives {
namespace {

using testing::ArchiveCase;
using testing::ReadFixture;
using Case = ArchiveCase;

class RarFixtures : public ::testing::TestWithParam<Case> {};

TEST_P(RarFixtures, ListsWhatTheFixtureHolds) { testing::ExpectArchiveCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    RarReader, RarFixtures,
    ::testing::Values(Case{"rar_two_members.rar", 2, "README.", ReadOutcome::Ok},
                      Case{"rar_without_end_block.rar", 2, "README.", ReadOutcome::Ok},
                      Case{"rar_skipped_blocks.rar", 2, "README.", ReadOutcome::Ok},
                      Case{"rar_unicode_names.rar", 2, "OEMNAME.TXT", ReadOutcome::Ok},
                      Case{"rar_large_members.rar", 2, "FIVE.GIB", ReadOutcome::Ok},
                      Case{"rar_impossible_date.rar", 1, "BAD.TXT", ReadOutcome::Ok},
                      Case{"rar_unknown_block_type.rar", 1, "README.", ReadOutcome::Failed},
                      Case{"rar_header_size_zero.rar", 1, "README.", ReadOutcome::Failed},
                      Case{"rar_name_too_long.rar", 1, "README.", ReadOutcome::Failed},
                      Case{"rar_name_outside_header.rar", 1, "README.", ReadOutcome::Failed},
                      Case{"rar_bad_marker.rar", 0, "", ReadOutcome::Failed}),
    [](const auto& info) { return testing::ArchiveCaseName(info.param); });

TEST(RarReader, NamesAttributesAndStamps) {
  const auto out = ReadFixture("rar_two_members.rar");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  EXPECT_EQ(out.sink.entries[0].size, 6);
  EXPECT_EQ(out.sink.entries[0].attribute, 0x20);
  EXPECT_EQ(out.sink.entries[0].date, (Date{2004, 2, 29}));
  EXPECT_EQ(out.sink.entries[0].time, (Time{23, 59, 58}));
  EXPECT_EQ(out.sink.entries[1].file_name, "NOTES.TXT");  // stored as c:notes.txt
  EXPECT_EQ(out.sink.entries[1].attribute, 0x21);
}

TEST(RarReader, UnicodeFlagNames) {
  const auto out = ReadFixture("rar_unicode_names.rar");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  EXPECT_EQ(out.sink.entries[1].file_name, "GR\xC3\xBC\xC3\x9F" "E.TXT");
}

TEST(RarReader, SizesBeyond32BitsAndUnsigned32BitSizes) {
  const auto out = ReadFixture("rar_large_members.rar");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  EXPECT_EQ(out.sink.entries[0].size, int64_t{5368709120});
  EXPECT_EQ(out.sink.entries[1].size, int64_t{3221225472});
}

TEST(RarReader, ImpossibleDateBecomesTheFallbackStamp) {
  const auto out = ReadFixture("rar_impossible_date.rar");
  ASSERT_EQ(out.sink.entries.size(), 1u);
  EXPECT_EQ(out.sink.entries[0].date, kFallbackStamp.date);
  EXPECT_EQ(out.sink.entries[0].time, kFallbackStamp.time);
}

TEST(RarReader, NameRule) {
  EXPECT_EQ(RarMemberName("DOCS\\README", false), "README.");
  EXPECT_EQ(RarMemberName("c:dir\\file.txt", false), "FILE.TXT");
  EXPECT_EQ(RarMemberName("docs/readme.txt", false), "README.TXT");
  EXPECT_EQ(RarMemberName(std::string("DOS.TXT\0\x01\x02", 10), true), "DOS.TXT");
}

}  // namespace
}  // namespace tembrel::archives
