#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextBlock>

#include "app/get_string_form.h"
#include "app/select_one_volume_form.h"
#include "app/text_file_viewer_form.h"
#include "view_test_helpers.h"

namespace tembrel::gui {
namespace {

using testing::Child;
using testing::WhenDialog;

class SharedViewsTest : public testing::ViewTest {};

TEST_F(SharedViewsTest, PromptShowsWhatIsTypedUpperCasedAndCutAndReturnsItOnOk) {
  WhenDialog("TGetStringForm", [](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tag Several");
    EXPECT_EQ(Child<QLabel>(d, "Prompt")->text(), "Enter A Label");
    auto* entry = Child<QLineEdit>(d, "ResultString");
    EXPECT_EQ(d.focusWidget(), entry);
    QTest::keyClicks(entry, "abcdefg");
    EXPECT_EQ(entry->text(), "ABCDE");
    Child<QPushButton>(d, "OKBtn")->click();
  });
  PromptOptions options;
  options.caption = "Tag Several";
  options.max_length = 5;
  options.upper_case = true;
  EXPECT_EQ(AskForString(ui, "Enter A Label", options), "ABCDE");

  WhenDialog("TGetStringForm", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  EXPECT_EQ(AskForString(ui, "Enter A Label"), std::nullopt);
}

TEST_F(SharedViewsTest, VolumePickerListsLabelsInOrderAndADoubleClickedRowIsTheAnswer) {
  MakeCatalog("Games");
  state.active_catalog = "Games";
  db.Exec("INSERT INTO Data.Games_SUM (CatalogVolumeLabel, ActualVolumeLabel) VALUES ('b2', 'b2'), ('A1', 'A1'), ('C3', 'C3')");
  TSelectOneVolumeForm form(ctx);
  WhenDialog("TSelectOneVolumeForm", [](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Volumes Cataloged");
    EXPECT_EQ(d.width(), 300);
    auto* grid = Child<QTableView>(d, "DBGrid1");
    ASSERT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(grid->model()->index(1, 0).data().toString(), "b2");
    emit grid->doubleClicked(grid->model()->index(2, 0));
  });
  EXPECT_EQ(qt_ui.ShowModal(form), Button::Ok);
  EXPECT_EQ(form.SelectedLabel(), "C3");
}

TEST_F(SharedViewsTest, ViewerShowsTheCaretPositionCountedFromOneInAFixedPitchFont) {
  TTextFileViewerForm form;
  form.caption = "/tmp/LIST.TXT";
  form.text = "first\r\nsecond\r\nthird line\r\n";
  WhenDialog("TTextFileViewerForm", [](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "/tmp/LIST.TXT");
    auto* status = Child<QLabel>(d, "StatusLine");
    EXPECT_EQ(status->text(), "Line 0  -  Column 0");
    auto* memo = Child<QPlainTextEdit>(d, "Memo1");
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_TRUE(memo->font().fixedPitch());
    EXPECT_EQ(memo->document()->blockCount(), 4);  // no stray carriage returns
    QTest::keyClick(memo, Qt::Key_Down);
    QTest::keyClick(memo, Qt::Key_Down);
    EXPECT_EQ(status->text(), "Line: 3  -  Column: 1");
    QTest::keyClick(memo, Qt::Key_End);
    EXPECT_EQ(status->text(), "Line: 3  -  Column: 11");
    Child<QPushButton>(d, "CloseBtn")->click();
  });
  qt_ui.ShowModal(form);
  EXPECT_EQ(form.StatusLine(), "Line: 3  -  Column: 11");
}

}  // namespace
}  // namespace tembrel::gui
