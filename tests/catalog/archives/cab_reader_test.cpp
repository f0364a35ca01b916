#include "catalog/archives/cab_reader.h"

#include <gtest/gtest.h>

#include <random>

#include "support/zip_test_sink.h"

namespace tembrel::archives {
namespace {

using testing::FixtureBytes;
using testing::MemoryContext;
using testing::ZipTestSink;
using Names = std::vector<std::string>;

struct CabCase {
  const char* fixture;
  ReadOutcome outcome;
  Names entries;  // every item is also counted
};

class CabListing : public ::testing::TestWithParam<CabCase> {};

TEST_P(CabListing, ListsItemsAsStored) {
  const CabCase& c = GetParam();
  ZipTestSink sink;
  ReadResult r = ReadCab(MemoryContext(FixtureBytes(c.fixture), "TEST.CAB"), sink);
  EXPECT_EQ(r.outcome, c.outcome) << r.detail;
  EXPECT_EQ(sink.counted.size(), c.entries.size());
  EXPECT_EQ(sink.Names(), c.entries);
  EXPECT_EQ(r.main_comment, "");
}

const Names kPlain = {"readme.txt", "docs\\guide.txt", "Mixed Case.TXT"};

INSTANTIATE_TEST_SUITE_P(
    Fixtures, CabListing,
    ::testing::Values(CabCase{"plain.cab", ReadOutcome::Ok, kPlain},
                      CabCase{"deflate.cab", ReadOutcome::Ok, {"readme.txt", "docs\\guide.txt"}},
                      CabCase{"utf8_name.cab", ReadOutcome::Ok, {"caf\u00e9.txt"}},
                      CabCase{"cab_cp437_name.cab", ReadOutcome::Ok, {"r\u00e9adme.txt", "docs\\guide.txt", "Mixed Case.TXT"}},
                      CabCase{"cab_dos_stamps.cab", ReadOutcome::Ok, kPlain},
                      CabCase{"cab_bad_signature.cab", ReadOutcome::Failed, {}},
                      CabCase{"cab_truncated_header.cab", ReadOutcome::Failed, {}},
                      CabCase{"cab_truncated_files.cab", ReadOutcome::Failed, {}},
                      CabCase{"cab_count_too_high.cab", ReadOutcome::Failed, {}},
                      CabCase{"plain.zip", ReadOutcome::Failed, {}}),
    [](const auto& info) {
      std::string name = info.param.fixture;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(CabReader, RecordsSizeStampAndAttributes) {
  ZipTestSink sink;
  ASSERT_EQ(ReadCab(MemoryContext(FixtureBytes("plain.cab"), "TEST.CAB"), sink).outcome, ReadOutcome::Ok);
  ASSERT_EQ(sink.entries.size(), 3u);
  EXPECT_EQ(sink.entries[0].size, 16);
  EXPECT_EQ(sink.entries[1].size, 12);
  EXPECT_EQ(sink.entries[0].date, (Date{2003, 7, 4}));
  EXPECT_EQ(sink.entries[0].time, (Time{9, 5, 6}));
  EXPECT_EQ(sink.entries[0].attribute, 0x20);
  EXPECT_EQ(sink.entries[0].comment, "");
  EXPECT_EQ(sink.CountedBytes(), 29u);

  ZipTestSink patched;
  ReadCab(MemoryContext(FixtureBytes("cab_cp437_name.cab"), "TEST.CAB"), patched);
  ASSERT_FALSE(patched.entries.empty());
  EXPECT_EQ(patched.entries[0].attribute, 0x21);

  ZipTestSink utf8;
  ReadCab(MemoryContext(FixtureBytes("utf8_name.cab"), "TEST.CAB"), utf8);
  ASSERT_EQ(utf8.entries.size(), 1u);
  EXPECT_EQ(utf8.entries[0].attribute, 0xA0);  // the UTF-8 name bit is part of the stored word
  EXPECT_EQ(utf8.entries[0].date, (Date{2010, 5, 6}));
  EXPECT_EQ(utf8.entries[0].time, (Time{7, 8, 10}));
}

TEST(CabReader, StampsOnTheFloorOrImpossibleReadAsFirstOf1980) {
  ZipTestSink sink;
  ReadCab(MemoryContext(FixtureBytes("cab_dos_stamps.cab"), "TEST.CAB"), sink);
  ASSERT_EQ(sink.entries.size(), 3u);
  EXPECT_EQ(sink.entries[0].date, (Date{1980, 1, 1}));
  EXPECT_EQ(sink.entries[0].time, (Time{0, 0, 0}));
  EXPECT_EQ(sink.entries[1].date, (Date{1980, 1, 1}));  // month 13
  EXPECT_EQ(sink.entries[1].time, (Time{0, 0, 0}));
  EXPECT_EQ(sink.entries[2].date, (Date{2003, 7, 4}));
}

TEST(CabReader, SpecsSeeTheStoredNameAndOutsideTheStartFolderNothingIsRecorded) {
  ZipTestSink sink;
  sink.specs = [](std::string_view name) { return name.find('\\') == std::string_view::npos; };
  ReadCab(MemoryContext(FixtureBytes("plain.cab"), "TEST.CAB"), sink);
  EXPECT_EQ(sink.asked, kPlain);
  EXPECT_EQ(sink.Names(), (Names{"readme.txt", "Mixed Case.TXT"}));

  ZipTestSink outside;
  EXPECT_EQ(ReadCab(MemoryContext(FixtureBytes("plain.cab"), "TEST.CAB", false), outside).outcome, ReadOutcome::Ok);
  EXPECT_EQ(outside.counted.size(), 3u);
  EXPECT_TRUE(outside.asked.empty());
  EXPECT_TRUE(outside.entries.empty());
}

TEST(CabReader, StopsWhenAbortIsRequested) {
  ZipTestSink sink;
  sink.abort_after = 1;
  EXPECT_EQ(ReadCab(MemoryContext(FixtureBytes("plain.cab"), "TEST.CAB"), sink).outcome, ReadOutcome::Aborted);
  EXPECT_EQ(sink.counted.size(), 1u);
}

TEST(CabRobustness, PrefixesAndMutationsNeverCrash) {
  const unsigned seed = 1234;  // fixed so failures reproduce
  std::mt19937 rng(seed);
  std::cout << "mutation seed " << seed << "\n";
  const auto fixtures = testing::FixtureNames({".cab"});
  ASSERT_GE(fixtures.size(), 9u);
  for (const std::string& fixture : fixtures) {
    auto bytes = FixtureBytes(fixture);
    auto exercise = [](std::vector<std::byte> b) {
      ZipTestSink sink;
      ReadCab(MemoryContext(std::move(b), "TEST.CAB"), sink);
    };
    for (size_t n = 0; n <= bytes.size(); ++n) exercise(std::vector<std::byte>(bytes.begin(), bytes.begin() + n));
    for (int i = 0; i < 1000; ++i) exercise(testing::Mutate(bytes, rng));
  }
}

}  // namespace
}  // namespace tembrel::archives
