#include "catalog/catalog_run.h"

#include <sys/stat.h>

#include "catalog/bad_entry_form.h"
#include "catalog/disk_alias_form.h"
#include "catalog/disk_already_cataloged_form.h"
#include "catalog/disk_label_form.h"
#include "catalog/selective_catalog_form.h"
#include "catalog/run_fixture.h"
#include "support/fake_fs.h"

namespace tembrel::catalog::testing {
namespace {

TEST_F(RunTest, FirstCatalogingWritesSummaryFilesAndLog) {
  File("README.TXT", 5);
  File("GAMES/DOOM.EXE", 100);
  File("GAMES/DOOM/DOOM.WAD", 1000);
  ASSERT_TRUE(Run());
  EXPECT_TRUE(ui.Messages().empty()) << ui.log.front();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"\\|README.TXT", "\\GAMES|DOOM.EXE", "\\GAMES\\DOOM|DOOM.WAD"}));
  EXPECT_EQ(last_counters.folders_scanned, 3);
  EXPECT_EQ(last_counters.files_on_disk, 3);
  EXPECT_EQ(last_counters.to_be_cataloged, 3);
  db::Statement sum(db, "SELECT CatalogVolumeLabel, ActualVolumeLabel, SerialNumber, DateFirstCataloged, DiskSize,"
                        " DiskClusterSize, DiskUsed, DiskFree, FilesOnDisk, FilesInArchives, CatalogedFrom FROM Data.Disks_SUM");
  ASSERT_TRUE(sum.Step());
  EXPECT_EQ(sum.Text(0), "GAMES01");
  EXPECT_EQ(sum.Text(1), "GAMES01");
  EXPECT_EQ(static_cast<uint32_t>(sum.Int(2)), 0xABCD1234u);
  EXPECT_EQ(sum.Text(3), "2026-12-11");
  EXPECT_EQ(sum.Int(4), 1000000);
  EXPECT_EQ(sum.Int(5), 4096);
  EXPECT_EQ(sum.Int(6), 1105);
  EXPECT_EQ(sum.Int(7), 400000);
  EXPECT_EQ(sum.Int(8), 3);
  EXPECT_EQ(sum.Int(9), 0);
  EXPECT_EQ(sum.Text(10), "F");
  db::Statement log(db, "SELECT OpDate, OpTime, Operation FROM Data.Disks_LOG");
  ASSERT_TRUE(log.Step());
  EXPECT_EQ(log.Text(0), "2026-12-11");
  EXPECT_EQ(log.Text(1), "10:30:00");
  EXPECT_EQ(log.Text(2), "CATALOGED: Volume ID = \"GAMES01\" From Drive F:");
  EXPECT_EQ(state.last_volume_label, "GAMES01");
  EXPECT_EQ(LoadCatalogConfig(db, "Disks")->last_volume_label, "GAMES01");
}

TEST_F(RunTest, StartFolderWithoutRecurseCountsEverythingButRecordsOnlyItsOwnFiles) {
  File("ROOT.TXT");
  File("GAMES/DOOM.EXE");
  File("GAMES/DOOM/DOOM.WAD");
  auto r = Request("F:\\GAMES");
  r.recurse = false;
  ASSERT_TRUE(Run(r));
  EXPECT_EQ(Rows(), std::vector<std::string>{"\\GAMES|DOOM.EXE"});
  EXPECT_EQ(last_counters.files_on_disk, 3);
  EXPECT_EQ(last_counters.folders_scanned, 3);
}

TEST_F(RunTest, RecycledIsSkippedButRecyclerIsWalked) {
  File("RECYCLED/GONE.TXT");
  File("RECYCLER/KEPT.TXT");
  ASSERT_TRUE(Run());
  EXPECT_EQ(Rows(), std::vector<std::string>{"\\RECYCLER|KEPT.TXT"});
  EXPECT_EQ(last_counters.folders_scanned, 3);  // \RECYCLED counted, not listed
}

TEST_F(RunTest, NamesDifferingOnlyInCaseAreDuplicatesWarnedOnce) {
  File("README");
  File("readme");
  File("Readme");
  ASSERT_TRUE(Run());
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0].rfind("Error: I Have Found A Duplicate File On This Disk.\r\n\r\nFilename = ", 0), 0u);
  EXPECT_EQ(Rows().size(), 1u);
}

