#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <vector>

#include "catalog/new_table.h"
#include "catalog/selective_catalog_form.h"
#include "gui/catalog/selective_catalog_model.h"
#include "view_test_helpers.h"

namespace tembrel::gui {
namespace {

using namespace catalog;
using testing::Child;
using testing::WhenDialog;

class SelectiveCatalogViewTest : public testing::ViewTest {
 protected:
  // DOC0000.DOC .. and every third one a .TXT, more rows than one fetch brings.
  void FillNew(int rows) {
    CreateNewTableIn(db, "Memory");
    db::Statement n(db, NewTableInsertSql("Memory"));
    for (int i = 0; i < rows; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "F%04d.%s", i, i % 3 == 0 ? "TXT" : "DOC");
      n.Reset();
      n.Bind(1, name).Bind(2, "\\DOCS").Bind(3, "").Bind(4, int64_t{1234567} * i);
      n.Bind(5, Date{2003, 7, 4}).Bind(6, Time{14, 5, 9}).Bind(7, 32).Bind(8, "").Bind(9, true);
      n.Run();
    }
  }
  int Tagged() {
    db::Statement st(db, "SELECT count(*) FROM Memory.New WHERE Tagged");
    st.Step();
    return static_cast<int>(st.Int(0));
  }
};

std::vector<std::string>* warnings = nullptr;
void Collect(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (warnings && type != QtDebugMsg && type != QtInfoMsg) warnings->push_back(text.toStdString());
}

TEST_F(SelectiveCatalogViewTest, ModelPassesTheModelTesterAndFormatsItsColumns) {
  FillNew(600);
  TSelectiveCatalogForm form(ctx, "Memory", "D1");
  SelectiveCatalogModel model(form);
  std::vector<std::string> seen;
  warnings = &seen;
  QtMessageHandler previous = qInstallMessageHandler(Collect);
  {
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    ASSERT_EQ(model.rowCount(), 600);
    for (int r : {0, 299, 599}) model.index(r, 1).data();  // rows far apart: fetched chunk by chunk
    model.setData(model.index(3, SelectiveCatalogModel::kTagged), Qt::Unchecked, Qt::CheckStateRole);
    form.TagAllClick();
    model.TagsChanged();
  }
  qInstallMessageHandler(previous);
  warnings = nullptr;
  EXPECT_TRUE(seen.empty()) << seen.front();

  EXPECT_EQ(model.headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), "File Size");
  EXPECT_EQ(model.index(2, SelectiveCatalogModel::kFileName).data().toString(), "F0002.DOC");
  EXPECT_EQ(model.index(2, SelectiveCatalogModel::kFolderName).data().toString(), "\\DOCS");
  EXPECT_EQ(model.index(2, SelectiveCatalogModel::kFileSize).data().toString(), "2,469,134");
  EXPECT_EQ(model.index(0, SelectiveCatalogModel::kFileSize).data().toString(), "");  // the pattern shows no 0
  EXPECT_EQ(model.index(599, SelectiveCatalogModel::kFileDate).data().toString(), "04 Jul 2003");
  EXPECT_EQ(model.index(599, SelectiveCatalogModel::kFileTime).data().toString(), "02:05:09 PM");
  EXPECT_EQ(model.flags(model.index(0, SelectiveCatalogModel::kFileName)) & Qt::ItemIsUserCheckable, 0);
  EXPECT_TRUE(model.flags(model.index(0, SelectiveCatalogModel::kTagged)) & Qt::ItemIsUserCheckable);

  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  EXPECT_TRUE(model.setData(model.index(5, SelectiveCatalogModel::kTagged), Qt::Unchecked, Qt::CheckStateRole));
  EXPECT_FALSE(model.setData(model.index(5, SelectiveCatalogModel::kFileName), "X", Qt::EditRole));
  EXPECT_EQ(changed.count(), 1);
  EXPECT_FALSE(form.Row(5).tagged);
  EXPECT_EQ(Tagged(), 599);
}

TEST_F(SelectiveCatalogViewTest, TheButtonsRetagTheGridAndProceedKeepsTheTags) {
  FillNew(9);
  TSelectiveCatalogForm form(ctx, "Memory", "D1");
  form.column_widths = {180, 0, 0};
  WhenDialog("TSelectiveCatalogForm", [this](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Selective Cataloging");
    auto* grid = Child<QTableView>(d, "DBGrid1");
    EXPECT_EQ(grid->columnWidth(SelectiveCatalogModel::kFileName), 180);
    QAbstractItemModel* model = grid->model();
    Child<QPushButton>(d, "InvertTagsBtn")->click();
    EXPECT_EQ(model->index(8, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(Tagged(), 0);

    WhenDialog("TSelectiveCatalogTagCriteriaForm", [](QDialog& c) {
      EXPECT_EQ(c.windowTitle(), "Tag Several");
      EXPECT_EQ(Child<QRadioButton>(c, "FilespecChoice")->text(), "Tag Files Conforming To This Filespec");
      QTest::keyClicks(Child<QLineEdit>(c, "Filespec"), "*.txt");
      Child<QPushButton>(c, "ProceedBtn")->click();
    });
    Child<QPushButton>(d, "TagSeveralBtn")->click();
    EXPECT_EQ(Tagged(), 3);
    EXPECT_EQ(model->index(3, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);

    emit grid->doubleClicked(model->index(1, SelectiveCatalogModel::kFileName));  // ticks that row too
    EXPECT_EQ(Tagged(), 4);
    Child<QPushButton>(d, "ProceedBtn")->click();
  });
  EXPECT_EQ(qt_ui.ShowModal(form), Button::Ok);
  EXPECT_EQ(Tagged(), 4);
}

}  // namespace
}  // namespace tembrel::gui
