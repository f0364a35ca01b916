#include <gtest/gtest.h>

#include <string>

#include "app/folders.h"
#include "app/global_tables.h"
#include "app/include_exclude_form.h"
#include "app/tools_settings_form.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace tembrel {
namespace {

using testing::ScriptedUi;
using testing::UiEvent;
using testing::UiRecord;

struct SpecFormsTest : ::testing::Test {
  testing::TempDir dir;
  SharedState state;
  db::Database db = OpenGlobalDatabase(dir.Str());
  ScriptedUi ui;
  MemorySettings settings;
  FixedClock clock{Date{2026, 12, 11}, Time{10, 30, 0}};
  AppContext ctx{state, db, ui, settings, clock};

  SpecFormsTest() { EnsureGlobalTables(db, state.specs); }
  SpecCopies Stored() {
    SpecCopies s;
    LoadSpecCopies(db, s);
    return s;
  }
  // Makes every statement fail from now on, as a locked or damaged table would.
  void BreakTable() { db.Exec("DROP TABLE \"TembrelOptions\""); }
};

TEST_F(SpecFormsTest, IncludeExcludeSaveWritesTheTrimmedEntries) {
  TIncludeExcludeForm form(ctx);
  form.SetIncludeSpec(0, "  *.DOC  ");
  form.SetIncludeSpec(19, std::string(300, 'x'));
  form.SetExcludeSpec(3, "\\TEMP\\*");
  EXPECT_EQ(form.IncludeSpec(0), "*.DOC");
  EXPECT_EQ(form.IncludeSpec(19), std::string(250, 'x'));
  form.SaveBtnClick();
  EXPECT_EQ(form.ModalResult(), Button::Ok);
  SpecCopies stored = Stored();
  EXPECT_EQ(stored.include[0], "*.DOC");
  EXPECT_EQ(stored.include[19], std::string(250, 'x'));
  EXPECT_EQ(stored.exclude[3], "\\TEMP\\*");
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(SpecFormsTest, IncludeExcludeCancelRestoresAndOtherClosingKeepsTheEditsUnwritten) {
  state.specs.include[0] = "*.TXT";
  SaveIncludeExclude(db, state.specs);
  {
    TIncludeExcludeForm form(ctx);
    form.SetIncludeSpec(0, "*.BAK");
    form.CancelBtnClick();
    EXPECT_EQ(form.ModalResult(), Button::Cancel);
    EXPECT_EQ(state.specs.include[0], "*.TXT");
  }
  {
    TIncludeExcludeForm form(ctx);
    form.SetIncludeSpec(0, "*.BAK");
    form.FormClose();  // the close box
    EXPECT_EQ(state.specs.include[0], "*.BAK");
    EXPECT_EQ(Stored().include[0], "*.TXT");
  }
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(SpecFormsTest, IncludeExcludeFailuresAreReportedAndTheEditsStay) {
  TIncludeExcludeForm form(ctx);
  form.SetExcludeSpec(0, "*.TMP");
  BreakTable();
  form.SaveBtnClick();
  EXPECT_EQ(form.ModalResult(), Button::Ok);  // closes all the same
  EXPECT_EQ(state.specs.exclude[0], "*.TMP");

  TIncludeExcludeForm again(ctx);
  again.SetExcludeSpec(1, "*.OLD");
  again.CancelBtnClick();
  EXPECT_EQ(state.specs.exclude[0], "*.TMP");
  EXPECT_EQ(state.specs.exclude[1], "*.OLD");
  EXPECT_EQ(ui.Log(), (std::vector<UiRecord>{{UiEvent::Beep, ""},
                                             {UiEvent::Error, "Error Saving Include/Exclude Specs"},
                                             {UiEvent::Beep, ""},
                                             {UiEvent::Error, "Error Restoring Original Include/Exclude Specs"}}));
}

TEST_F(SpecFormsTest, ToolsSettingsSaveWritesSpecsUpperCasedAndTheDriveBoxes) {
  state.specs.squelch_drive[2] = true;
  TToolsSettingsForm form(ctx);
  EXPECT_TRUE(form.drv[2]);  // loaded when the dialog opens
  form.SetSquelchSpec(0, "  backup01 ");
  form.SetSquelchSpec(39, "abcdefghijklmnop");
  form.SetDCSquelchSpec(5, "café*");
  form.drv[2] = false;
  form.drv[25] = true;
  form.dc_drv[0] = true;
  EXPECT_FALSE(state.specs.squelch_drive[25]);  // the boxes go in on Save only
  form.SaveBtnClick();
  form.FormClose();
  EXPECT_EQ(form.ModalResult(), Button::Ok);
  SpecCopies stored = Stored();
  EXPECT_EQ(stored.squelch[0], "BACKUP01");
  EXPECT_EQ(stored.squelch[39], "ABCDEFGHIJK");
  EXPECT_EQ(stored.dc_squelch[5], "CAFÉ*");
  EXPECT_FALSE(stored.squelch_drive[2]);
  EXPECT_TRUE(stored.squelch_drive[25]);
  EXPECT_TRUE(stored.dc_squelch_drive[0]);
  EXPECT_EQ(state.specs.squelch[0], "BACKUP01");
  EXPECT_EQ(TToolsSettingsForm::DriveCaption(0), "Drive A:");
  EXPECT_EQ(TToolsSettingsForm::DriveCaption(25), "Drive Z:");
}

TEST_F(SpecFormsTest, ToolsSettingsClosedWithoutSaveRestoresOnlyTheSquelchCopies) {
  state.specs.squelch[0] = "KEEP";
  SaveSquelchSettings(db, state.specs);
  state.specs.include[0] = "*.EDITED";  // an unsaved include edit of this run
  TToolsSettingsForm form(ctx);
  form.SetSquelchSpec(0, "changed");
  form.SetDCSquelchSpec(0, "changed");
  form.CancelBtnClick();
  form.FormClose();
  EXPECT_EQ(state.specs.squelch[0], "KEEP");
  EXPECT_EQ(state.specs.dc_squelch[0], "");
  EXPECT_EQ(state.specs.include[0], "*.EDITED");
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(SpecFormsTest, ToolsSettingsFailuresAreReportedAndTheEditsStay) {
  BreakTable();
  {
    TToolsSettingsForm form(ctx);
    form.SetSquelchSpec(1, "vol");
    form.drv[3] = true;
    form.SaveBtnClick();
    form.FormClose();  // saved: no reload even though the write failed
    EXPECT_EQ(state.specs.squelch[1], "VOL");
    EXPECT_TRUE(state.specs.squelch_drive[3]);
  }
  {
    TToolsSettingsForm form(ctx);
    form.SetSquelchSpec(2, "other");
    form.FormClose();
    EXPECT_EQ(state.specs.squelch[2], "OTHER");
  }
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Error Saving Include/Exclude Specs",
                                                  "Error Restoring Original Include/Exclude Specs"}));
  EXPECT_EQ(ui.Beeps(), 2);
}

}  // namespace
}  // namespace tembrel