TEST_F(RunTest, OverlongFolderIsCorrectedOnceAndReusedForItsFiles) {
  const std::string longname(201, 'L');
  for (const char* f : {"A.TXT", "B.TXT", "C.TXT"}) File(longname + "/" + f);
  int asked = 0;
  ui.Expect<TCatalogProgressBadEntryForm>([&](TCatalogProgressBadEntryForm& f) {
    ++asked;
    EXPECT_FALSE(f.editable[0]);
    EXPECT_TRUE(f.editable[1]);
    EXPECT_EQ(f.LengthText(1), "(202)");
    EXPECT_FALSE(f.UseModEnabled());
    f.values[1] = "\\SHORT";
    EXPECT_TRUE(f.UseModEnabled());
    f.UseModClick();
    return Button::Ok;
  });
  SetOption([](CatalogConfig& c) { c.widths.folder_name = 200; });
  ASSERT_TRUE(Run());
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"\\SHORT|A.TXT", "\\SHORT|B.TXT", "\\SHORT|C.TXT"}));
}

TEST_F(RunTest, SparseFiveGibFileKeepsItsFullSize) {
  fsys::path p = disk.Path() / "BIG.ISO";
  { std::ofstream(p) << ""; }
  fsys::resize_file(p, uint64_t{5} << 30);
  ASSERT_TRUE(Run());
  db::Statement st(db, "SELECT FileSize FROM Data.Disks_CAT");
  ASSERT_TRUE(st.Step());
  EXPECT_EQ(st.Int(0), int64_t{5} << 30);
}

TEST_F(RunTest, IncludeSpecsWithFoldersAreDriveRelative) {
  File("GAMES/DOOM.EXE");
  File("GAMES/SUB/X.DAT");
  File("OTHER/Y.DAT");
  state.specs.include[0] = "\\GAMES\\*";
  ASSERT_TRUE(Run());
  EXPECT_EQ(Rows(), (std::vector<std::string>{"\\GAMES|DOOM.EXE", "\\GAMES\\SUB|X.DAT"}));

  state.specs.include[0] = "F:\\GAMES\\*";
  SetOption([](CatalogConfig& c) { c.warn_if_exists = false; });
  ui.answers = {Button::No};
  EXPECT_FALSE(Run());  // nothing passes: "catalog it with no files?" answered No
  EXPECT_EQ(ui.Messages().back().rfind("Ask: There Were No Files Passing Your Include/Exclude Specs", 0), 0u);
  EXPECT_EQ(Rows().size(), 2u);  // the catalog is as it was
}

TEST_F(RunTest, StatsOnlyRecordsTheDiskButNoFiles) {
  File("A.TXT");
  ASSERT_TRUE(Run());
  auto r = Request();
  r.stats_only = true;
  ui.answers = {};
  ui.Expect<TDiskAlreadyCatalogedForm>([](TDiskAlreadyCatalogedForm& f) {
    f.ReplaceClick();
    return f.modal_result;
  });
  ASSERT_TRUE(Run(r));
  EXPECT_TRUE(Rows().empty());
  EXPECT_EQ(db.CountRows(db::kData, "Disks_SUM"), 1);
  EXPECT_EQ(last_update.counts.removed, 1);
}

TEST_F(RunTest, UnlabelledDiskGoesThroughLabelAndAliasDialogs) {
  SetLabel("");
  File("A.TXT");
  ui.Expect<TDiskLabelForm>([](TDiskLabelForm& f) {
    EXPECT_TRUE(f.cataloging_mode);
    EXPECT_EQ(f.drive, 'F');
    EXPECT_EQ(f.volume_label_panel, " <No Label>");
    f.CatalogUnderAliasClick();
    return f.modal_result;
  });
  ui.Expect<TDiskAliasForm>([](TDiskAliasForm& f) {
    EXPECT_EQ(f.vlabel_line, "Disk In Drive F: Has No Volume Label");
    EXPECT_EQ(f.AliasLine(), "");
    f.OkClick();  // blank: refused
    f.SetAlias("backup disk 7");
    f.OkClick();
    return f.modal_result;
  });
  ASSERT_TRUE(Run());
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Error: The Alias Name Cannot Be Blank"});
  db::Statement st(db, "SELECT CatalogVolumeLabel, ActualVolumeLabel FROM Data.Disks_SUM");
  ASSERT_TRUE(st.Step());
  EXPECT_EQ(st.Text(0), "BACKUP DISK");
  EXPECT_EQ(st.Text(1), "<None>");
  EXPECT_EQ(Rows("BACKUP DISK").size(), 1u);
}

TEST_F(RunTest, LabelLongerThanAKeyIsNamedByTheUser) {
  SetLabel("my_backup_drive_2024");
  File("A.TXT");
  ui.Expect<TDiskAliasForm>([](TDiskAliasForm& f) {
    EXPECT_EQ(f.vlabel_line, "Disk In Drive F: Is \"my_backup_drive_2024\"");
    EXPECT_EQ(f.AliasLine(), "MY_BACKUP_D");
    f.OkClick();
    return f.modal_result;
  });
  ASSERT_TRUE(Run()) << ::testing::PrintToString(ui.log);
  EXPECT_EQ(Rows("MY_BACKUP_D").size(), 1u);
}

