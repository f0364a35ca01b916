#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/shell_commands.h"
#include "store/catalog_tables.h"
#include "store/verify_active_catalog.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace tembrel::gui {
namespace {

using tembrel::testing::ScriptedUi;
using tembrel::testing::TempDir;
using tembrel::testing::UiEvent;
using tembrel::testing::UiRecord;

class MainWindowTest : public ::testing::Test {
 protected:
  TempDir program;
  TempDir data;
  SharedState state;
  MemorySettings settings;
  ScriptedUi ui;
  FixedClock clock{Date{2026, 12, 11}, Time{10, 30, 0}};
  std::unique_ptr<TMainForm> form;
  std::unique_ptr<MainWindow> window;

  void SetUp() override {
    settings.Set("TMainForm", "DDirname.Caption", data.Str());
    form = std::make_unique<TMainForm>(state, settings, ui, clock);
    form->SetProgramFolderResolver([this] { return program.Str(); });
    RegisterShellCommands(*form);
    window = std::make_unique<MainWindow>(*form);
    window->resize(800, 600);
    window->show();
    form->FormShow();
    QApplication::processEvents();
  }
  void TearDown() override {
    window.reset();
    form.reset();
  }
  QLabel* Label(const char* name) { return window->findChild<QLabel*>(name); }
  std::vector<QString> FrameCaptions() {
    std::vector<QString> out;
    if (!window->CurrentFrame()) return out;
    for (auto* b : window->CurrentFrame()->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
      out.push_back(b->text());
    return out;
  }
};

TEST_F(MainWindowTest, StartsWithItsCaptionMinimumSizeAndEmptyStatusStrip) {
  EXPECT_EQ(window->windowTitle(), "Tembrel 2003 Version 1.05A  (Created 20 October 2003)");
  EXPECT_EQ(window->minimumSize(), QSize(590, 375));
  EXPECT_EQ(Label("ACHeader")->text(), "Active Catalog");
  EXPECT_EQ(Label("DCHeader")->text(), "Disks Cataloged");
  EXPECT_EQ(Label("FCHeader")->text(), "Files Cataloged");
  EXPECT_EQ(Label("ActiveCatalogName")->text(), "");
  EXPECT_EQ(Label("DisksInCatalog")->text(), "");
  EXPECT_EQ(Label("FilesInCatalog")->text(), "");
  EXPECT_EQ(Label("MainOptHeaderPanel")->text(), "Main Options");
  EXPECT_EQ(Label("SubOptHeaderPanel")->text(), "Sub-Options");
  EXPECT_FALSE(Label("DDirname")->isVisible());
  EXPECT_EQ(Label("DDirname")->text().toStdString(), data.Str());
  EXPECT_FALSE(Label("NoticeText")->text().isEmpty());
  EXPECT_EQ(window->CurrentFrame(), nullptr);
  const char* captions[6] = {"Cataloging", "Reports", "Tools", "Settings", "Help", "Exit Program"};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(window->GroupButton(i)->text(), captions[i - 1]);
    EXPECT_TRUE(window->GroupButton(i)->isCheckable());
    EXPECT_FALSE(window->GroupButton(i)->isChecked());
  }
  // Header fonts as first set up: blue italic 13-pixel Arial over bold 16-pixel values.
  EXPECT_TRUE(Label("DCHeader")->font().italic());
  EXPECT_EQ(Label("DCHeader")->font().pixelSize(), 13);
  EXPECT_EQ(Label("DCHeader")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_TRUE(Label("DisksInCatalog")->font().bold());
  EXPECT_EQ(Label("DisksInCatalog")->font().pixelSize(), 16);
}

TEST_F(MainWindowTest, TheMenuBarHoldsEveryCommandWithItsCaptionAndShortcut) {
  QStringList titles;
  for (QAction* a : window->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"&Cataloging", "&Reports", "&Tools", "&Settings", "C&onvert", "&Diagnose", "&Help"}));
  for (const auto& c : Commands()) {
    QAction* a = window->Action(c.name);
    ASSERT_NE(a, nullptr) << c.name;
    EXPECT_EQ(a->text().toStdString(), c.caption);
    EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromStdString(c.shortcut))) << c.name;
    // Reachable from the bar: its menu hangs off the bar or off a menu that does.
    auto* menu = qobject_cast<QMenu*>(a->parent());
    ASSERT_NE(menu, nullptr) << c.name;
  }
  EXPECT_EQ(window->Action("About1")->text(), "About Tembrel 2003");
  EXPECT_EQ(window->Action("DuplicateRedundantFileCleanup1")->shortcut(), QKeySequence(Qt::Key_F10));
}

