#include "app/main_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "app/catalog_folder_form.h"
#include "app/folders.h"
#include "app/global_tables.h"
#include "app/tips_form.h"
#include "store/catalog_tables.h"
#include "store/verify_active_catalog.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace tembrel {
namespace {

using testing::ScriptedUi;
using testing::TempDir;
using testing::UiEvent;
using testing::UiRecord;

const std::string kCatalogRequired =
    "A Catalog Must Be Selected Before This Operation Can Take Place.\r\n\r\nYou May Select A Catalog By Using The "
    "\"Select/Create/Configure Catalog\"\r\nFeature Found In The \"Settings\" Menu.";

class MainFormTest : public ::testing::Test {
 protected:
  TempDir program;
  TempDir data;
  SharedState state;
  MemorySettings settings;
  ScriptedUi ui;
  FixedClock clock{Date{2026, 12, 11}, Time{10, 30, 0}};
  std::unique_ptr<TMainForm> form;

  void Make() {
    form = std::make_unique<TMainForm>(state, settings, ui, clock);
    form->SetProgramFolderResolver([this] { return program.Str(); });
  }
  // A start-up with the data folder remembered, so no folder dialog opens.
  void StartWithDataFolder(const std::string& active_catalog = {}) {
    settings.Set("TMainForm", "DDirname.Caption", data.Str());
    settings.Set("TMainForm", "ActiveCatalogName.Caption", active_catalog);
    Make();
    form->FormShow();
  }
  // Rows numbered first .. first + n - 1.
  void AddRows(const std::string& table, int n, int first = 1) {
    const bool files = table.ends_with("_CAT");
    form->Context().db.Exec(
        "WITH RECURSIVE k(i) AS (SELECT " + std::to_string(first) + " UNION ALL SELECT i + 1 FROM k WHERE i < " +
        std::to_string(first + n - 1) +
        ") INSERT INTO " + db::Qualified(db::kData, table) +
        (files ? " (FileName, VolumeLabel) SELECT 'F' || i, 'V' FROM k"
               : " (CatalogVolumeLabel, ActualVolumeLabel) SELECT 'V' || i, 'V' || i FROM k"));
  }
  // Makes catalog `name` (definition and tables) and makes it active.
  void MakeCatalog(const std::string& name) {
    CatalogConfig config;
    config.catalog_name = name;
    InsertCatalogConfig(form->Context().db, config);
    state.active_catalog = name;
    AppContext ctx = form->Context();
    VerifyActiveCatalog(ctx, true);
  }
};

TEST_F(MainFormTest, FirstRunAsksForTheFolderAndCancelKeepsTheProgramFolder) {
  std::string opened_at;
  ui.Expect<TCatalogFolderForm>([&](TCatalogFolderForm& f) {
    opened_at = f.Folder();
    f.CancelBtnClick();
    return Button::Cancel;
  });
  Make();
  form->FormShow();

  EXPECT_EQ(opened_at, program.Str());
  EXPECT_EQ(state.program_folder, program.Str());
  EXPECT_EQ(state.data_folder, program.Str());
  EXPECT_EQ(form->DDirname(), program.Str());
  EXPECT_TRUE(ui.Messages().empty());
  for (const char* table :
       {"Categories", "TembrelOptions", "CatalogConfigs", "CustomSummaryReportDefs", "CustomFileReportDefs"})
    EXPECT_TRUE(form->Context().db.TableExists(db::kMain, table)) << table;
  EXPECT_EQ(form->ActiveCatalogNameText(), "");
  EXPECT_EQ(form->DisksInCatalogText(), "");
  EXPECT_EQ(form->FilesInCatalogText(), "");
  EXPECT_EQ(form->Caption(), "Tembrel 2003 Version 1.05A  (Created 20 October 2003)");
  EXPECT_EQ(form->TipsTitleText(), "Tembrel 2003 Tips & Tricks");
  EXPECT_EQ(form->MinimumHeight(), 375);
  EXPECT_EQ(state.current_panel, 0);
  EXPECT_EQ(form->SubOptHeaderText(), "Sub-Options");
}

TEST_F(MainFormTest, AFolderAppliedAtFirstRunHoldsTheCatalogsAndIsRememberedForTheNextRun) {
  ui.Expect<TCatalogFolderForm>([&](TCatalogFolderForm& f) {
    EXPECT_TRUE(f.OpenFolder(data.Str()));
    f.ApplyBtnClick();
    return f.ModalResult();
  });
  Make();
  form->FormShow();
  EXPECT_EQ(state.data_folder, data.Str());
  EXPECT_TRUE(std::filesystem::exists(data.Path() / kCatalogsFileName));
  EXPECT_TRUE(std::filesystem::exists(program.Path() / kGlobalFileName));
  form->SaveSettings();
  EXPECT_EQ(settings.GetString("TMainForm", "DDirname.Caption"), data.Str());

  // The next run finds the folder and asks nothing.
  form.reset();
  SharedState next;
  ScriptedUi quiet;
  TMainForm again(next, settings, quiet, clock);
  again.SetProgramFolderResolver([this] { return program.Str(); });
  again.FormShow();
  EXPECT_EQ(next.data_folder, data.Str());
  EXPECT_TRUE(quiet.Log().empty());
}

TEST_F(MainFormTest, AMissingRememberedFolderIsReportedThenTheDialogOpensAtTheProgramFolder) {
  settings.Set("TMainForm", "DDirname.Caption", "  /no/such/folder  ");
  std::string opened_at;
  ui.Expect<TCatalogFolderForm>([&](TCatalogFolderForm& f) {
    opened_at = f.Folder();
    return Button::Cancel;
  });
  Make();
  form->FormShow();
  EXPECT_EQ(ui.Log(), (std::vector<UiRecord>{
                          {UiEvent::Beep, ""},
                          {UiEvent::Error,
                           "The Folder Currently Set For The Location Of Your Catalog Data\r\n\r\n(/no/such/folder)"
                           "\r\n\r\nDoes Not Exist.  You Will Need To Select Another Location After You Close This "
                           "Dialog Box."},
                          {UiEvent::ShowModal, "TCatalogFolderForm"},
                      }));
  EXPECT_EQ(opened_at, program.Str());
  EXPECT_EQ(state.data_folder, program.Str());
}

TEST_F(MainFormTest, ARememberedCatalogWithoutTablesGetsThemCreatedAndCountsZero) {
  {
    // Put the catalog's definition in place, as an earlier run would have.
    auto db = OpenGlobalDatabase(program.Str());
    SpecCopies specs;
    EnsureGlobalTables(db, specs);
    CatalogConfig config;
    config.catalog_name = "Games";
    InsertCatalogConfig(db, config);
  }
  StartWithDataFolder("Games");
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{
                            "Cannot Find Summary File For Current Catalog - Creating A New One",
                            "Cannot Find Data File For Current Catalog - Creating A New One",
                            "Cannot Find Log File For Current Catalog - Creating A New One",
                        }));
  EXPECT_EQ(state.active_catalog, "Games");
  EXPECT_EQ(form->ActiveCatalogNameText(), "Games");
  EXPECT_EQ(form->DisksInCatalogText(), "0");
  EXPECT_EQ(form->FilesInCatalogText(), "0");
}

