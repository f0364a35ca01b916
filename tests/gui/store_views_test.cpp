#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include "store/catalog_fsize_form.h"
#include "store/catalog_options_form.h"
#include "store/new_catalog_form.h"
#include "store/rename_catalog_form.h"
#include "store/resize_warning_form.h"
#include "store/select_catalog_form.h"
#include "view_test_helpers.h"

namespace tembrel::gui {
namespace {

using testing::Child;
using testing::WhenDialog;

class StoreViewsTest : public testing::ViewTest {};

TEST_F(StoreViewsTest, CatalogListNavigatesAndSelectsTheHighlightedCatalog) {
  MakeCatalog("Games");
  MakeCatalog("Music", {100, 80, 40});
  TSelectCatalogForm form(ctx, TSelectCatalogForm::Mode::Full);
  WhenDialog("TSelectCatalogForm", [](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Select / Create / Configure Catalog");
    auto* grid = Child<QTableView>(d, "DBGrid1");
    EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString(), "FolderName Length");
    EXPECT_EQ(grid->model()->index(1, 1).data().toInt(), 100);
    EXPECT_EQ(Child<QPushButton>(d, "AdjustSizesBtn")->toolTip(),
              "Adjust \"Filename\", \"Foldername\" and \"Archive ID\" Sizes");
    Child<QAbstractButton>(d, "LastBtn")->click();
    EXPECT_EQ(grid->currentIndex().row(), 1);
    Child<QPushButton>(d, "SelectCatalogBtn")->click();
  });
  EXPECT_EQ(qt_ui.ShowModal(form), Button::Ok);
  EXPECT_EQ(state.active_catalog, "Music");

  // Picking a catalog for another command offers no way to delete or rename one.
  TSelectCatalogForm picker(ctx, TSelectCatalogForm::Mode::Picker);
  WhenDialog("TSelectCatalogForm", [](QDialog& d) {
    EXPECT_TRUE(Child<QPushButton>(d, "DeleteCatalogBtn")->isHidden());
    EXPECT_TRUE(Child<QPushButton>(d, "RenameCatalogBtn")->isHidden());
    Child<QAbstractButton>(d, "FirstBtn")->click();
    Child<QPushButton>(d, "SelectCatalogBtn")->click();
  });
  EXPECT_EQ(qt_ui.ShowModal(picker), Button::Ok);
  EXPECT_EQ(picker.HighlightedName(), "Games");
  EXPECT_EQ(state.active_catalog, "Music");
}

TEST_F(StoreViewsTest, NewCatalogTakesTheNameAndWidthsWithinTheirLimits) {
  TNewCatalogForm form(ctx);
  WhenDialog("TNewCatalogForm", [](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "New Catalog");
    auto* name = Child<QLineEdit>(d, "NewCatalogName");
    EXPECT_EQ(name->maxLength(), 20);
    QTest::keyClicks(name, "Games");
    auto* files = Child<QSpinBox>(d, "FileNameLength");
    files->setValue(250);  // beyond the limit: the spinner stops at it
    EXPECT_EQ(files->value(), 200);
    EXPECT_EQ(Child<QSpinBox>(d, "ArchiveIDLength")->maximum(), 90);
    EXPECT_EQ(Child<QSpinBox>(d, "FolderNameLength")->minimum(), 16);
    Child<QSpinBox>(d, "FolderNameLength")->setValue(120);
    Child<QPushButton>(d, "CreateBtn")->click();
  });
  EXPECT_EQ(qt_ui.ShowModal(form), Button::Ok);
  EXPECT_EQ(form.name, "Games");
  EXPECT_EQ(form.widths, (FieldWidths{200, 120, 16}));
}

