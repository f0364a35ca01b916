#include "store/select_catalog_form.h"

#include <gtest/gtest.h>

#include "store/catalog_config.h"
#include "store/catalog_fsize_form.h"
#include "store/catalog_options_form.h"
#include "store/new_catalog_form.h"
#include "store/rename_catalog_form.h"
#include "store/resize_warning_form.h"
#include "store/verify_active_catalog.h"
#include "support/catalog_fixture.h"

namespace tembrel {
namespace {

using Full = TSelectCatalogForm::Mode;

class CatalogFormsTest : public ::testing::Test, public testing::AppFixture {
 protected:
  // A catalog with its tables, made the way the program makes one.
  void Make(const std::string& name, FieldWidths w = {64, 64, 32}) {
    std::string keep = state.active_catalog;
    state.active_catalog = name;
    ASSERT_TRUE(CreateCatalogConfig(ctx, w, false));
    VerifyActiveCatalog(ctx, true);
    state.active_catalog = keep;
  }
  void AddFile(const std::string& catalog, const std::string& file, const std::string& folder = "\\",
               const std::string& comment = "") {
    db::Statement st(db, "INSERT INTO " + db::Qualified(db::kData, CatTable(catalog)) +
                             " (FileName, VolumeLabel, FolderName, ArchiveID, CategoryCode, Comment) VALUES (?, 'DISK1', ?, '', 'GAME', ?)");
    st.Bind(1, file).Bind(2, folder).Bind(3, comment);
    st.Run();
  }
  void ExpectOptionsDialogFor(const std::string& name) {
    ui.Expect<TCatalogOptionsForm>([name](TCatalogOptionsForm& f) {
      EXPECT_EQ(f.config.catalog_name, name);
      EXPECT_EQ(f.header, "Current Catalog = \"" + name + "\"");
      return Button::Cancel;
    });
  }
};

TEST_F(CatalogFormsTest, NewCatalogIsCreatedTrimmedAndDoesNotBecomeActive) {
  Make("Old");
  state.active_catalog = "Old";
  TSelectCatalogForm form(ctx, Full::Full);
  ui.Expect<TNewCatalogForm>([](TNewCatalogForm& f) {
    f.name = "  Games  ";
    f.widths = {100, 80, 40};
    f.CreateClick();
    return f.modal_result;
  });
  ExpectOptionsDialogFor("Games");
  form.NewCatalogClick();
  EXPECT_TRUE(ui.AllDialogsShown());
  EXPECT_EQ(state.active_catalog, "Old");
  EXPECT_EQ(form.HighlightedName(), "Games");
  EXPECT_EQ(LoadCatalogConfig(db, "Games")->widths, (FieldWidths{100, 80, 40}));
  EXPECT_EQ(db::DeclaredWidth(db, db::kData, "Games_CAT", "FileName"), 100);
  EXPECT_TRUE(db.TableExists(db::kData, "Games_LOG"));
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(CatalogFormsTest, NewCatalogChecksItsName) {
  Make("Games");
  TNewCatalogForm f(ctx);
  f.name = "   ";
  f.CreateClick();
  EXPECT_TRUE(f.focus_name);
  f.name = "GAMES";
  f.CreateClick();
  EXPECT_EQ(f.modal_result, Button::None);
  EXPECT_EQ(ui.log, (std::vector<std::string>{"Beep", "Error: Please Specify A Catalog Name", "Beep",
                                              "Error: A Catalog By This Name Already Exists"}));
}

TEST_F(CatalogFormsTest, RenameChecksItsName) {
  Make("Games");
  Make("Music");
  const std::pair<const char*, const char*> cases[] = {
      {"  ", "Error: Please Specify A New Catalog Name."},
      {"Games", "Error: New Catalog Name Cannot Be The Same As The Old Catalog Name."},
      {"gAMES", "Error: New Catalog Name Already Exists."},
      {"music", "Error: New Catalog Name Already Exists."},
  };
  for (auto [typed, message] : cases) {
    ui.log.clear();
    TRenameCatalogForm f(ctx, "Games");
    f.new_name = typed;
    f.OkClick();
    EXPECT_EQ(f.modal_result, Button::None) << typed;
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{message}) << typed;
  }
}

TEST_F(CatalogFormsTest, RenamingTheActiveCatalogMovesTablesRowsAndActiveName) {
  Make("Games");
  AddFile("Games", "DOOM.EXE", "\\GAMES", "shareware");
  state.active_catalog = "Games";
  TSelectCatalogForm form(ctx, Full::Full);
  ui.Expect<TRenameCatalogForm>([](TRenameCatalogForm& f) {
    f.new_name = " Play ";
    f.OkClick();
    return f.modal_result;
  });
  form.RenameCatalogClick();
  EXPECT_EQ(state.active_catalog, "Play");
  EXPECT_EQ(form.HighlightedName(), "Play");
  EXPECT_FALSE(LoadCatalogConfig(db, "Games"));
  EXPECT_TRUE(LoadCatalogConfig(db, "Play"));
  EXPECT_FALSE(db.TableExists(db::kData, "Games_CAT"));
  EXPECT_EQ(db.CountRows(db::kData, "Play_CAT"), 1);
  EXPECT_EQ(db::GetVersion(db, db::kData, "Play_SUM"), kSummaryStamp);
  // Verifying afterwards finds everything in place: no table is made anew.
  VerifyActiveCatalog(ctx, false);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(CatalogFormsTest, FailedRenameChangesNothing) {
  Make("Games");
  AddFile("Games", "DOOM.EXE");
  state.active_catalog = "Games";
  // Fail at each point of the rename in turn: always all or nothing.
  int failures = 0;
  for (int step = 1; step <= 200; ++step) {
    ui.log.clear();
    TSelectCatalogForm form(ctx, Full::Full);
    ui.Expect<TRenameCatalogForm>([&](TRenameCatalogForm& f) {
      f.new_name = "Play";
      f.OkClick();
      db.FailAfterSteps(step);
      return f.modal_result;
    });
    form.RenameCatalogClick();
    db.FailAfterSteps(0);
    if (state.active_catalog == "Play") break;  // the rename got through: no more failure points
    ++failures;
    EXPECT_EQ(ui.log.size(), 3u) << step;       // the dialog, a beep and one error message
    EXPECT_TRUE(LoadCatalogConfig(db, "Games")) << step;
    EXPECT_FALSE(LoadCatalogConfig(db, "Play")) << step;
    for (const char* t : {"Games_SUM", "Games_CAT", "Games_LOG"}) EXPECT_TRUE(db.TableExists(db::kData, t)) << step;
    EXPECT_EQ(db.CountRows(db::kData, "Games_CAT"), 1);
    EXPECT_EQ(state.active_catalog, "Games");
  }
  EXPECT_EQ(state.active_catalog, "Play");
  EXPECT_GE(failures, 10);
}

TEST_F(CatalogFormsTest, DeletingTheActiveCatalogRemovesItsTablesAndLeavesNoneActive) {
  Make("Games");
  AddFile("Games", "DOOM.EXE");
  state.active_catalog = "Games";
  TSelectCatalogForm form(ctx, Full::Full);
  ui.answers = {Button::Yes};
  form.DeleteCatalogClick();
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{
                               "Ask: Warning:  This Operation Cannot Be Undone.\rAre You Sure You Want To Delete The "
                               "Catalog Named \"Games\"?"}));
  EXPECT_TRUE(state.active_catalog.empty());
  EXPECT_TRUE(form.Rows().empty());
  EXPECT_FALSE(db.TableExists(db::kData, "Games_CAT"));
  Make("Games");
  EXPECT_EQ(db.CountRows(db::kData, "Games_CAT"), 0);
}

TEST_F(CatalogFormsTest, DeleteAnsweredNoKeepsTheCatalog) {
  Make("Games");
  TSelectCatalogForm form(ctx, Full::Full);
  ui.answers = {Button::No};
  form.DeleteCatalogClick();
  EXPECT_EQ(form.Rows().size(), 1u);
}

TEST_F(CatalogFormsTest, EveryOperationOnAnEmptyListSaysSo) {
  TSelectCatalogForm form(ctx, Full::Full);
  for (auto op : {&TSelectCatalogForm::SelectCatalogClick, &TSelectCatalogForm::CatalogOptionsClick,
                  &TSelectCatalogForm::DeleteCatalogClick, &TSelectCatalogForm::RenameCatalogClick,
                  &TSelectCatalogForm::AdjustSizesClick}) {
    ui.log.clear();
    (form.*op)();
    EXPECT_EQ(ui.log, (std::vector<std::string>{"Beep", "Error: No Catalogs Have Been Defined Yet"}));
  }
  form.RowDoubleClick(0);
  EXPECT_EQ(form.modal_result, Button::None);
}

TEST_F(CatalogFormsTest, SelectMakesTheCatalogActiveInFullModeOnly) {
  Make("Games");
  db.Exec("UPDATE CatalogConfigs SET LastVolumeLabel = '  DISK09  '");
  {
    TSelectCatalogForm picker(ctx, Full::Picker);
    picker.SelectCatalogClick();
    EXPECT_EQ(picker.modal_result, Button::Ok);
    EXPECT_TRUE(state.active_catalog.empty());
  }
  TSelectCatalogForm form(ctx, Full::Full);
  form.RowDoubleClick(0);
  EXPECT_EQ(form.modal_result, Button::Ok);
  EXPECT_EQ(state.active_catalog, "Games");
  EXPECT_EQ(state.last_volume_label, "DISK09");
}

TEST_F(CatalogFormsTest, OptionsAreSavedAndFormatsSetTogether) {
  Make("Games");
  ui.Expect<TCatalogOptionsForm>([](TCatalogOptionsForm& f) {
    f.SelectAllFormatsClick();
    EXPECT_TRUE(f.config.do_arj && f.config.do_zoo && f.config.do_cab);
    f.ClearAllFormatsClick();
    EXPECT_FALSE(f.config.do_zip || f.config.do_cab);
    f.config.do_rar = true;
    f.config.expand_archives = "On Demand";
    f.config.keep_activity_log = true;
    f.SaveOptionsClick();
    return f.modal_result;
  });
  TSelectCatalogForm form(ctx, Full::Full);
  form.CatalogOptionsClick();
  auto c = LoadCatalogConfig(db, "Games");
  EXPECT_TRUE(c->do_rar && c->keep_activity_log);
  EXPECT_FALSE(c->do_zip);
  EXPECT_EQ(c->expand_archives, "On Demand");
}

TEST_F(CatalogFormsTest, MinimumWidthsComeFromTheLongestValues) {
  Make("Games");
  TCatalogFSizeForm empty(ctx, "Games", {64, 64, 32});
  ASSERT_TRUE(empty.DetermineMinimums());
  EXPECT_EQ(empty.minimums, (FieldWidths{16, 16, 16}));
  EXPECT_TRUE(ui.message.history.empty());

  AddFile("Games", std::string(37, 'N'), "\\" + std::string(20, 'F'));
  TCatalogFSizeForm f(ctx, "Games", {64, 64, 32});
  ASSERT_TRUE(f.DetermineMinimums());
  EXPECT_EQ(ui.message.history, std::vector<std::string>{"Determining Minimum Settings"});
  EXPECT_EQ(f.minimums, (FieldWidths{37, 21, 16}));
  EXPECT_EQ(f.range_labels[0], "(37 to 200)");
  EXPECT_EQ(f.range_labels[2], "(16 to 90)");
  EXPECT_EQ(f.labels[0], "Maximum Filename Length (Currently 64):");
  EXPECT_EQ(f.header, "Adjusting Sizes For Catalog \"Games\"");
  EXPECT_FALSE(f.SetEntry(0, 36));
  EXPECT_TRUE(f.SetEntry(0, 37));
  EXPECT_FALSE(f.SetEntry(2, 91));
  f.UseMinimumsClick();
  EXPECT_EQ(f.entries, (FieldWidths{37, 21, 16}));
}

TEST_F(CatalogFormsTest, AdjustSizesRestructuresKeepingEveryRowAndWritesTheRow) {
  Make("Games");
  AddFile("Games", "DOOM.EXE", "\\GAMES", "the classic");
  int64_t old_tag = 0;
  {
    db::Statement tag(db, "SELECT Tag FROM Data.Games_CAT");
    ASSERT_TRUE(tag.Step());
    old_tag = tag.Int(0);
  }
  ui.Expect<TCatalogFSizeForm>([](TCatalogFSizeForm& f) {
    EXPECT_TRUE(f.SetEntry(0, 150));
    EXPECT_TRUE(f.SetEntry(2, 90));
    f.AdjustClick();
    return f.modal_result;
  });
  TSelectCatalogForm form(ctx, Full::Full);
  form.AdjustSizesClick();
  EXPECT_EQ(ui.progress.Caption(), "Adjusting Catalog Table To Accommodate New Settings");
  EXPECT_FALSE(ui.progress.CancelAllowed());
  EXPECT_EQ(LoadCatalogConfig(db, "Games")->widths, (FieldWidths{150, 64, 90}));
  EXPECT_EQ(form.Rows()[0].widths, (FieldWidths{150, 64, 90}));
  EXPECT_EQ(db::DeclaredWidth(db, db::kData, "Games_CAT", "FileName"), 150);
  db::Statement st(db, "SELECT FileName, Comment, CategoryCode, Tag FROM Data.Games_CAT");
  ASSERT_TRUE(st.Step());
  EXPECT_EQ(st.Text(0), "DOOM.EXE");
  EXPECT_EQ(st.Text(1), "the classic");
  EXPECT_EQ(st.Text(2), "GAME");
  EXPECT_EQ(st.Int(3), old_tag);
}

TEST_F(CatalogFormsTest, FailedAdjustLeavesTheCatalogAsItWas) {
  Make("Games");
  AddFile("Games", "DOOM.EXE");
  ui.Expect<TCatalogFSizeForm>([&](TCatalogFSizeForm& f) {
    f.SetEntry(0, 150);
    db.FailAfterSteps(8);
    f.AdjustClick();
    EXPECT_EQ(f.modal_result, Button::None);  // the dialog stays open
    return Button::Cancel;
  });
  AdjustCatalogSizes(ctx, "Games");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{
                               "Error: Error Restructuring Catalog File - You May Need To Restore A Backup Copy"});
  EXPECT_EQ(db::DeclaredWidth(db, db::kData, "Games_CAT", "FileName"), 64);
  EXPECT_EQ(LoadCatalogConfig(db, "Games")->widths.file_name, 64);
  EXPECT_EQ(db.CountRows(db::kData, "Games_CAT"), 1);
}

