#include "catalog/archives/archive_dispatch.h"

#include <gtest/gtest.h>

#include "catalog/archives/memory_source.h"
#include "catalog/archives/reader_support.h"
#include "support/recording_archive_sink.h"

namespace tembrel::archives {
namespace {

using testing::ReadFixture;

// One sound fixture per reader, with its member count.
struct Sample {
  const char* fixture;
  size_t members;
};

class EveryReader : public ::testing::TestWithParam<Sample> {};

TEST_P(EveryReader, OutsideTheStartFolderMembersAreCountedNotRecorded) {
  const auto out = ReadFixture(GetParam().fixture, {}, /*in_start_folder=*/false);
  EXPECT_EQ(out.result.outcome, ReadOutcome::Ok) << out.result.detail;
  EXPECT_EQ(out.sink.counted, GetParam().members);
  EXPECT_TRUE(out.sink.entries.empty());
  EXPECT_TRUE(out.sink.spec_checks.empty());
}

TEST_P(EveryReader, TheSpecsDecideWhatIsRecorded) {
  testing::RecordingArchiveSink sink;
  size_t asked = 0;
  sink.specs = [&](std::string_view) { return ++asked % 2 == 0; };
  ArchiveContext ctx;
  ctx.folder_path = testing::ArchiveFixturePath("");
  ctx.archive_name = GetParam().fixture;
  const ReadResult r = ReadArchive(testing::KindForFixture(ctx.archive_name), ctx, sink, {});
  EXPECT_EQ(r.outcome, ReadOutcome::Ok);
  EXPECT_EQ(sink.counted, GetParam().members);
  EXPECT_EQ(sink.spec_checks.size(), GetParam().members);
  EXPECT_EQ(sink.entries.size(), GetParam().members / 2);
}

TEST_P(EveryReader, LetsEventsRunBetweenMembersAndStopsOnAbort) {
  const auto whole = ReadFixture(GetParam().fixture);
  EXPECT_GE(whole.sink.events, GetParam().members);

  testing::RecordingArchiveSink sink;
  sink.abort_after_events = 2;
  ArchiveContext ctx;
  ctx.folder_path = testing::ArchiveFixturePath("");
  ctx.archive_name = GetParam().fixture;
  const ReadResult r = ReadArchive(testing::KindForFixture(ctx.archive_name), ctx, sink, {});
  EXPECT_EQ(r.outcome, ReadOutcome::Aborted);
  EXPECT_EQ(sink.entries.size(), 1u);
}

TEST_P(EveryReader, AFailingDeviceFailsTheArchive) {
  const std::string name = GetParam().fixture;
  ArchiveContext ctx;
  ctx.folder_path = "/memory/";
  ctx.archive_name = name;
  const auto bytes = testing::LoadArchiveFixture(name);
  ctx.open = [&](const std::string&) -> std::unique_ptr<ArchiveSource> {
    auto src = std::make_unique<MemorySource>(bytes);
    src->FailReads();
    return src;
  };
  testing::RecordingArchiveSink sink;
  const ReadResult r = ReadArchive(testing::KindForFixture(name), ctx, sink, {});
  EXPECT_EQ(r.outcome, ReadOutcome::Failed);
  EXPECT_NE(r.detail.find("read error"), std::string::npos) << r.detail;
  EXPECT_TRUE(sink.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(
    ArchiveDispatch, EveryReader,
    ::testing::Values(Sample{"arc_two_members.arc", 2}, Sample{"pak_two_members.pak", 2},
                      Sample{"arj_two_members_unix.arj", 2}, Sample{"dwc_three_members.dwc", 3},
                      Sample{"hyp_two_members.hyp", 2}, Sample{"lbr_two_active_members.lbr", 2},
                      Sample{"lzh_level2.lzh", 2}, Sample{"lzs_two_members.lzs", 2},
                      Sample{"rar_two_members.rar", 2}, Sample{"sqz_two_members.sqz", 2},
                      Sample{"zoo_two_members.zoo", 2}),
    [](const auto& info) {
      std::string n = info.param.fixture;
      for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return n;
    });

TEST(ArchiveDispatch, AnArchiveThatCannotBeOpenedFails) {
  testing::RecordingArchiveSink sink;
  ArchiveContext ctx;
  ctx.folder_path = testing::ArchiveFixturePath("");
  ctx.archive_name = "no_such_archive.arj";
  const ReadResult r = ReadArchive(ArchiveKind::Arj, ctx, sink, {});
  EXPECT_EQ(r.outcome, ReadOutcome::Failed);
  EXPECT_EQ(r.detail, "cannot open no_such_archive.arj");
}

TEST(ArchiveDispatch, ZipAndCabHaveNoReaderHere) {
  testing::RecordingArchiveSink sink;
  ArchiveContext ctx;
  ctx.folder_path = testing::ArchiveFixturePath("");
  ctx.archive_name = "arc_two_members.arc";
  for (ArchiveKind kind : {ArchiveKind::Zip, ArchiveKind::Cab}) {
    const ReadResult r = ReadArchive(kind, ctx, sink, {});
    EXPECT_EQ(r.outcome, ReadOutcome::Failed);
    EXPECT_EQ(r.detail, "no reader");
  }
  EXPECT_EQ(sink.counted, 0u);
}

}  // namespace
}  // namespace tembrel::archives