TEST_F(MainWindowTest, GroupButtonsShowEachPanelWithAllItsButtons) {
  for (const auto& panel : Panels()) {
    window->GroupButton(panel.type)->click();
    ASSERT_NE(window->CurrentFrame(), nullptr);
    EXPECT_EQ(window->CurrentFrame()->objectName().toStdString(), panel.class_name);
    EXPECT_EQ(window->SubOptHeader()->text().toStdString(), SubOptionsHeader(panel.type));
    std::vector<QString> expected;
    for (const auto& b : panel.buttons) expected.push_back(QString::fromStdString(b.caption));
    EXPECT_EQ(FrameCaptions(), expected) << panel.class_name;
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(window->GroupButton(i)->isChecked(), i == panel.type);
  }
  // The Help panel's About button carries the edition.
  EXPECT_EQ(window->CurrentFrame()->findChild<QPushButton*>("AboutBtn")->text(), "About Tembrel 2003");
  // Pressing the button that is down empties the area.
  window->GroupButton(kHelpPanel)->click();
  QApplication::processEvents();
  EXPECT_EQ(window->CurrentFrame(), nullptr);
  EXPECT_EQ(window->SubOptHeader()->text(), "Sub-Options");
  EXPECT_FALSE(window->GroupButton(kHelpPanel)->isChecked());
}

TEST_F(MainWindowTest, AMenuCommandShowsItsPanelBeforeTheGuardRefuses) {
  state.open_report_count = 1;
  window->Action("ManageCatalogs1")->trigger();
  EXPECT_EQ(window->CurrentFrame()->objectName(), "TFrameTools");
  EXPECT_TRUE(window->GroupButton(kToolsPanel)->isChecked());
  EXPECT_EQ(ui.Log(), (std::vector<UiRecord>{{UiEvent::Beep, ""},
                                             {UiEvent::Error, "Please Close All Open Reports First"}}));
  // A panel button runs the same command.
  ui.ClearLog();
  window->CurrentFrame()->findChild<QPushButton*>("ManageCatalogs1Btn")->click();
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Please Close All Open Reports First"}));
}

TEST_F(MainWindowTest, ExitProgramButtonClosesTheWindowAndNeverStaysDown) {
  bool closed = false;
  QObject::connect(window.get(), &MainWindow::Closed, [&] { closed = true; });
  state.open_report_count = 2;
  ui.AnswerAsk("You Have Reports Open - Are You Sure You Want To Close This Program?", Button::No);
  window->GroupButton(6)->click();
  EXPECT_FALSE(closed);
  EXPECT_FALSE(window->GroupButton(6)->isChecked());
  state.open_report_count = 0;
  window->GroupButton(6)->click();
  EXPECT_TRUE(closed);
  EXPECT_TRUE(form->Placement().known);
}

TEST_F(MainWindowTest, StatusStripShowsTheCounts) {
  CatalogConfig config;
  config.catalog_name = "Music";
  InsertCatalogConfig(form->Context().db, config);
  state.active_catalog = "Music";
  AppContext ctx = form->Context();
  VerifyActiveCatalog(ctx, true);
  form->SetStatPanels();
  EXPECT_EQ(Label("ActiveCatalogName")->text(), "Music");
  EXPECT_EQ(Label("DisksInCatalog")->text(), "0");
  EXPECT_EQ(Label("FilesInCatalog")->text(), "0");
}

TEST_F(MainWindowTest, ButtonsFollowTheColumnLayout) {
  window->resize(900, 700);
  QApplication::processEvents();
  QWidget* column = window->findChild<QWidget*>("MainOptPanel");
  const auto rects = MainOptButtonLayout(column->height(), column->width());
  for (int i = 0; i < 6; ++i) {
    const QRect g = window->GroupButton(i + 1)->geometry();
    EXPECT_EQ(g, QRect(rects[i].left, rects[i].top, rects[i].width, rects[i].height)) << i;
  }
  window->GroupButton(kCatalogingPanel)->click();
  QApplication::processEvents();
  QWidget* frame = window->CurrentFrame();
  const auto sub = SubPanelButtonLayout(column->height(), frame->width(), 12);
  auto buttons = frame->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_EQ(buttons.size(), 12);
  EXPECT_EQ(buttons[1]->geometry(), QRect(sub[1].left, sub[1].top, sub[1].width, sub[1].height));
  // All twelve fit inside the panel.
  EXPECT_LE(buttons[11]->geometry().bottom(), frame->height());
}

}  // namespace
}  // namespace tembrel::gui
