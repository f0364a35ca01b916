// The test double itself: a prompt nobody scripted must fail the test that caused it.
#include "support/scripted_ui.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "app/tips_form.h"

namespace tembrel {
namespace {

using testing::ScriptedUi;
using testing::UiEvent;
using testing::UiRecord;

struct OtherForm : Form {
  std::string_view ClassName() const override { return "OtherForm"; }
};

TEST(ScriptedUi, RecordsEverythingInOrderAndAnswersFromTheScript) {
  ScriptedUi ui;
  ui.AnswerAsk("Delete It?", Button::Yes).AnswerAsk(Button::No);
  BeepError(ui, "Bad");
  ui.Information("Note");
  EXPECT_EQ(ui.Ask("Delete It?"), Button::Yes);
  EXPECT_EQ(ui.Ask("Anything", true), Button::No);
  ui.Progress().ShowForm("Working", true);
  ui.Progress().ShowForm("Ignored", false);
  ui.Progress().HideForm();
  ui.Message().ShowMsg("Wait");
  ui.Message().RemoveMsg();
  auto extra = ui.NewProgressWindow();
  extra->ShowForm("Report", false);
  EXPECT_EQ(ui.Log(), (std::vector<UiRecord>{{UiEvent::Beep, ""},
                                             {UiEvent::Error, "Bad"},
                                             {UiEvent::Information, "Note"},
                                             {UiEvent::Ask, "Delete It?"},
                                             {UiEvent::Ask, "Anything"},
                                             {UiEvent::ProgressShown, "Working"},
                                             {UiEvent::ProgressHidden, "Working"},
                                             {UiEvent::MessageShown, "Wait"},
                                             {UiEvent::MessageRemoved, ""},
                                             {UiEvent::ProgressShown, "Report"}}));
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Bad", "Note", "Delete It?", "Anything"}));
  EXPECT_EQ(ui.Beeps(), 1);
  EXPECT_EQ(ui.ScriptedProgress().Captions(), (std::vector<std::string>{"Working"}));
}

TEST(ScriptedUi, DialogsGoToTheExpectationOfTheirClassAndCloseLikeTheWindowLayer) {
  ScriptedUi ui;
  int seen = 0;
  ui.Expect<TTipsForm>([&](TTipsForm& f) {
    ++seen;
    f.NextBtnClick();
    f.CloseBtnClick();
  }, 2);
  ui.Expect<OtherForm>([](OtherForm&) { return Button::Cancel; });
  TTipsForm tips("T", true);
  OtherForm other;
  EXPECT_EQ(ui.ShowModal(tips), Button::Ok);
  EXPECT_EQ(ui.ShowModal(other), Button::Cancel);
  EXPECT_EQ(ui.ShowModal(tips), Button::Ok);
  EXPECT_EQ(seen, 2);
  EXPECT_EQ(tips.Index(), 2);
}

TEST(ScriptedUi, PressesCancelWhenTheGaugeGetsThere) {
  ScriptedUi ui;
  ui.ScriptedProgress().CancelAtPosition(50);
  ui.Progress().ShowForm("Copying", true);
  ui.Progress().SetPosition(49);
  EXPECT_FALSE(ui.Progress().CancelRequested());
  ui.Progress().SetPosition(50);
  EXPECT_TRUE(ui.Progress().CancelRequested());
  int pumps = 0;
  ui.OnProcessEvents([&] { ++pumps; });
  ui.ProcessEvents();
  EXPECT_EQ(pumps, 1);
  EXPECT_EQ(ui.ProcessEventsCalls(), 1);
}

TEST(ScriptedUi, WhatNobodyScriptedFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedUi ui;
        EXPECT_EQ(ui.Ask("Are You Sure?"), Button::No);
      },
      "Unexpected question: \"Are You Sure?\"");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedUi ui;
        OtherForm f;
        EXPECT_EQ(ui.ShowModal(f), Button::Cancel);
      },
      "Unexpected dialog: OtherForm");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedUi ui;
        ui.AnswerAsk("One", Button::Yes);
        ui.Ask("Two");
      },
      "not the one scripted");
  EXPECT_NONFATAL_FAILURE({ ScriptedUi ui; ui.AnswerAsk(Button::Yes); }, "never asked for");
  EXPECT_NONFATAL_FAILURE({ ScriptedUi ui; ui.Expect<OtherForm>([](OtherForm&) {}); },
                          "Expected dialog tembrel::(anonymous namespace)::OtherForm was not opened");
}

}  // namespace
}  // namespace tembrel
