#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <filesystem>
#include <fstream>

#include "catalog/bad_entry_form.h"
#include "catalog/catalog_disk_form.h"
#include "catalog/catalog_progress_form.h"
#include "catalog/disk_alias_form.h"
#include "catalog/disk_already_cataloged_form.h"
#include "catalog/disk_label_form.h"
#include "platform/fs/fs.h"
#include "support/fake_volumes.h"
#include "view_test_helpers.h"

namespace tembrel::gui {
namespace {

using namespace catalog;
using testing::Child;
using testing::WhenDialog;
using testing::WhenMessageBox;
using testing::WhenTrue;

class CatalogViewsTest : public testing::ViewTest {
 protected:
  tembrel::testing::TempDir disk;
  volumes::FakeVolumeService volumes;
  std::unique_ptr<fs::FileSystem> files = fs::MakePosixFileSystem();

  CatalogViewsTest() {
    volumes::VolumeInfo info;
    info.label = "GAMES01";
    info.serial = 0xABCD1234;
    info.size = 1000000;
    info.free = 400000;
    info.cluster_size = 4096;
    volumes.Add('D', dir.Str(), volumes::DriveKind::Fixed, info).info.label = "SYSTEM";
    volumes.Add('F', disk.Str(), volumes::DriveKind::Folder, info);
    std::filesystem::create_directories(disk.Path() / "GAMES" / "DOOM");
    std::ofstream(disk.Path() / "README.TXT") << "hello";
    std::ofstream(disk.Path() / "GAMES" / "CHESS.EXE") << "chess";
    std::ofstream(disk.Path() / "GAMES" / "DOOM" / "DOOM.EXE") << "doom";
  }
  int64_t Count(const std::string& sql) {
    db::Statement st(db, sql);
    return st.Step() ? st.Int(0) : -1;
  }
};

// The folder tree fills in the background; this waits for a folder to show under `parent`.
QModelIndex WaitForChild(QTreeView& tree, const QModelIndex& parent, const QString& name) {
  QModelIndex found;
  QTest::qWaitFor(
      [&] {
        tree.expand(parent);
        for (int r = 0; r < tree.model()->rowCount(parent); ++r)
          if (tree.model()->index(r, 0, parent).data().toString() == name) found = tree.model()->index(r, 0, parent);
        return found.isValid();
      },
      5000);
  return found;
}

TEST_F(CatalogViewsTest, CatalogDiskChoosesAFolderFromTheTreeAndCatalogsItWithTheProgressWindow) {
  MakeCatalog("Disks");
  state.active_catalog = "Disks";
  settings.Set("TCatalogDiskSpecForm", "LastDriveLabel", "F");
  TCatalogDiskSpecForm form(ctx, volumes, *files);
  form.FormShow();
  std::string progress_title, progress_end, abort_shown;
  WhenDialog("TCatalogDiskSpecForm", [&](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Catalog Disk- Criteria");
    auto* start = Child<QLineEdit>(d, "StartDir");
    EXPECT_EQ(start->text(), "F:\\");
    EXPECT_EQ(Child<QComboBox>(d, "DriveComboBox")->currentData().toChar(), QChar('F'));

    WhenDialog("TSelectDirectoryForm", [](QDialog& chooser) {
      EXPECT_EQ(chooser.windowTitle(), "Select Folder");
      auto* tree = Child<QTreeView>(chooser, "DirectoryTree");
      QModelIndex root = tree->model()->index(0, 0, tree->rootIndex());
      EXPECT_EQ(root.data().toString(), "F:\\");
      QModelIndex games = WaitForChild(*tree, root, "GAMES");
      ASSERT_TRUE(games.isValid());
      emit tree->activated(games);
      EXPECT_EQ(Child<QLabel>(chooser, "SelectionPanel")->text(), "F:\\GAMES");
      Child<QPushButton>(chooser, "OKBtn")->click();
    });
    Child<QPushButton>(d, "SelectDirBtn")->click();
    EXPECT_EQ(start->text(), "F:\\GAMES");

    // The run shows its window beside this dialog, and waits for "&Close" when it is done.
    WhenTrue(
        [&d] {
          auto* progress = d.findChild<QDialog*>("TCatalogProgressForm");
          return progress && progress->isVisible() && progress->findChild<QPushButton*>("CloseBtn")->isVisible();
        },
        [&] {
          auto* progress = d.findChild<QDialog*>("TCatalogProgressForm");
          progress_title = progress->windowTitle().toStdString();
          progress_end = Child<QLabel>(*progress, "MainOperationPanel")->text().toStdString();
          abort_shown = Child<QPushButton>(*progress, "AbortBtn")->isVisible() ? "shown" : "hidden";
          EXPECT_FALSE(Child<QWidget>(d, "CatalogNowBtn")->isEnabled());  // the dialog waits meanwhile
          Child<QPushButton>(*progress, "CloseBtn")->click();
        });
    Child<QPushButton>(d, "CatalogNowBtn")->click();
    EXPECT_TRUE(Child<QWidget>(d, "CatalogNowBtn")->isEnabled());
    Child<QCheckBox>(d, "Recurse")->setChecked(false);
    Child<QPushButton>(d, "CloseBtn")->click();
  });
  qt_ui.ShowModal(form);
  EXPECT_EQ(progress_title, "Cataloging Disk In Drive F");
  EXPECT_EQ(progress_end, "Catalog Update Completed");
  EXPECT_EQ(abort_shown, "hidden");
  // Only the chosen folder and the folders below it were recorded.
  EXPECT_EQ(Count("SELECT count(*) FROM Data.Disks_CAT"), 2);
  EXPECT_EQ(Count("SELECT count(*) FROM Data.Disks_CAT WHERE FolderName = '\\GAMES\\DOOM'"), 1);
  EXPECT_FALSE(settings.GetBool("TCatalogDiskSpecForm", "Recurse", true));
}

TEST_F(CatalogViewsTest, FolderChooserReportsADriveItCannotRead) {
  volumes.Add('G', (disk.Path() / "gone").string(), volumes::DriveKind::Folder);
  TCatalogDiskSpecForm form(ctx, volumes, *files);
  form.FormShow();
  form.DriveChanged('G');
  std::string text;
  WhenDialog("TCatalogDiskSpecForm", [&](QDialog& d) {
    WhenMessageBox(text);
    Child<QPushButton>(d, "SelectDirBtn")->click();
    EXPECT_EQ(Child<QLineEdit>(d, "StartDir")->text(), "G:\\");
    d.reject();
  });
  qt_ui.ShowModal(form);
  EXPECT_EQ(text, "Error Reading Structure Of Drive G:");
}

TEST_F(CatalogViewsTest, ProgressWindowShowsTheRunAbortsOnItsCloseBoxAndClosesOnlyAfterTheRun) {
  TCatalogProgressForm run(state);
  run.caption = "Cataloging Disk In Drive F";
  run.folders_scanned = "12 ";
  ui.ShowModeless(run);
  ModelessView* view = ui.registry.ViewOf(run);
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(view->windowTitle(), "Cataloging Disk In Drive F");
  EXPECT_EQ(Child<QLabel>(*view, "FoldersScannedPanel")->text(), "12 ");
  EXPECT_FALSE(Child<QWidget>(*view, "UpdatePanel")->isVisible());

  run.volume_id = " GAMES01";
  ui.FormChanged(run);
  EXPECT_EQ(Child<QLabel>(*view, "VolumeIDPanel")->text(), " GAMES01");
  run.files_on_disk = "7 ";  // not told: the once-a-second refresh shows it
  EXPECT_TRUE(QTest::qWaitFor([&] { return Child<QLabel>(*view, "FilesOnDiskScannedPanel")->text() == "7 "; }, 3000));

  Child<QPushButton>(*view, "AbortBtn")->click();
  EXPECT_TRUE(state.abort_requested);
  state.abort_requested = false;
  view->close();  // during the run the close box stops it; the window stays to show the end
  EXPECT_TRUE(state.abort_requested);
  EXPECT_TRUE(view->isVisible());

  run.close_visible = true;
  run.abort_enabled = false;
  ui.FormChanged(run);
  EXPECT_TRUE(Child<QPushButton>(*view, "AbortBtn")->isHidden());
  QTimer::singleShot(10, [view] { Child<QPushButton>(*view, "CloseBtn")->click(); });
  ui.WaitUntilClosed(run);
  EXPECT_TRUE(run.Closed());
  ui.CloseModeless(run);
  EXPECT_EQ(ui.registry.ViewOf(run), nullptr);
  EXPECT_TRUE(settings.Get("TCatalogProgressForm", "Left"));
}

TEST_F(CatalogViewsTest, LabelADiskReadsTheChosenDriveAndWritesTheUpperCasedLabel) {
  TDiskLabelForm form(ctx, volumes, false, 'D');
  form.ReadLabel();
  WhenDialog("TDiskLabelForm", [](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Label A Disk");
    EXPECT_EQ(Child<QLabel>(d, "VolumeLabelPanel")->text(), " SYSTEM");
    EXPECT_TRUE(Child<QPushButton>(d, "AliasBtn")->isHidden());
    auto* drives = Child<QComboBox>(d, "DriveComboBox");
    const int f = drives->findData(QChar('F'));
    drives->setCurrentIndex(f);
    emit drives->activated(f);
    EXPECT_EQ(Child<QLabel>(d, "VolumeLabelPanel")->text(), " GAMES01");
    auto* entry = Child<QLineEdit>(d, "NewLabel");
    EXPECT_EQ(entry->text(), "GAMES01");
    EXPECT_EQ(entry->maxLength(), 11);
    entry->clear();
    QTest::keyClicks(entry, "new one");
    EXPECT_EQ(entry->text(), "NEW ONE");
    Child<QPushButton>(d, "WriteLabelBtn")->click();
  });
  EXPECT_EQ(qt_ui.ShowModal(form), Button::Ok);
  EXPECT_EQ(volumes.label_writes(), (std::vector<std::string>{"F:NEW ONE"}));
}

TEST_F(CatalogViewsTest, LabelADiskWhileCatalogingKeepsTheDriveAndOffersTheAlias) {
  volumes.Find('F')->info.label = "";
  TDiskLabelForm form(ctx, volumes, true, 'F');
  form.ReadLabel();
  std::string refused;
  WhenDialog("TDiskLabelForm", [&](QDialog& d) {
    EXPECT_EQ(Child<QLabel>(d, "VolumeLabelPanel")->text(), " <No Label>");
    EXPECT_FALSE(Child<QComboBox>(d, "DriveComboBox")->isEnabled());
    WhenMessageBox(refused);
    Child<QPushButton>(d, "WriteLabelBtn")->click();
    Child<QPushButton>(d, "AliasBtn")->click();
  });
  EXPECT_EQ(qt_ui.ShowModal(form), Button::Ignore);
  EXPECT_EQ(refused, "Volume Label Cannot Be Blank");
  EXPECT_TRUE(volumes.label_writes().empty());
}

TEST_F(CatalogViewsTest, AliasIsUpperCasedAndCannotBeBlank) {
  TDiskAliasForm form(ui);
  form.vlabel_line = "Disk In Drive F: Has No Volume Label";
  std::string refused;
  WhenDialog("TDiskAliasForm", [&](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Volume Label \"Alias\" For Cataloging");
    EXPECT_EQ(Child<QLabel>(d, "VlabelLine")->text(), "Disk In Drive F: Has No Volume Label");
    WhenMessageBox(refused);
    Child<QPushButton>(d, "OKBtn")->click();
    QTest::keyClicks(Child<QLineEdit>(d, "AliasLine"), "disk07");
    Child<QPushButton>(d, "OKBtn")->click();
  });
  EXPECT_EQ(qt_ui.ShowModal(form), Button::Ok);
  EXPECT_EQ(refused, "The Alias Name Cannot Be Blank");
  EXPECT_EQ(form.AliasLine(), "DISK07");
}

TEST_F(CatalogViewsTest, AlreadyCatalogedAnswersWithTheChosenButton) {
  TDiskAlreadyCatalogedForm form;
  form.message = "A Disk With This Name (\"GAMES01\") Already Exists In The Catalog.";
  WhenDialog("TDiskAlreadyCatalogedForm", [](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "What Should I Do?");
    EXPECT_EQ(Child<QLabel>(d, "Message")->text(), "A Disk With This Name (\"GAMES01\") Already Exists In The Catalog.");
    EXPECT_EQ(Child<QPushButton>(d, "ReplaceBtn")->text(), "&Replace Existing Catalog Entry");
    Child<QPushButton>(d, "ReplaceBtn")->click();
  });
  EXPECT_EQ(qt_ui.ShowModal(form), Button::Ignore);
}

