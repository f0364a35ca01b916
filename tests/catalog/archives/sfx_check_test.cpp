#include "catalog/archives/sfx_check.h"

#include <gtest/gtest.h>

#include "support/zip_test_sink.h"

namespace tembrel::archives {
namespace {

using testing::FixtureBytes;
using testing::MemoryContext;
using testing::ZipTestSink;

TEST(SfxPlan, ProbesOnlyWhenTheRunWouldExpand) {
  struct Case {
    ExpandSetting run;
    bool in_start;
    SfxPlan plan;
  };
  for (const Case& c : std::vector<Case>{
           {ExpandSetting::Always, true, SfxPlan::Probe},
           {ExpandSetting::Always, false, SfxPlan::Probe},
           {ExpandSetting::OnDemand, true, SfxPlan::Probe},
           {ExpandSetting::OnDemand, false, SfxPlan::Nothing},
           {ExpandSetting::Never, true, SfxPlan::CommentOnly},
           {ExpandSetting::Never, false, SfxPlan::Nothing},
       })
    EXPECT_EQ(PlanSelfExtracting(c.run, c.in_start), c.plan) << int(c.run) << c.in_start;
}

TEST(SfxAnswer, EachButtonAndItsEffectOnTheRunValue) {
  struct Case {
    Button answer;
    bool expand, abort;
    ExpandSetting run_after;
  };
  for (const Case& c : std::vector<Case>{
           {Button::Yes, true, false, ExpandSetting::OnDemand},
           {Button::No, false, false, ExpandSetting::OnDemand},
           {Button::YesToAll, true, false, ExpandSetting::Always},
           {Button::NoToAll, false, false, ExpandSetting::Never},
           {Button::Cancel, false, true, ExpandSetting::OnDemand},
           {Button::None, false, false, ExpandSetting::OnDemand},  // the box closed
       }) {
    ExpandSetting run = ExpandSetting::OnDemand;
    SfxAnswer a = ApplySfxAnswer(c.answer, run);
    EXPECT_EQ(a.expand, c.expand) << int(c.answer);
    EXPECT_EQ(a.abort, c.abort) << int(c.answer);
    EXPECT_EQ(run, c.run_after) << int(c.answer);
  }
}

TEST(ExpandSetting, ParsesTheCatalogTexts) {
  EXPECT_EQ(ParseExpandSetting("Never"), ExpandSetting::Never);
  EXPECT_EQ(ParseExpandSetting("Always"), ExpandSetting::Always);
  EXPECT_EQ(ParseExpandSetting("On Demand"), ExpandSetting::OnDemand);
  EXPECT_FALSE(ParseExpandSetting("on demand"));
}

// One check on a fixture, recording the question and the panel texts.
struct SfxRun {
  SfxCheckResult result;
  ZipTestSink sink;
  std::vector<std::string> questions, panel;
  ExpandSetting run_after;
};

SfxRun Check(const char* fixture, ExpandSetting run_value, bool in_start, Button answer = Button::None) {
  SfxRun r;
  ArchiveContext context = MemoryContext(FixtureBytes(fixture), "SETUP.EXE", in_start);
  r.result = CheckSelfExtracting(
      context, r.sink, run_value,
      [&](std::string_view q) {
        r.questions.emplace_back(q);
        return answer;
      },
      [&](std::string_view text) { r.panel.emplace_back(text); });
  r.run_after = run_value;
  return r;
}

const char* kStored = "  Main archive comment  \r\nsecond line";
const char* kTrimmed = "Main archive comment  \r\nsecond line";

TEST(CheckSelfExtracting, NeverTakesTheCommentOnlyInTheStartFolder) {
  SfxRun r = Check("sfx_unadjusted.exe", ExpandSetting::Never, true);
  EXPECT_EQ(r.result.comment, kStored);
  EXPECT_FALSE(r.result.expanded);
  EXPECT_TRUE(r.questions.empty());
  EXPECT_EQ(r.panel, (std::vector<std::string>{"Checking For Main SFX Comment In SETUP.EXE", ""}));
  EXPECT_TRUE(r.sink.counted.empty());

  SfxRun plain = Check("not_sfx.exe", ExpandSetting::Never, true);
  EXPECT_EQ(plain.result.comment, "");  // a failure leaves the comment empty

  SfxRun outside = Check("sfx_unadjusted.exe", ExpandSetting::Never, false);
  EXPECT_FALSE(outside.result.comment);
  EXPECT_TRUE(outside.panel.empty());
}

TEST(CheckSelfExtracting, AlwaysExpandsWithoutAsking) {
  SfxRun r = Check("sfx_adjusted.exe", ExpandSetting::Always, true);
  EXPECT_TRUE(r.result.expanded);
  EXPECT_EQ(r.result.listing.outcome, ReadOutcome::Ok);
  EXPECT_EQ(r.result.comment, kTrimmed);
  EXPECT_TRUE(r.questions.empty());
  EXPECT_EQ(r.sink.entries.size(), 4u);
  EXPECT_EQ(r.panel, (std::vector<std::string>{"Checking For SFX In SETUP.EXE", " SETUP.EXE", ""}));

  // Outside the start folder its members are counted, not recorded.
  SfxRun outside = Check("sfx_adjusted.exe", ExpandSetting::Always, false);
  EXPECT_TRUE(outside.result.expanded);
  EXPECT_EQ(outside.sink.counted.size(), 5u);
  EXPECT_TRUE(outside.sink.entries.empty());
}

TEST(CheckSelfExtracting, AProgramThatIsNoZipIsLeftAlone) {
  SfxRun r = Check("not_sfx.exe", ExpandSetting::OnDemand, true, Button::Yes);
  EXPECT_FALSE(r.result.comment);
  EXPECT_FALSE(r.result.expanded);
  EXPECT_TRUE(r.questions.empty());
  EXPECT_EQ(r.panel, (std::vector<std::string>{"Checking For SFX In SETUP.EXE", ""}));
}

TEST(CheckSelfExtracting, OnDemandAsksAndFollowsTheAnswer) {
  struct Case {
    Button answer;
    bool expanded, abort;
    const char* comment;
    ExpandSetting run_after;
  };
  for (const Case& c : std::vector<Case>{
           {Button::Yes, true, false, kTrimmed, ExpandSetting::OnDemand},
           {Button::YesToAll, true, false, kTrimmed, ExpandSetting::Always},
           {Button::No, false, false, kStored, ExpandSetting::OnDemand},
           {Button::NoToAll, false, false, kStored, ExpandSetting::Never},
           {Button::Cancel, false, true, kStored, ExpandSetting::OnDemand},
       }) {
    SfxRun r = Check("sfx_unadjusted.exe", ExpandSetting::OnDemand, true, c.answer);
    EXPECT_EQ(r.questions, (std::vector<std::string>{"Expand SFX ZIP Archive SETUP.EXE?"}));
    EXPECT_EQ(r.result.expanded, c.expanded) << int(c.answer);
    EXPECT_EQ(r.result.abort, c.abort) << int(c.answer);
    EXPECT_EQ(r.result.comment, c.comment) << int(c.answer);
    EXPECT_EQ(r.run_after, c.run_after) << int(c.answer);
    EXPECT_EQ(r.sink.entries.size(), c.expanded ? 4u : 0u) << int(c.answer);
  }
}

}  // namespace
}  // namespace tembrel::archives