TEST_F(StoreViewsTest, RenameRefusesTheSameNameThenTakesANewOne) {
  MakeCatalog("Games");
  TRenameCatalogForm form(ctx, "Games");
  std::string refused;
  WhenDialog("TRenameCatalogForm", [&](QDialog& d) {
    EXPECT_EQ(Child<QLabel>(d, "OldName")->text(), "Games");
    auto* entry = Child<QLineEdit>(d, "NewName");
    QTest::keyClicks(entry, "Games");
    testing::WhenMessageBox(refused);
    Child<QPushButton>(d, "OKBtn")->click();  // the box is answered while this waits
    EXPECT_TRUE(d.isVisible());
    entry->clear();
    QTest::keyClicks(entry, "Old Games");
    Child<QPushButton>(d, "OKBtn")->click();
  });
  EXPECT_EQ(qt_ui.ShowModal(form), Button::Ok);
  EXPECT_EQ(refused, "New Catalog Name Cannot Be The Same As The Old Catalog Name.");
  EXPECT_EQ(form.new_name, "Old Games");
}

TEST_F(StoreViewsTest, CatalogOptionsSavesTheBoxesAndTheExpandChoice) {
  MakeCatalog("Games");
  WhenDialog("TCatalogOptionsForm", [](QDialog& d) {
    EXPECT_EQ(Child<QLabel>(d, "Header")->text(), "Current Catalog = \"Games\"");
    Child<QCheckBox>(d, "Aliases")->setChecked(true);
    Child<QComboBox>(d, "ExpandArchives")->setCurrentText("On Demand");
    Child<QPushButton>(d, "SelectAllBtn")->click();
    EXPECT_TRUE(Child<QCheckBox>(d, "DoLZS")->isChecked());
    Child<QCheckBox>(d, "DoZOO")->setChecked(false);
    Child<QPushButton>(d, "SaveOptionsBtn")->click();
  });
  EditCatalogOptions(ctx, "Games");
  CatalogConfig saved = *LoadCatalogConfig(db, "Games");
  EXPECT_TRUE(saved.aliases);
  EXPECT_EQ(saved.expand_archives, "On Demand");
  EXPECT_TRUE(saved.do_lzs);
  EXPECT_TRUE(saved.do_arc);
  EXPECT_FALSE(saved.do_zoo);
}

TEST_F(StoreViewsTest, AdjustSizesCannotGoBelowWhatTheCatalogHoldsAndRestructures) {
  MakeCatalog("Games");
  db.Exec("INSERT INTO Data.Games_CAT (FileName, VolumeLabel, FolderName, ArchiveID) VALUES ('" + std::string(37, 'N') +
          "', 'D1', '\\', '')");
  WhenDialog("TCatalogFSizeForm", [](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Adjust Sizes");
    auto* files = Child<QSpinBox>(d, "FileNameLength");
    EXPECT_EQ(files->minimum(), 37);
    EXPECT_EQ(Child<QLabel>(d, "FileNameRange")->text(), "(37 to 200)");
    EXPECT_EQ(Child<QLabel>(d, "ArchiveIDRange")->text(), "(16 to 90)");
    Child<QPushButton>(d, "UseMinimumsBtn")->click();
    EXPECT_EQ(files->value(), 37);
    Child<QSpinBox>(d, "FolderNameLength")->setValue(150);
    Child<QPushButton>(d, "AdjustBtn")->click();
  });
  AdjustCatalogSizes(ctx, "Games");
  EXPECT_EQ(LoadCatalogConfig(db, "Games")->widths, (FieldWidths{37, 150, 16}));
  EXPECT_EQ(db::DeclaredWidth(db, db::kData, "Games_CAT", "FolderName"), 150);
}

TEST_F(StoreViewsTest, ResizeWarningShowsBothSidesAndWidensWhatDoesNotFit) {
  MakeCatalog("Games");
  state.active_catalog = "Games";
  WhenDialog("TResizeWarningForm", [](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Catalog Item Size Re-Adjustment(s) Required");
    EXPECT_EQ(Child<QLabel>(d, "FileNameCurrent")->text(), "64");
    EXPECT_EQ(Child<QLabel>(d, "FileNameLongest")->text(), "80");
    EXPECT_EQ(Child<QLabel>(d, "ArchiveIDLongest")->text(), "33");
    Child<QPushButton>(d, "AdjustSettingsBtn")->click();
  });
  EXPECT_EQ(RunResizeWarning(ctx, {64, 64, 32}, {80, 40, 33}), Button::Ok);
  EXPECT_EQ(LoadCatalogConfig(db, "Games")->widths, (FieldWidths{80, 64, 33}));
}

}  // namespace
}  // namespace tembrel::gui