TEST_F(CatalogFormsTest, ResizeWarningWidensToTheLargerOfEach) {
  Make("Games", {64, 64, 32});
  AddFile("Games", "KEEP.ME");
  state.active_catalog = "Games";
  ui.Expect<TResizeWarningForm>([](TResizeWarningForm& f) {
    f.AdjustSettingsClick();
    return f.modal_result;
  });
  EXPECT_EQ(RunResizeWarning(ctx, {64, 64, 32}, {80, 40, 33}), Button::Ok);
  EXPECT_EQ(LoadCatalogConfig(db, "Games")->widths, (FieldWidths{80, 64, 33}));
  EXPECT_EQ(db::DeclaredWidth(db, db::kData, "Games_CAT", "ArchiveID"), 33);
  EXPECT_EQ(db.CountRows(db::kData, "Games_CAT"), 1);

  ui.Expect<TResizeWarningForm>([](TResizeWarningForm&) { return Button::Cancel; });
  EXPECT_EQ(RunResizeWarning(ctx, {80, 64, 33}, {90, 40, 33}), Button::Cancel);
}

TEST_F(CatalogFormsTest, FailedResizeWarningLeavesTableAndRowUnchanged) {
  Make("Games", {64, 64, 32});
  AddFile("Games", "KEEP.ME");
  state.active_catalog = "Games";
  ui.Expect<TResizeWarningForm>([&](TResizeWarningForm& f) {
    db.FailAfterSteps(10);
    f.AdjustSettingsClick();
    return f.modal_result;
  });
  EXPECT_EQ(RunResizeWarning(ctx, {64, 64, 32}, {80, 40, 33}), Button::Cancel);
  EXPECT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(LoadCatalogConfig(db, "Games")->widths, (FieldWidths{64, 64, 32}));
  EXPECT_EQ(db::DeclaredWidth(db, db::kData, "Games_CAT", "FileName"), 64);
  EXPECT_EQ(db.CountRows(db::kData, "Games_CAT"), 1);
}

}  // namespace
}  // namespace tembrel
