#include "catalog/archives/zip_reader.h"

#include <gtest/gtest.h>

#include <random>

#include "catalog/archives/archive_datetime.h"
#include "platform/archives/zip_archive.h"
#include "support/zip_test_sink.h"

namespace tembrel::archives {
namespace {

using testing::FixtureBytes;
using testing::MemoryContext;
using testing::ZipTestSink;
using Names = std::vector<std::string>;

struct ListCase {
  const char* fixture;
  ReadOutcome outcome;
  size_t counted;
  Names entries;
  const char* main_comment;
};

const Names kCommentDizNames = {"FILE_ID.DIZ", "readme.txt", "guide.txt <docs/>", "Mixed Case.TXT"};
const char* kTrimmedComment = "Main archive comment  \r\nsecond line";

class ZipListing : public ::testing::TestWithParam<ListCase> {};

TEST_P(ZipListing, ListsMembersByTheNameRule) {
  const ListCase& c = GetParam();
  ZipTestSink sink;
  ReadResult r = ReadZip(MemoryContext(FixtureBytes(c.fixture)), sink);
  EXPECT_EQ(r.outcome, c.outcome) << r.detail;
  EXPECT_EQ(sink.counted.size(), c.counted);
  EXPECT_EQ(sink.Names(), c.entries);
  EXPECT_EQ(r.main_comment, c.main_comment);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ZipListing,
    ::testing::Values(
        ListCase{"comment_diz.zip", ReadOutcome::Ok, 5, kCommentDizNames, kTrimmedComment},
        ListCase{"plain.zip", ReadOutcome::Ok, 3, {"readme.txt", "guide.txt <docs/>"}, ""},
        ListCase{"zip64.zip", ReadOutcome::Ok, 2, {"readme.txt", "guide.txt <docs/>"}, ""},
        ListCase{"sfx_adjusted.exe", ReadOutcome::Ok, 5, kCommentDizNames, kTrimmedComment},
        ListCase{"sfx_unadjusted.exe", ReadOutcome::Ok, 5, kCommentDizNames, kTrimmedComment},
        ListCase{"sfx_signed_tail.exe", ReadOutcome::Ok, 5, kCommentDizNames, kTrimmedComment},
        ListCase{"empty_with_comment.zip", ReadOutcome::Ok, 0, {}, "Nothing here \u00e9"},
        ListCase{"sfx_zip64_unadjusted.exe", ReadOutcome::Ok, 2, {"readme.txt", "guide.txt <docs/>"}, ""},
        ListCase{"encrypted.zip", ReadOutcome::Ok, 2, {"FILE_ID.DIZ", "readme.txt"}, ""},
        ListCase{"names.zip", ReadOutcome::Ok, 6,
                 {"caf\u00e9.txt", "back.txt <dir\\sub\\>", "drive.txt <C:>", "\u65e5\u672c.txt"}, ""},
        ListCase{"unix_names.zip", ReadOutcome::Ok, 2, {"caf\u00e9.txt", "na\u2229ve.txt"}, ""},
        ListCase{"dos_host_utf8_bytes.zip", ReadOutcome::Ok, 2, {"caf\u251c\u2310.txt", "na\u2229ve.txt"}, ""},
        // Damaged: what was listed before the damage stays.
        ListCase{"zip_bad_second_record.zip", ReadOutcome::Failed, 1, {"FILE_ID.DIZ"}, kTrimmedComment},
        ListCase{"zip_count_too_high.zip", ReadOutcome::Failed, 5, kCommentDizNames, kTrimmedComment},
        ListCase{"zip_truncated_central_dir.zip", ReadOutcome::Failed, 0, {}, ""},
        ListCase{"zip_no_end_record.zip", ReadOutcome::Failed, 0, {}, ""},
        ListCase{"zip_comment_past_end.zip", ReadOutcome::Ok, 5, kCommentDizNames, ""},
        ListCase{"not_sfx.exe", ReadOutcome::Failed, 0, {}, ""},
        ListCase{"plain.cab", ReadOutcome::Failed, 0, {}, ""}),
    [](const auto& info) {
      std::string name = info.param.fixture;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(ZipReader, RecordsSizeStampAttributesAndMemberComment) {
  ZipTestSink sink;
  ASSERT_EQ(ReadZip(MemoryContext(FixtureBytes("comment_diz.zip")), sink).outcome, ReadOutcome::Ok);
  ASSERT_EQ(sink.entries.size(), 4u);
  const ArchiveMember& readme = sink.entries[1];
  EXPECT_EQ(readme.size, 16);
  EXPECT_EQ(readme.date, (Date{2003, 7, 4}));
  EXPECT_EQ(readme.time, (Time{9, 5, 6}));
  EXPECT_EQ(readme.comment, "Member comment of readme");
  // Made on Unix: the mode sits in the high word, the DOS bits in the low byte; all kept.
  EXPECT_EQ(static_cast<uint32_t>(readme.attribute), 0x81A40000u);
  EXPECT_EQ(sink.entries[0].comment, "");
  // The folder member is counted (size 0) though not recorded.
  EXPECT_EQ(sink.CountedBytes(), 51u + 16 + 0 + 12 + 1);

  ZipTestSink names;
  ReadZip(MemoryContext(FixtureBytes("names.zip")), names);
  ASSERT_FALSE(names.entries.empty());
  EXPECT_EQ(names.entries[0].attribute, 0x21);
  EXPECT_EQ(names.entries[0].date, (Date{1999, 12, 31}));
  EXPECT_EQ(names.entries[0].time, (Time{23, 59, 58}));
}

TEST(ZipReader, SpecsSeeTheBaseNameAndOutsideTheStartFolderNothingIsRecorded) {
  ZipTestSink sink;
  sink.specs = [](std::string_view name) { return name.ends_with(".txt"); };
  ReadZip(MemoryContext(FixtureBytes("comment_diz.zip")), sink);
  EXPECT_EQ(sink.asked, (Names{"FILE_ID.DIZ", "readme.txt", "guide.txt", "Mixed Case.TXT"}));
  EXPECT_EQ(sink.Names(), (Names{"readme.txt", "guide.txt <docs/>"}));

  ZipTestSink outside;
  ReadResult r = ReadZip(MemoryContext(FixtureBytes("comment_diz.zip"), "TEST.ZIP", false), outside);
  EXPECT_EQ(r.outcome, ReadOutcome::Ok);
  EXPECT_EQ(outside.counted.size(), 5u);
  EXPECT_TRUE(outside.asked.empty());
  EXPECT_TRUE(outside.entries.empty());
}

TEST(ZipReader, StopsWhenAbortIsRequested) {
  ZipTestSink sink;
  sink.abort_after = 2;
  ReadResult r = ReadZip(MemoryContext(FixtureBytes("comment_diz.zip")), sink);
  EXPECT_EQ(r.outcome, ReadOutcome::Aborted);
  EXPECT_EQ(sink.counted.size(), 2u);
  EXPECT_EQ(sink.events, 2u);
}

TEST(ZipReader, MissingFileFails) {
  ZipTestSink sink;
  ArchiveContext context = MemoryContext(FixtureBytes("plain.zip"), "TEST.ZIP");
  context.archive_name = "OTHER.ZIP";
  EXPECT_EQ(ReadZip(context, sink).outcome, ReadOutcome::Failed);
  EXPECT_FALSE(ReadZipMainComment(context));
}

TEST(ZipReader, DosStampsFollowTheFloorRule) {
  ZipTestSink sink;
  ASSERT_EQ(ReadZip(MemoryContext(FixtureBytes("dos_stamps.zip")), sink).outcome, ReadOutcome::Ok);
  struct Expect {
    const char* name;
    Date date;
    Time time;
  };
  const std::vector<Expect> expected = {
      {"zero.txt", {1980, 1, 1}, {0, 0, 0}},
      {"floor33.txt", {1980, 1, 1}, {9, 19, 10}},
      {"first34.txt", {1980, 1, 2}, {0, 0, 0}},
      {"y2044.txt", {1980, 1, 1}, {0, 0, 0}},
      {"month13.txt", {1980, 1, 1}, {0, 0, 0}},
      {"feb30.txt", {1980, 1, 1}, {0, 0, 0}},
      {"hour24.txt", {1980, 1, 1}, {0, 0, 0}},
      {"sec60.txt", {1980, 1, 1}, {0, 0, 0}},
      {"leap.txt", {2000, 2, 29}, {23, 59, 58}},
  };
  ASSERT_EQ(sink.entries.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(sink.entries[i].file_name, expected[i].name);
    EXPECT_EQ(sink.entries[i].date, expected[i].date) << expected[i].name;
    EXPECT_EQ(sink.entries[i].time, expected[i].time) << expected[i].name;
  }
}

TEST(ZipDosTime, DateWordsAroundTheFloor) {
  struct Case {
    uint16_t date, time;
    Date want_date;
    Time want_time;
  };
  for (const Case& c : std::vector<Case>{
           {0x0021, 0x0000, {1980, 1, 1}, {0, 0, 0}},   // 33: the floor itself
           {0x0022, 0x0000, {1980, 1, 2}, {0, 0, 0}},   // 34: the first date above it
           {0x7F9F, 0xBF7D, {2043, 12, 31}, {23, 59, 58}},
           {0x8021, 0x0000, {1980, 1, 1}, {0, 0, 0}},   // 2044-01-01 is negative as a signed word
           {0x2E84, 0x4800, {2003, 4, 4}, {9, 0, 0}},
           {0x2E84, 0x4F80, {1980, 1, 1}, {0, 0, 0}},   // minute 60
       }) {
    Stamp s = DosStamp(c.date, c.time);
    EXPECT_EQ(s.date, c.want_date) << std::hex << c.date;
    EXPECT_EQ(s.time, c.want_time) << std::hex << c.time;
  }
}

TEST(ZipName, SplitsAtTheLastSeparator) {
  struct Case {
    const char* stored;
    const char* file_name;
    bool blank;
  };
  for (const Case& c : std::vector<Case>{
           {"readme.txt", "readme.txt", false},
           {"docs/readme.txt", "readme.txt <docs/>", false},
           {"a/b/c.txt", "c.txt <a/b/>", false},
           {"a\\b\\c.txt", "c.txt <a\\b\\>", false},
           {"C:x.txt", "x.txt <C:>", false},
           {"docs/sub:x\\y.txt", "y.txt <docs/sub:x\\>", false},
           {"/root.txt", "root.txt </>", false},
           {"NAME", "NAME", false},
           {"docs/", "", true},
           {"docs/  ", "", true},
           {"", "", true},
       }) {
    ZipMemberName n = SplitZipName(c.stored);
    EXPECT_EQ(n.blank, c.blank) << c.stored;
    if (!c.blank) {
      EXPECT_EQ(n.FileName(), c.file_name) << c.stored;
    }
  }
}

TEST(ZipMainComment, IsTheArchiveCommentUntrimmed) {
  EXPECT_EQ(ReadZipMainComment(MemoryContext(FixtureBytes("comment_diz.zip"))),
            "  Main archive comment  \r\nsecond line");
  EXPECT_EQ(ReadZipMainComment(MemoryContext(FixtureBytes("sfx_unadjusted.exe"))),
            "  Main archive comment  \r\nsecond line");
  EXPECT_EQ(ReadZipMainComment(MemoryContext(FixtureBytes("plain.zip"))), "");
  EXPECT_EQ(ReadZipMainComment(MemoryContext(FixtureBytes("empty_with_comment.zip"))), "Nothing here \u00e9");
  EXPECT_EQ(ReadZipMainComment(MemoryContext(FixtureBytes("zip_comment_past_end.zip"))), "");
  EXPECT_FALSE(ReadZipMainComment(MemoryContext(FixtureBytes("not_sfx.exe"))));
  EXPECT_FALSE(ReadZipMainComment(MemoryContext(FixtureBytes("zip_no_end_record.zip"))));
}

TEST(ZipMember, ReadsTheNamedMemberIntoMemory) {
  const std::string diz = "\r\n   \r\n  Tembrel Test Disk v1.0\r\n  Second line\r\n\r\n\x1a";
  EXPECT_EQ(ReadZipMember(MemoryContext(FixtureBytes("comment_diz.zip")), "FILE_ID.DIZ", 65536), diz);
  EXPECT_EQ(ReadZipMember(MemoryContext(FixtureBytes("sfx_unadjusted.exe")), "file_id.diz", 65536), diz);
  EXPECT_EQ(ReadZipMember(MemoryContext(FixtureBytes("sfx_adjusted.exe")), "FILE_ID.DIZ", 65536), diz);
  // Longer than the cap: the first bytes only.
  EXPECT_EQ(ReadZipMember(MemoryContext(FixtureBytes("comment_diz.zip")), "FILE_ID.DIZ", 10), diz.substr(0, 10));
  // One at the root wins over one in a folder, whatever their order; a folder one serves alone.
  EXPECT_EQ(ReadZipMember(MemoryContext(FixtureBytes("diz_lower.zip")), "FILE_ID.DIZ", 65536), "Root description\r\n");
  EXPECT_EQ(ReadZipMember(MemoryContext(FixtureBytes("diz_nested.zip")), "FILE_ID.DIZ", 65536),
            "Nested description\r\n");
}

TEST(ZipMember, RefusesWhatCannotBeReadSoundly) {
  EXPECT_FALSE(ReadZipMember(MemoryContext(FixtureBytes("plain.zip")), "FILE_ID.DIZ", 65536));
  EXPECT_FALSE(ReadZipMember(MemoryContext(FixtureBytes("encrypted.zip")), "FILE_ID.DIZ", 65536));
  EXPECT_FALSE(ReadZipMember(MemoryContext(FixtureBytes("zip_diz_bad_crc.zip")), "FILE_ID.DIZ", 65536));
  EXPECT_FALSE(ReadZipMember(MemoryContext(FixtureBytes("not_sfx.exe")), "FILE_ID.DIZ", 65536));
}

// Stored, empty members named "f<n>"; the plain end record, so at most 65535 of them.
std::vector<std::byte> BuildZip(uint32_t members) {
  std::string local, central;
  auto le16 = [](std::string& s, uint32_t v) { s += char(v & 0xFF); s += char((v >> 8) & 0xFF); };
  auto le32 = [&](std::string& s, uint32_t v) { le16(s, v & 0xFFFF); le16(s, v >> 16); };
  for (uint32_t i = 0; i < members; ++i) {
    std::string name = "f" + std::to_string(i);
    uint32_t offset = static_cast<uint32_t>(local.size());
    le32(local, 0x04034b50); le16(local, 10); le16(local, 0); le16(local, 0); le16(local, 0); le16(local, 0x2E84);
    le32(local, 0); le32(local, 0); le32(local, 0); le16(local, name.size()); le16(local, 0);
    local += name;
    le32(central, 0x02014b50); le16(central, 20); le16(central, 10); le16(central, 0); le16(central, 0);
    le16(central, 0); le16(central, 0x2E84); le32(central, 0); le32(central, 0); le32(central, 0);
    le16(central, name.size()); le16(central, 0); le16(central, 0); le16(central, 0); le16(central, 0);
    le32(central, 0x20); le32(central, offset);
    central += name;
  }
  std::string end;
  le32(end, 0x06054b50); le16(end, 0); le16(end, 0); le16(end, members); le16(end, members);
  le32(end, central.size()); le32(end, local.size()); le16(end, 0);
  return testing::ToBytes(local + central + end);
}

TEST(ZipReader, ListsAllOf65535MembersWithoutCallingTheArchiveDamaged) {
  // An end record that counts 65535 members is read by minizip as "count unknown": it reads
  // on after the last member and meets the end record instead of another member.
  for (uint32_t members : {65534u, 65535u}) {
    ZipTestSink sink;
    ReadResult r = ReadZip(MemoryContext(BuildZip(members)), sink);
    EXPECT_EQ(r.outcome, ReadOutcome::Ok) << members << " " << r.detail;
    EXPECT_EQ(sink.entries.size(), members);
    ASSERT_FALSE(sink.entries.empty());
    EXPECT_EQ(sink.entries.back().file_name, "f" + std::to_string(members - 1));
  }
}

TEST(ZipArchive, SkipsAProgramStubOnlyWhereMinizipCannot) {
  auto open = [](const char* fixture) {
    return platform::ZipArchive::Open(platform::MemoryBytes(FixtureBytes(fixture)));
  };
  auto unadjusted = open("sfx_unadjusted.exe");
  ASSERT_TRUE(unadjusted);
  EXPECT_EQ(unadjusted->Shift(), 0u);  // the plain end record: minizip works out the distance
  auto zip64 = open("sfx_zip64_unadjusted.exe");
  ASSERT_TRUE(zip64);
  EXPECT_EQ(zip64->Shift(), FixtureBytes("not_sfx.exe").size());  // the stub's length
  EXPECT_EQ(zip64->EntryCount(), 2u);
}

// Every prefix of every ZIP sample, and damaged copies of it: an error or a result, never a
// crash or a hang (the sanitizer build checks the reads).
TEST(ZipRobustness, PrefixesAndMutationsNeverCrash) {
  const unsigned seed = 1234;  // fixed so failures reproduce
  std::mt19937 rng(seed);
  std::cout << "mutation seed " << seed << "\n";
  const auto fixtures = testing::FixtureNames({".zip", ".exe"});
  ASSERT_GE(fixtures.size(), 20u);
  for (const std::string& fixture : fixtures) {
    auto bytes = FixtureBytes(fixture);
    auto exercise = [&](std::vector<std::byte> b) {
      ZipTestSink sink;
      ReadZip(MemoryContext(b), sink);
      ReadZipMainComment(MemoryContext(b));
      ReadZipMember(MemoryContext(std::move(b)), "FILE_ID.DIZ", 4096);
    };
    for (size_t n = 0; n <= bytes.size(); ++n) exercise(std::vector<std::byte>(bytes.begin(), bytes.begin() + n));
    for (int i = 0; i < 300; ++i) exercise(testing::Mutate(bytes, rng));
  }
}

}  // namespace
}  // namespace tembrel::archives