TEST_F(MainFormTest, ARememberedCatalogWithoutDefinitionIsDropped) {
  StartWithDataFolder("Gone");
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Cannot Find Catalog Definition - You Need To Create A New Catalog"}));
  EXPECT_EQ(state.active_catalog, "");
  EXPECT_EQ(form->ActiveCatalogNameText(), "");
  EXPECT_EQ(form->DisksInCatalogText(), "");
  form->SaveSettings();
  EXPECT_EQ(settings.GetString("TMainForm", "ActiveCatalogName.Caption", "x"), "");
}

TEST_F(MainFormTest, StatPanelsGroupThousandsAndShowErrorForATableThatCannotBeCounted) {
  StartWithDataFolder();
  MakeCatalog("Big");
  AddRows("Big_SUM", 1234);
  AddRows("Big_CAT", 12345);
  form->SetStatPanels();
  EXPECT_EQ(form->ActiveCatalogNameText(), "Big");
  EXPECT_EQ(form->DisksInCatalogText(), "1,234");
  EXPECT_EQ(form->FilesInCatalogText(), "12,345");

  form->Context().db.Exec("DROP TABLE " + db::Qualified(db::kData, "Big_CAT"));
  form->SetStatPanels();
  EXPECT_EQ(form->DisksInCatalogText(), "1,234");
  EXPECT_EQ(form->FilesInCatalogText(), "Error");
  EXPECT_TRUE(ui.Messages().empty());
}