TEST_F(RunTest, AlreadyCatalogedDiskOffersAliasReplaceOrStop) {
  File("A.TXT");
  ASSERT_TRUE(Run());
  auto answer = [&](void (TDiskAlreadyCatalogedForm::*click)()) {
    ui.Expect<TDiskAlreadyCatalogedForm>([click](TDiskAlreadyCatalogedForm& f) {
      EXPECT_EQ(f.message, "A Disk With This Name (\"GAMES01\") Already Exists In The Catalog.");
      (f.*click)();
      return f.modal_result;
    });
  };
  answer(&TDiskAlreadyCatalogedForm::StopClick);
  EXPECT_FALSE(Run());
  answer(&TDiskAlreadyCatalogedForm::AliasClick);
  ui.Expect<TDiskAliasForm>([](TDiskAliasForm& f) {
    f.SetAlias("GAMES01B");
    f.OkClick();
    return f.modal_result;
  });
  ASSERT_TRUE(Run());
  EXPECT_EQ(db.CountRows(db::kData, "Disks_SUM"), 2);
  answer(&TDiskAlreadyCatalogedForm::ReplaceClick);
  ASSERT_TRUE(Run());
  EXPECT_TRUE(last_update.recataloged);
  EXPECT_EQ(db.CountRows(db::kData, "Disks_SUM"), 2);
  EXPECT_TRUE(ui.AllDialogsShown());
}

TEST_F(RunTest, RecatalogingKeepsCommentsAndCategoriesOfFilesStillThere) {
  File("KEEP.TXT", 10);
  File("GONE.TXT", 10);
  File("CHANGED.TXT", 10);
  ASSERT_TRUE(Run());
  db.Exec("UPDATE Data.Disks_CAT SET Comment = 'mine', CategoryCode = 'DOCS'");
  fsys::remove(disk.Path() / "GONE.TXT");
  File("NEW.TXT", 3);
  File("CHANGED.TXT", 99);
  fsys::rename(disk.Path() / "KEEP.TXT", disk.Path() / "Keep.txt");
  SetOption([](CatalogConfig& c) { c.warn_if_exists = false; });
  ASSERT_TRUE(Run());
  EXPECT_EQ(last_update.counts.added, 1);
  EXPECT_EQ(last_update.counts.updated, 2);
  EXPECT_EQ(last_update.counts.removed, 1);
  db::Statement st(db, "SELECT FileName, FileSize, Comment, CategoryCode FROM Data.Disks_CAT ORDER BY FileName");
  std::vector<std::string> rows;
  while (st.Step()) rows.push_back(st.Text(0) + "|" + std::to_string(st.Int(1)) + "|" + st.Text(2) + "|" + st.Text(3));
  EXPECT_EQ(rows, (std::vector<std::string>{"CHANGED.TXT|99|mine|DOCS", "KEEP.TXT|10|mine|DOCS", "NEW.TXT|3||"}));
  db::Statement log(db, "SELECT Operation FROM Data.Disks_LOG ORDER BY AutoInc DESC");
  ASSERT_TRUE(log.Step());
  EXPECT_EQ(log.Text(0), "RECATALOGED: Volume ID = \"GAMES01\" From Drive F:");
}

TEST_F(RunTest, SelectiveCatalogingWithNothingTaggedEmptiesTheVolume) {
  File("A.TXT");
  File("B.DOC");
  ASSERT_TRUE(Run());
  SetOption([](CatalogConfig& c) {
    c.selective_cataloging = true;
    c.warn_if_exists = false;
  });
  ui.Expect<TSelectiveCatalogForm>([](TSelectiveCatalogForm& f) {
    EXPECT_EQ(f.RowCount(), 2u);
    EXPECT_FALSE(f.Row(0).tagged);  // autotag is off
    f.TagByFilespec("*.TXT", true);
    EXPECT_TRUE(f.Row(1).file_name == "A.TXT" ? f.Row(1).tagged : f.Row(0).tagged);
    f.ClearTagsClick();
    f.ProceedClick();
    return f.modal_result;
  });
  ASSERT_TRUE(Run());
  EXPECT_TRUE(Rows().empty());
  EXPECT_EQ(last_update.counts.removed, 2);
}

