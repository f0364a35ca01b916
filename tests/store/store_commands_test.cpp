#include "store/store_commands.h"

#include <gtest/gtest.h>

#include "app/global_tables.h"
#include "store/catalog_config.h"
#include "store/select_catalog_form.h"
#include "store/verify_active_catalog.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace tembrel {
namespace {

using testing::ScriptedUi;

class StoreCommandsTest : public ::testing::Test {
 protected:
  testing::TempDir program;
  testing::TempDir data;
  SharedState state;
  MemorySettings settings;
  ScriptedUi ui;
  FixedClock clock{Date{2026, 12, 11}, Time{10, 30, 0}};
  std::unique_ptr<TMainForm> form;

  void SetUp() override {
    settings.Set("TMainForm", "DDirname.Caption", data.Str());
    form = std::make_unique<TMainForm>(state, settings, ui, clock);
    form->SetProgramFolderResolver([this] { return program.Str(); });
    form->FormShow();
    RegisterStoreCommands(*form);
    MakeCatalog("Games", 3);
    MakeCatalog("Music", 1);
  }
  // A catalog with its tables and `disks` summary rows; the active catalog stays as it was.
  void MakeCatalog(const std::string& name, int disks) {
    AppContext ctx = form->Context();
    const std::string keep = state.active_catalog;
    state.active_catalog = name;
    ASSERT_TRUE(CreateCatalogConfig(ctx, {64, 64, 32}, false));
    VerifyActiveCatalog(ctx, true);
    state.active_catalog = keep;
    for (int i = 1; i <= disks; ++i)
      ctx.db.Exec("INSERT INTO " + db::Qualified(db::kData, SumTable(name)) +
                  " (CatalogVolumeLabel, ActualVolumeLabel) VALUES ('D" + std::to_string(i) + "', 'D" +
                  std::to_string(i) + "')");
  }
};

TEST_F(StoreCommandsTest, SelectingACatalogMakesItActiveAndTheMainWindowShowsItsNameAndCounts) {
  ui.Expect<TSelectCatalogForm>([](TSelectCatalogForm& f) {
    EXPECT_EQ(f.mode, TSelectCatalogForm::Mode::Full);
    ASSERT_EQ(f.Rows().size(), 2u);
    f.MoveTo("Games");
    f.SelectCatalogClick();
  });
  form->RunCommand("SelectCreateCatalog1");
  EXPECT_EQ(state.active_catalog, "Games");
  EXPECT_EQ(form->ActiveCatalogNameText(), "Games");
  EXPECT_EQ(form->DisksInCatalogText(), "3");
  EXPECT_TRUE(ui.Texts().empty());
}

TEST_F(StoreCommandsTest, DeletingTheActiveCatalogLeavesNoneActiveAndTheCountsBlank) {
  state.active_catalog = "Music";
  form->SetStatPanels();
  ASSERT_EQ(form->DisksInCatalogText(), "1");
  ui.AnswerAsk(Button::Yes);
  ui.Expect<TSelectCatalogForm>([](TSelectCatalogForm& f) {
    EXPECT_EQ(f.HighlightedName(), "Music");  // it opens on the active catalog
    f.DeleteCatalogClick();
    ASSERT_EQ(f.Rows().size(), 1u);
    f.CloseClick();
  });
  form->RunCommand("SelectCreateCatalog1");
  EXPECT_EQ(state.active_catalog, "");
  EXPECT_EQ(form->ActiveCatalogNameText(), "");
  EXPECT_EQ(form->DisksInCatalogText(), "");
  EXPECT_EQ(form->FilesInCatalogText(), "");
}

}  // namespace
}  // namespace tembrel