TEST_F(CatalogViewsTest, BadEntryOffersOnlyTheLongItemAndCountsItsLengthAsItIsEdited) {
  TCatalogProgressBadEntryForm form("DOOM.EXE", "\\" + std::string(200, 'F'), "");
  WhenDialog("TCatalogProgressBadEntryForm", [](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "File Record Exceeds Tembrel's Capacity");
    EXPECT_EQ(Child<QLabel>(d, "FileNameLabel")->text(), "DOOM.EXE");
    EXPECT_EQ(d.findChild<QLineEdit*>("EditFileName"), nullptr);
    auto* folder = Child<QLineEdit>(d, "EditFolderName");
    auto* length = Child<QLabel>(d, "FolderNameLength");
    auto* use = Child<QPushButton>(d, "UseModBtn");
    EXPECT_EQ(length->text(), "(201)");
    EXPECT_FALSE(use->isEnabled());
    folder->setCursorPosition(1);
    QTest::keyClick(folder, Qt::Key_Delete);
    EXPECT_EQ(length->text(), "(200)");
    EXPECT_TRUE(use->isEnabled());
    use->click();
  });
  EXPECT_EQ(qt_ui.ShowModal(form), Button::Ok);
  EXPECT_EQ(form.choice, TCatalogProgressBadEntryForm::Choice::UseModified);
  EXPECT_EQ(form.values[1], "\\" + std::string(199, 'F'));
}

}  // namespace
}  // namespace tembrel::gui
