#include "catalog/catalog_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/global_tables.h"
#include "catalog/catalog_disk_form.h"
#include "catalog/disk_label_form.h"
#include "store/catalog_config.h"
#include "store/verify_active_catalog.h"
#include "support/fake_volumes.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace tembrel::catalog {
namespace {

using tembrel::testing::ScriptedUi;

class CatalogCommandsTest : public ::testing::Test {
 protected:
  tembrel::testing::TempDir program;
  tembrel::testing::TempDir data;
  tembrel::testing::TempDir disk;
  SharedState state;
  MemorySettings settings;
  ScriptedUi ui;
  FixedClock clock{Date{2026, 12, 11}, Time{10, 30, 0}};
  volumes::FakeVolumeService volumes;
  std::unique_ptr<fs::FileSystem> files = fs::MakePosixFileSystem();
  std::unique_ptr<TMainForm> form;

  void SetUp() override {
    volumes::VolumeInfo info;
    info.label = "GAMES01";
    info.serial = 0xABCD1234;
    info.size = 1000000;
    info.free = 400000;
    info.cluster_size = 4096;
    volumes.Add('D', program.Str(), volumes::DriveKind::Fixed, info);
    volumes.Add('F', disk.Str(), volumes::DriveKind::Folder, info);
    std::filesystem::create_directories(disk.Path() / "GAMES");
    std::ofstream(disk.Path() / "README.TXT") << "hello";
    std::ofstream(disk.Path() / "GAMES" / "DOOM.EXE") << "doom";

    settings.Set("TMainForm", "DDirname.Caption", data.Str());
    form = std::make_unique<TMainForm>(state, settings, ui, clock);
    form->SetProgramFolderResolver([this] { return program.Str(); });
    form->FormShow();
    RegisterCatalogCommands(*form, volumes, *files);
    AppContext ctx = form->Context();
    state.active_catalog = "Disks";
    ASSERT_TRUE(CreateCatalogConfig(ctx, {64, 64, 32}, false));
    VerifyActiveCatalog(ctx, true);
    form->SetStatPanels();
  }
  int64_t Count(const std::string& sql) {
    db::Statement st(form->Context().db, sql);
    return st.Step() ? st.Int(0) : -1;
  }
};

TEST_F(CatalogCommandsTest, CatalogDisksRunsOnTheRememberedDriveAndTheCountsFollow) {
  settings.Set("TCatalogDiskSpecForm", "LastDriveLabel", "F");
  settings.SetBool("TCatalogDiskSpecForm", "Recurse", false);
  ui.Expect<TCatalogDiskSpecForm>([](TCatalogDiskSpecForm& f) {
    EXPECT_EQ(f.drive, 'F');
    EXPECT_EQ(f.start_dir, "F:\\");
    EXPECT_FALSE(f.recurse);
    f.recurse = true;
    EXPECT_TRUE(f.CatalogNowClick());
  });
  form->RunCommand("CatalogDisks1");
  EXPECT_TRUE(ui.Texts().empty());
  EXPECT_EQ(form->DisksInCatalogText(), "1");
  EXPECT_EQ(form->FilesInCatalogText(), "2");
  EXPECT_EQ(Count("SELECT count(*) FROM Data.Disks_CAT WHERE FolderName = '\\GAMES' AND FileName = 'DOOM.EXE'"), 1);
  // The dialog remembered its choices when it closed.
  EXPECT_TRUE(settings.GetBool("TCatalogDiskSpecForm", "Recurse", false));
  EXPECT_EQ(settings.GetString("TCatalogDiskSpecForm", "LastDriveLabel"), "F");
}

TEST_F(CatalogCommandsTest, LabelADiskWritesTheLabelAndRenamesTheDiskInTheCatalog) {
  settings.Set("TCatalogDiskSpecForm", "LastDriveLabel", "F");
  AppContext ctx = form->Context();
  ctx.db.Exec("INSERT INTO Data.Disks_SUM (CatalogVolumeLabel, ActualVolumeLabel) VALUES ('GAMES01', 'GAMES01')");
  ctx.db.Exec("INSERT INTO Data.Disks_CAT (FileName, VolumeLabel, FolderName, ArchiveID) VALUES ('A.TXT', 'GAMES01', '\\', '')");
  ui.AnswerAsk(
      "A Disk With The Old Volume Label Exists In Your Catalog\r\n\r\nWould You Like Up Update The Catalog To Reflect "
      "The New Volume Label Just Written?",
      Button::Yes);
  ui.Expect<TDiskLabelForm>([](TDiskLabelForm& f) {
    EXPECT_FALSE(f.cataloging_mode);
    EXPECT_EQ(f.drive, 'F');
    EXPECT_EQ(f.volume_label_panel, " GAMES01");  // read before the dialog shows
    f.SetNewLabel("new");
    f.WriteLabelClick();
  });
  form->RunCommand("LabelADisk1");
  EXPECT_EQ(volumes.label_writes(), (std::vector<std::string>{"F:NEW"}));
  EXPECT_EQ(Count("SELECT count(*) FROM Data.Disks_SUM WHERE CatalogVolumeLabel = 'NEW' AND ActualVolumeLabel = 'NEW'"), 1);
  EXPECT_EQ(Count("SELECT count(*) FROM Data.Disks_CAT WHERE VolumeLabel = 'NEW'"), 1);
  EXPECT_EQ(state.last_volume_label, "NEW");
}

}  // namespace
}  // namespace tembrel::catalog