TEST_F(RunTest, FailureInTheMiddleOfTheUpdateLeavesTheCatalogAsItWas) {
  File("A.TXT");
  File("B.TXT");
  ASSERT_TRUE(Run());
  db.Exec("UPDATE Data.Disks_CAT SET Comment = 'kept'");
  clock.Set(Date{2027, 1, 2}, Time{8, 0, 0});
  fsys::remove(disk.Path() / "A.TXT");
  File("C.TXT");
  SetOption([](CatalogConfig& c) {
    c.warn_if_exists = false;
    c.selective_cataloging = true;
    c.selective_cat_autotag = true;
  });
  const std::vector<std::string> before = Rows();
  int failures = 0;
  for (int step = 1; step < 500; ++step) {
    ui.log.clear();
    // The selective dialog comes right before the update: arm the failure there.
    ui.Expect<TSelectiveCatalogForm>([&](TSelectiveCatalogForm& f) {
      db.FailAfterSteps(step);
      f.ProceedClick();
      return f.modal_result;
    });
    bool ok = Run();
    db.FailAfterSteps(0);
    if (ok) break;
    ++failures;
    EXPECT_EQ(Rows(), before) << step;
    db::Statement st(db, "SELECT DateLastCataloged, (SELECT count(*) FROM Data.Disks_LOG),"
                         " (SELECT count(*) FROM Data.Disks_CAT WHERE Comment = 'kept') FROM Data.Disks_SUM");
    ASSERT_TRUE(st.Step());
    EXPECT_EQ(st.Text(0), "2026-12-11") << step;
    EXPECT_EQ(st.Int(1), 1) << step;
    EXPECT_EQ(st.Int(2), 2) << step;
    EXPECT_EQ(ui.Messages().size(), 1u) << step;  // the engine's error, shown once
  }
  EXPECT_GE(failures, 5);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"\\|B.TXT", "\\|C.TXT"}));
}

TEST_F(RunTest, SymlinksAndFifosAreEntriesNeverFollowedOrOpened) {
  File("A.TXT");
  Folder("LOOP");
  fsys::create_directory_symlink("..", disk.Path() / "LOOP" / "UP");
  ASSERT_EQ(mkfifo((disk.Path() / "X.MP3").c_str(), 0644), 0);
  ASSERT_TRUE(Run());
  EXPECT_EQ(Rows(), (std::vector<std::string>{"\\|A.TXT", "\\|X.MP3", "\\LOOP|UP"}));
  EXPECT_EQ(last_counters.folders_scanned, 2);
}

TEST_F(RunTest, UnreadableFolderIsCountedAndSkipped) {
  File("A.TXT");
  File("SECRET/B.TXT");
  fs::FailingFileSystem failing(*files);
  failing.Fail(fs::FailingFileSystem::Op::OpenFolder, "\\SECRET", EACCES);
  state.abort_requested = false;
  TCatalogProgressForm window(state);
  CatalogRunner run(ctx, volumes, failing, window);
  ASSERT_TRUE(run.RunCataloging(Request()));
  EXPECT_EQ(run.Counters().folders_skipped, 1);
  EXPECT_EQ(run.Counters().folders_scanned, 2);
  EXPECT_EQ(window.folders_skipped, "1 Folder(s) Could Not Be Read And Were Skipped");
  EXPECT_EQ(Rows(), std::vector<std::string>{"\\|A.TXT"});
}

TEST_F(RunTest, OtherListingFailuresAbortTheRun) {
  File("A.TXT");
  File("SUB/B.TXT");
  fs::FailingFileSystem failing(*files);
  failing.Fail(fs::FailingFileSystem::Op::OpenFolder, "\\SUB", EIO);
  state.abort_requested = false;
  TCatalogProgressForm window(state);
  CatalogRunner run(ctx, volumes, failing, window);
  EXPECT_FALSE(run.RunCataloging(Request()));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{std::string("Error: ") + kReadFolderError});
  EXPECT_EQ(db.CountRows(db::kData, "Disks_SUM"), 0);
}

TEST_F(RunTest, VolumeFailuresStopBeforeAnythingIsWritten) {
  volumes.Find('F')->info.cluster_size = -1;
  EXPECT_FALSE(Run());
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Error: Error Determining Disk Cluster Size"});
  ui.log.clear();
  volumes.Find('F')->query_error = 5;
  ui.answers = {Button::No};
  EXPECT_FALSE(Run());
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{
      "Ask: Error 5 Was Encountered While Determining The Disk Volume ID\r\n\r\nWould You Like To Continue By Using "
      "Tembrel's \"Alias\" Feature To Assign A Volume Label?"});
  EXPECT_EQ(db.CountRows(db::kData, "Disks_SUM"), 0);
}

}  // namespace
}  // namespace tembrel::catalog::testing
