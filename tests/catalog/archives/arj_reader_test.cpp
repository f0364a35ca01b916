#include "catalog/archives/arj_reader.h"

#include <gtest/gtest.h>

#include "catalog/archives/archive_datetime.h"
#include "catalog/archives/archive_dispatch.h"
#include "catalog/archives/file_source.h"
#include "support/recording_archive_sink.h"

namespace tembrel::archives {
namespace {

using testing::ArchiveCase;
using testing::ReadFixture;
using Case = ArchiveCase;

constexpr int64_t kUnixFixtureTime = 981173106;  // 2001-02-03 04:05:06 UTC
const std::string kFixtureComment = "First line of the main comment\r\nSecond line\r\n";

class ArjFixtures : public ::testing::TestWithParam<Case> {};

TEST_P(ArjFixtures, ListsWhatTheFixtureHolds) { testing::ExpectArchiveCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    ArjReader, ArjFixtures,
    ::testing::Values(Case{"arj_two_members_unix.arj", 2, "README.", ReadOutcome::Ok},
                      Case{"arj_two_members_dos.arj", 2, "README.", ReadOutcome::Ok},
                      Case{"arj_volumes.arj", 2, "small.txt", ReadOutcome::Ok},
                      Case{"arj_volumes.a01", 1, "big.bin", ReadOutcome::Ok},
                      Case{"arj_volumes.a02", 2, "big.bin", ReadOutcome::Ok},
                      Case{"arj_member_comment.arj", 1, "NOTES.TXT", ReadOutcome::Ok},
                      Case{"arj_extended_headers.arj", 2, "EXT.TXT", ReadOutcome::Ok},
                      Case{"arj_member_3gib.arj", 1, "HUGE.DAT", ReadOutcome::Ok},
                      Case{"arj_impossible_date.arj", 1, "BADDATE.TXT", ReadOutcome::Ok},
                      Case{"arj_unix_host_stamp.arj", 1, "UNIX.TXT", ReadOutcome::Ok},
                      Case{"arj_long_name_without_dot.arj", 1, "SHORT.TXT", ReadOutcome::Ok},
                      Case{"arj_without_end_mark.arj", 1, "GOOD.TXT", ReadOutcome::Ok},
                      Case{"arj_name_without_nul.arj", 1, "GOOD.TXT", ReadOutcome::Failed},
                      Case{"arj_fixed_part_too_small.arj", 1, "GOOD.TXT", ReadOutcome::Failed},
                      Case{"arj_header_size_too_large.arj", 1, "GOOD.TXT", ReadOutcome::Failed},
                      Case{"arj_extended_header_past_end.arj", 1, "GOOD.TXT", ReadOutcome::Failed},
                      Case{"arj_bad_header_id.arj", 1, "README.", ReadOutcome::Failed},
                      Case{"arj_truncated_member_header.arj", 1, "README.", ReadOutcome::Failed}),
    [](const auto& info) { return testing::ArchiveCaseName(info.param); });

TEST(ArjReader, UnixArchiveKeepsPathsCaseAndUnixTime) {
  const auto out = ReadFixture("arj_two_members_unix.arj");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  EXPECT_EQ(out.result.main_comment, kFixtureComment);
  const ArchiveMember& readme = out.sink.entries[1];
  EXPECT_EQ(readme.file_name, "readme.txt <docs/>");
  EXPECT_EQ(readme.size, 6);
  const Stamp expected = LocalStamp(kUnixFixtureTime);
  EXPECT_EQ(readme.date, expected.date);
  EXPECT_EQ(readme.time, expected.time);
  EXPECT_EQ(readme.attribute, 0);
  // The main header is not a member.
  EXPECT_EQ(out.sink.counted, 2u);
}

TEST(ArjReader, DosCompatibleArchiveKeepsDosStamps) {
  const auto out = ReadFixture("arj_two_members_dos.arj");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  EXPECT_EQ(out.result.main_comment, kFixtureComment);
  EXPECT_EQ(out.sink.entries[1].file_name, "readme.txt <docs/>");
  EXPECT_EQ(out.sink.entries[0].date, (Date{2001, 2, 3}));
  EXPECT_EQ(out.sink.entries[0].time, (Time{4, 5, 6}));
}

TEST(ArjReader, UnixHostStampIsNotReadAsADosStamp) {
  const auto out = ReadFixture("arj_unix_host_stamp.arj");
  ASSERT_EQ(out.sink.entries.size(), 1u);
  EXPECT_EQ(out.sink.entries[0].date, LocalStamp(kUnixFixtureTime).date);
  EXPECT_NE(out.sink.entries[0].date, (Date{2009, 3, 27}));
}

TEST(ArjReader, MemberCommentKeepsLineEndsAndDropsControlCharacters) {
  const auto out = ReadFixture("arj_member_comment.arj");
  ASSERT_EQ(out.sink.entries.size(), 1u);
  EXPECT_EQ(out.result.main_comment, "Main\r\ncomment\r\n");
  EXPECT_EQ(out.sink.entries[0].comment, "Line one\r\nLine two  ");
}

TEST(ArjReader, CommentText) {
  EXPECT_EQ(ArjCommentText("a\nb\n"), "a\r\nb\r\n");
  EXPECT_EQ(ArjCommentText("a\r\nb\rc"), "a\r\nb\r\nc");
  EXPECT_EQ(ArjCommentText("t\tab\x1a\x7f\xff"), "tab  ");
  EXPECT_EQ(ArjCommentText("\x81"), "\xC3\xBC");
}

TEST(ArjReader, NameRule) {
  EXPECT_EQ(ArjMemberName("docs/readme.txt"), "readme.txt <docs/>");
  EXPECT_EQ(ArjMemberName("DOCS\\SUB\\README"), "README. <DOCS\\SUB\\>");
  EXPECT_EQ(ArjMemberName("ReadMe"), "ReadMe.");
  EXPECT_EQ(ArjMemberName(std::string(300, 'A')).size(), 255u);
}

TEST(ArjReader, ALongNameCutBeforeItsDotIsCountedButNotRecorded) {
  const auto out = ReadFixture("arj_long_name_without_dot.arj");
  EXPECT_EQ(out.sink.counted, 2u);
  EXPECT_EQ(out.sink.entries.size(), 1u);
}

TEST(ArjReader, MembersOfTwoToFourGibibytesAreRecorded) {
  const auto out = ReadFixture("arj_member_3gib.arj");
  ASSERT_EQ(out.sink.entries.size(), 1u);
  EXPECT_EQ(out.sink.entries[0].size, int64_t{3221225472});
}

TEST(ArjReader, ImpossibleDateBecomesTheFallbackStamp) {
  const auto out = ReadFixture("arj_impossible_date.arj");
  ASSERT_EQ(out.sink.entries.size(), 1u);
  EXPECT_EQ(out.sink.entries[0].date, kFallbackStamp.date);
  EXPECT_EQ(out.sink.entries[0].time, kFallbackStamp.time);
}

TEST(ArjReader, FollowedVolumesGiveEachMemberOnceWithItsWholeSize) {
  const auto out = ReadFixture("arj_volumes.arj", ReaderOptions{.follow_arj_volumes = true});
  EXPECT_EQ(out.result.outcome, ReadOutcome::Ok) << out.result.detail;
  ASSERT_EQ(out.sink.entries.size(), 3u);
  EXPECT_EQ(out.sink.entries[0].file_name, "small.txt");
  EXPECT_EQ(out.sink.entries[1].file_name, "big.bin");
  EXPECT_EQ(out.sink.entries[1].size, 25000);
  EXPECT_EQ(out.sink.entries[2].file_name, "README.");
  EXPECT_EQ(out.sink.counted, 3u);
  EXPECT_EQ(out.sink.counted_bytes, 25012u);
}

TEST(ArjReader, VolumesReadOnTheirOwnGiveEachPiece) {
  uint64_t pieces = 0, bytes = 0;
  for (const char* name : {"arj_volumes.arj", "arj_volumes.a01", "arj_volumes.a02"}) {
    const auto out = ReadFixture(name);
    EXPECT_EQ(out.result.outcome, ReadOutcome::Ok) << name;
    pieces += out.sink.counted;
    bytes += out.sink.counted_bytes;
  }
  EXPECT_EQ(pieces, 5u);
  EXPECT_EQ(bytes, 25012u);
}

TEST(ArjReader, AMissingVolumeFailsAndKeepsWhatWasMet) {
  const auto out = ReadFixture("arj_missing_volume.arj", ReaderOptions{.follow_arj_volumes = true});
  EXPECT_EQ(out.result.outcome, ReadOutcome::Failed);
  EXPECT_EQ(out.result.detail, "cannot open volume arj_missing_volume.a02");
  ASSERT_EQ(out.sink.entries.size(), 2u);
  EXPECT_EQ(out.sink.entries[1].file_name, "big.bin");
  EXPECT_LT(out.sink.entries[1].size, 25000);
}

TEST(ArjReader, NextVolumeName) {
  EXPECT_EQ(NextArjVolumeName("SET.ARJ"), "SET.A01");
  EXPECT_EQ(NextArjVolumeName("set.arj"), "set.a01");
  EXPECT_EQ(NextArjVolumeName("SET.A09"), "SET.A10");
  EXPECT_EQ(NextArjVolumeName("SET.A99"), "SET.100");
  EXPECT_EQ(NextArjVolumeName("SET.100"), "SET.101");
  EXPECT_EQ(NextArjVolumeName("SET.999"), "");
  EXPECT_EQ(NextArjVolumeName("SET.ZIP"), "");
  EXPECT_EQ(NextArjVolumeName("SET"), "");
}

TEST(ArjReader, MainCommentOnly) {
  auto src = FileSource::Open(testing::ArchiveFixturePath("arj_two_members_unix.arj"));
  ASSERT_TRUE(src);
  const ReadResult r = ReadArjMainComment(*src);
  EXPECT_EQ(r.outcome, ReadOutcome::Ok);
  EXPECT_EQ(r.main_comment, kFixtureComment);

  ArchiveContext ctx;
  ctx.folder_path = testing::ArchiveFixturePath("");
  ctx.archive_name = "arj_bad_header_id.arj";
  const ReadResult whole = ReadArchiveMainComment(ArchiveKind::Arj, ctx);
  EXPECT_EQ(whole.outcome, ReadOutcome::Ok);  // only the first header is read
  EXPECT_EQ(whole.main_comment, kFixtureComment);
  ctx.archive_name = "arc_two_members.arc";
  EXPECT_EQ(ReadArchiveMainComment(ArchiveKind::Arj, ctx).outcome, ReadOutcome::Failed);
}

}  // namespace
}  // namespace tembrel::archives
