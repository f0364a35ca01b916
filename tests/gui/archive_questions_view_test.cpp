#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/question_form.h"
#include "catalog/confirm_expand_archive_form.h"
#include "gui/catalog/catalog_views.h"
#include "gui/qt_ui.h"
#include "view_test_helpers.h"

namespace tembrel::gui {
namespace {


class ArchiveQuestionsTest : public ::testing::Test {
 protected:
  MemorySettings settings;
  QtUi ui{settings};
  void SetUp() override { RegisterCatalogViews(ui); }
};

TEST_F(ArchiveQuestionsTest, ExpandArchiveAnswersThroughItsButtons) {
  catalog::TConfirmExpandArchiveForm form;
  form.archive_path = "F:\\GAMES\\DOOM.ZIP";
  testing::WhenDialog("", [](QDialog& d) { QTest::mouseClick(d.findChild<QPushButton*>("NoToAllBtn"), Qt::LeftButton); });
  ui.ShowModal(form);
  EXPECT_EQ(form.answer, catalog::TConfirmExpandArchiveForm::Answer::NoToAll);
}

TEST_F(ArchiveQuestionsTest, QuestionReturnsTheButtonPressed) {
  testing::WhenDialog("", [](QDialog& d) {
    auto* box = qobject_cast<QMessageBox*>(&d);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->buttons().size(), 5);
    box->button(QMessageBox::YesToAll)->click();
  });
  EXPECT_EQ(AskWithButtons(ui, "Expand SFX ZIP Archive SETUP.EXE?",
                           {Button::Yes, Button::No, Button::Cancel, Button::YesToAll, Button::NoToAll}),
            Button::YesToAll);
}

}  // namespace
}  // namespace tembrel::gui