// The guard: the panel first (even when a check then refuses), then C, then R.
struct GuardCase {
  const char* command;
  bool catalog;
  int reports;
  int panel_after;
  std::vector<UiRecord> log;
};

class GuardTest : public MainFormTest, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(GuardTest, ChecksInOrderAfterSwitchingThePanel) {
  const GuardCase& c = GetParam();
  StartWithDataFolder();
  form->SimulateBtnClick(kSettingsPanel);
  state.active_catalog = c.catalog ? "Cat" : "";
  state.open_report_count = c.reports;
  ui.ClearLog();
  form->RunCommand(c.command);
  EXPECT_EQ(ui.Log(), c.log);
  EXPECT_EQ(state.current_panel, c.panel_after);
  EXPECT_EQ(form->DownButton(), c.panel_after);
}

const UiRecord kBeep{UiEvent::Beep, ""};
const UiRecord kNeedsCatalog{UiEvent::Information, kCatalogRequired};
const UiRecord kCloseReports{UiEvent::Error, "Please Close All Open Reports First"};
const UiRecord kNotYet{UiEvent::Information, "This Feature Is Not Available Yet"};

INSTANTIATE_TEST_SUITE_P(
    Commands, GuardTest,
    ::testing::Values(
        // C is checked before R.
        GuardCase{"CatalogDisks1", false, 1, 1, {kBeep, kNeedsCatalog}},
        GuardCase{"CatalogDisks1", true, 1, 1, {kBeep, kCloseReports}},
        GuardCase{"CatalogDisks1", true, 0, 1, {kNotYet}},
        // A report opens beside an open report; it still needs a catalog.
        GuardCase{"DFilesForWildcardFilespec1", true, 1, 2, {kNotYet}},
        GuardCase{"DFilesForWildcardFilespec1", false, 0, 2, {kBeep, kNeedsCatalog}},
        // R only.
        GuardCase{"LabelADisk1", false, 0, 1, {kNotYet}},
        GuardCase{"LabelADisk1", false, 2, 1, {kBeep, kCloseReports}},
        GuardCase{"ManageCatalogs1", false, 1, 3, {kBeep, kCloseReports}},
        // Commands that leave the panel alone.
        GuardCase{"HFilesByCategory1", false, 0, 4, {kBeep, kNeedsCatalog}},
        GuardCase{"ConvertTembrelForDOSWin16Catalogs1", false, 1, 4, {kBeep, kCloseReports}},
        GuardCase{"DiagnoseRepairTembrelsTables1", false, 0, 4, {kNotYet}},
        // Help passes no check.
        GuardCase{"Contents1", false, 3, 5, {kNotYet}}));

