#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "app/catalog_folder_form.h"
#include "app/folders.h"
#include "app/global_tables.h"
#include "app/include_exclude_form.h"
#include "app/tips_form.h"
#include "app/tools_settings_form.h"
#include "gui/qt_ui.h"
#include "gui/shell_views.h"
#include "support/temp_dir.h"

namespace tembrel::gui {
namespace {

// Plays the person once the modal dialog is up: `fn` gets the dialog.
void WhenModal(std::function<void(QDialog&)> fn, int tries = 200) {
  QTimer::singleShot(5, [fn, tries] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      if (tries > 0) WhenModal(fn, tries - 1);
      else ADD_FAILURE() << "no dialog opened";
      return;
    }
    fn(*dialog);
  });
}

template <class T>
T* Child(QDialog& d, const char* name) {
  T* w = d.findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

class DialogViewsTest : public ::testing::Test {
 protected:
  testing::TempDir dir;
  SharedState state;
  db::Database db = OpenGlobalDatabase(dir.Str());
  MemorySettings settings;
  QtUi ui{settings};
  FixedClock clock{Date{2026, 12, 11}, Time{10, 30, 0}};
  AppContext ctx{state, db, ui, settings, clock};

  void SetUp() override {
    EnsureGlobalTables(db, state.specs);
    RegisterShellViews(ui);
  }
  SpecCopies Stored() {
    SpecCopies s;
    LoadSpecCopies(db, s);
    return s;
  }
};

TEST_F(DialogViewsTest, IncludeExcludeSavesWhatWasTypedTrimmed) {
  TIncludeExcludeForm form(ctx);
  WhenModal([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "File Include/Exclude Specs");
    Child<QLineEdit>(d, "IncludeSpec01")->setText("  *.doc  ");
    Child<QLineEdit>(d, "ExcludeSpec20")->setText("*.TMP");
    Child<QPushButton>(d, "SaveBtn")->click();
  });
  EXPECT_EQ(ui.ShowModal(form), Button::Ok);
  EXPECT_EQ(state.specs.include[0], "*.doc");
  EXPECT_EQ(Stored().include[0], "*.doc");
  EXPECT_EQ(Stored().exclude[19], "*.TMP");
  EXPECT_TRUE(settings.Get("TIncludeExcludeForm", "Left"));  // its place is remembered
}

TEST_F(DialogViewsTest, IncludeExcludeClosedByEscapeKeepsTheEditsUnwritten) {
  TIncludeExcludeForm form(ctx);
  WhenModal([](QDialog& d) {
    Child<QLineEdit>(d, "ExcludeSpec02")->setText("*.BAK");
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  EXPECT_EQ(ui.ShowModal(form), Button::Cancel);
  EXPECT_EQ(state.specs.exclude[1], "*.BAK");
  EXPECT_EQ(Stored().exclude[1], "");
}

TEST_F(DialogViewsTest, HelpOpensThePageAtTheDialogsTopic) {
  TIncludeExcludeForm form(ctx);
  QString shown;
  WhenModal([&](QDialog& d) {
    WhenModal([&](QDialog& help) {
      EXPECT_EQ(help.objectName(), "THelpForm");
      shown = Child<QTextBrowser>(help, "HelpText")->source().toString();
      help.reject();
    });
    Child<QPushButton>(d, "HelpBtn")->click();
    Child<QPushButton>(d, "CancelBtn")->click();
  });
  EXPECT_EQ(ui.ShowModal(form), Button::Cancel);
  EXPECT_EQ(shown, "qrc:/help/tembrel-help.html#include-exclude");
}

TEST_F(DialogViewsTest, ToolsSettingsUpperCasesAsTypedAndSavesTheDriveBoxes) {
  TToolsSettingsForm form(ctx);
  WhenModal([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Bonus Utility Settings");
    QLineEdit* edit = Child<QLineEdit>(d, "Volsq1");
    QTest::keyClicks(edit, "backup");
    EXPECT_EQ(edit->text(), "BACKUP");
    Child<QCheckBox>(d, "DrvC")->setChecked(true);
    Child<QCheckBox>(d, "DCDrvZ")->setChecked(true);
    EXPECT_EQ(Child<QCheckBox>(d, "DCDrvZ")->text(), "Drive Z:");
    Child<QPushButton>(d, "SaveBtn")->click();
  });
  EXPECT_EQ(ui.ShowModal(form), Button::Ok);
  SpecCopies stored = Stored();
  EXPECT_EQ(stored.squelch[0], "BACKUP");
  EXPECT_TRUE(stored.squelch_drive[2]);
  EXPECT_TRUE(stored.dc_squelch_drive[25]);
}

TEST_F(DialogViewsTest, CatalogFolderOpensTheDoubleClickedFolderAndAppliesIt) {
  std::filesystem::create_directories(dir.Path() / "catalogs");
  TCatalogFolderForm form(dir.Str());
  WhenModal([&](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Select Folder For Tembrel Data");
    auto* list = Child<QListWidget>(d, "DirectoryListBox");
    auto found = list->findItems("catalogs", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    emit list->itemActivated(found[0]);
    EXPECT_EQ(Child<QLabel>(d, "FolderLabel")->text().toStdString(), dir.Str() + "catalogs/");
    Child<QPushButton>(d, "ApplyBtn")->click();
  });
  EXPECT_EQ(ui.ShowModal(form), Button::Ok);
  EXPECT_EQ(form.Folder(), dir.Str() + "catalogs/");

  TCatalogFolderForm cancelled(dir.Str());
  WhenModal([](QDialog& d) { Child<QPushButton>(d, "CancelBtn")->click(); });
  EXPECT_EQ(ui.ShowModal(cancelled), Button::Cancel);
}

TEST_F(DialogViewsTest, TipsCycleAndTheStartUpBoxIsBound) {
  TTipsForm form("Tembrel 2003 Tips & Tricks", true);
  WhenModal([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tembrel 2003 Tips & Tricks");
    EXPECT_EQ(Child<QLabel>(d, "Header")->text(), "Did You Know?");
    auto* tip = Child<QLabel>(d, "TipText");
    EXPECT_TRUE(tip->text().startsWith("That Tembrel's behaviour while cataloging"));
    Child<QPushButton>(d, "PreviousBtn")->click();
    EXPECT_EQ(tip->text(), "That Tembrel's help file may be browsed like a user manual.");
    Child<QCheckBox>(d, "ShowAtStart")->setChecked(false);
    Child<QPushButton>(d, "CloseBtn")->click();
  });
  EXPECT_EQ(ui.ShowModal(form), Button::Ok);
  EXPECT_FALSE(form.show_at_start);
  EXPECT_EQ(TTipsForm::Tips().size(), 12u);
}

}  // namespace
}  // namespace tembrel::gui