TEST_F(MainFormTest, ARegisteredCommandRunsAndItsRefreshFollowsEvenAfterAFailure) {
  StartWithDataFolder();
  MakeCatalog("Cat");
  int runs = 0;
  form->RegisterCommand("CatalogDisks1", [&] {
    ++runs;
    AddRows("Cat_SUM", 3);
  });
  form->RunCommand("CatalogDisks1");
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(form->DisksInCatalogText(), "3");

  form->RegisterCommand("UnCatalogDisks1", [&] {
    AddRows("Cat_SUM", 2, 10);
    throw std::runtime_error("disk I/O error");
  });
  form->RunCommand("UnCatalogDisks1");
  EXPECT_EQ(ui.Log(), (std::vector<UiRecord>{kBeep, {UiEvent::Error, "disk I/O error"}}));
  EXPECT_EQ(form->DisksInCatalogText(), "5");

  // "Stat and name": a tool that switched the active catalog shows the new name.
  form->RegisterCommand("GeneralFileCleanup1", [&] { state.active_catalog = ""; });
  form->RunCommand("GeneralFileCleanup1");
  EXPECT_EQ(form->ActiveCatalogNameText(), "");
  EXPECT_EQ(form->DisksInCatalogText(), "");
}

TEST_F(MainFormTest, ExitAsksOnlyWhileReportsAreOpen) {
  StartWithDataFolder();
  int terminations = 0;
  form->SetTerminate([&] { ++terminations; });

  state.open_report_count = 1;
  ui.AnswerAsk("You Have Reports Open - Are You Sure You Want To Close This Program?", Button::No);
  form->CloseBtnClick();
  EXPECT_EQ(terminations, 0);
  EXPECT_FALSE(form->Terminated());

  ui.AnswerAsk(Button::Yes);
  form->RunCommand("ExitProgram1");
  EXPECT_EQ(terminations, 1);

  state.open_report_count = 0;
  ui.ClearLog();
  form->RunCommand("ExitProgram1");
  EXPECT_EQ(terminations, 2);
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(MainFormTest, GroupButtonsToggleTheirPanelAndSimulatedClicksOnlyPress) {
  StartWithDataFolder();
  std::vector<TMainForm::Change> changes;
  form->SetListener([&](TMainForm::Change c) { changes.push_back(c); });

  form->GroupBtnClick(kReportsPanel);
  EXPECT_EQ(state.current_panel, kReportsPanel);
  EXPECT_EQ(form->SubOptHeaderText(), "Report Sub-Options");
  form->GroupBtnClick(kToolsPanel);
  EXPECT_EQ(form->DownButton(), kToolsPanel);
  EXPECT_EQ(form->SubOptHeaderText(), "Tools Sub-Options");
  // Pressing the button that is down releases it and empties the area.
  form->GroupBtnClick(kToolsPanel);
  EXPECT_EQ(form->DownButton(), 0);
  EXPECT_EQ(state.current_panel, 0);
  EXPECT_EQ(form->SubOptHeaderText(), "Sub-Options");

  form->SimulateBtnClick(kHelpPanel);
  form->SimulateBtnClick(kHelpPanel);  // already down: stays down
  EXPECT_EQ(form->DownButton(), kHelpPanel);
  EXPECT_EQ(form->SubOptHeaderText(), "Help Sub-Options");
  form->SimulateBtnClick(7);
  EXPECT_EQ(state.current_panel, kHelpPanel);
  EXPECT_FALSE(changes.empty());
}

TEST_F(MainFormTest, FolderForCatalogsClearsTheActiveCatalogEvenForTheSameFolder) {
  StartWithDataFolder();
  state.active_catalog = "Cat";
  ui.Expect<TCatalogFolderForm>([&](TCatalogFolderForm& f) {
    EXPECT_EQ(f.Folder(), data.Str());  // opens at the remembered folder
    f.ApplyBtnClick();
    return f.ModalResult();
  });
  form->RunCommand("FolderForCatalogs1");
  EXPECT_EQ(state.active_catalog, "");
  EXPECT_EQ(state.data_folder, data.Str());
  EXPECT_EQ(form->ActiveCatalogNameText(), "");
  EXPECT_EQ(state.current_panel, kSettingsPanel);

  // Cancel changes nothing; another folder becomes the data folder.
  TempDir other;
  state.active_catalog = "Cat";
  ui.Expect<TCatalogFolderForm>([](TCatalogFolderForm& f) { f.CancelBtnClick(); });
  form->RunCommand("FolderForCatalogs1");
  EXPECT_EQ(state.active_catalog, "Cat");
  ui.Expect<TCatalogFolderForm>([&](TCatalogFolderForm& f) {
    ASSERT_TRUE(f.OpenFolder(other.Str()));
    f.ApplyBtnClick();
  });
  form->RunCommand("FolderForCatalogs1");
  EXPECT_EQ(state.data_folder, other.Str());
  EXPECT_EQ(form->DDirname(), other.Str());
  EXPECT_TRUE(std::filesystem::exists(other.Path() / kCatalogsFileName));
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(MainFormTest, RememberedValuesSurviveARestart) {
  StartWithDataFolder();
  form->Appearance().main_opt.from = Colour::Rgb(1, 2, 3);
  form->Appearance().ac_header.bold = true;
  form->Appearance().main_opt_visible = false;
  form->Placement() = {true, 10, 20, 800, 600, true};
  ui.Expect<TTipsForm>([](TTipsForm& f) {
    EXPECT_EQ(f.Title(), "Tembrel 2003 Tips & Tricks");
    EXPECT_TRUE(f.show_at_start);
    f.show_at_start = false;
  });
  form->RunCommand("TipsTricks1");
  form->SaveSettings();

  SharedState next;
  TMainForm again(next, settings, ui, clock);
  EXPECT_EQ(again.Appearance(), form->Appearance());
  EXPECT_FALSE(again.TipsShowAtStart());
  EXPECT_TRUE(again.Placement().known);
  EXPECT_TRUE(again.Placement().maximized);
  EXPECT_EQ(again.Placement().width, 800);
  EXPECT_EQ(again.DDirname(), data.Str());
  again.SetProgramFolderResolver([this] { return program.Str(); });
  again.FormShow();
  EXPECT_EQ(again.MinimumHeight(), 110);  // the main options are hidden
}

TEST(MainFormLayout, MainOptionButtonsShareTheColumn) {
  auto r = MainOptButtonLayout(360, 130);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(r[i].height, 50);
    EXPECT_EQ(r[i].top, 37 + i * 54);
    EXPECT_EQ(r[i].left, 6);
    EXPECT_EQ(r[i].width, 118);
  }
  EXPECT_EQ(MainOptButtonLayout(365, 130)[5].top, 37 + 5 * 54);  // div rounds down
  EXPECT_EQ(MainOptButtonLayout(40, 130)[0].height, 0);          // never negative
}

TEST(MainFormLayout, SubPanelButtonsFillTwoColumnsRowByRow) {
  auto r = SubPanelButtonLayout(423, 461, 12);
  ASSERT_EQ(r.size(), 12u);
  EXPECT_EQ(r[0], (ButtonRect{6, 6, 211, 60}));
  EXPECT_EQ(r[1], (ButtonRect{461 - 5 - 235, 6, 235, 60}));
  EXPECT_EQ(r[11], (ButtonRect{221, 6 + 5 * 64, 235, 60}));
  // The gap between the columns is 4 to 5 pixels at any width.
  for (int w = 200; w < 1200; w += 37) {
    auto b = SubPanelButtonLayout(423, w, 2);
    int gap = b[1].left - (b[0].left + b[0].width);
    EXPECT_GE(gap, 4) << w;
    EXPECT_LE(gap, 5) << w;
  }
  // Fifteen buttons take eight rows in the same span as six.
  auto reports = SubPanelButtonLayout(423, 461, 15);
  EXPECT_EQ(reports[14].top + reports[14].height, 6 + 7 * (reports[0].height + 4) + reports[0].height);
  EXPECT_LE(reports[14].top + reports[14].height, r[11].top + r[11].height);
}

}  // namespace
}  // namespace tembrel
