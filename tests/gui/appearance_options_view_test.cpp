#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/appearance_options_form.h"
#include "gui/qt_ui.h"
#include "view_test_helpers.h"
#include "gui/shell_views.h"

namespace tembrel::gui {
namespace {


TEST(AppearanceOptionsForm, DefaultsAndApply) {
  MainWindowAppearance a;
  a.main_opt = {kBlue, kNavy, GradientDirection::LeftToRight};
  a.dc_header.colour = kNavy;
  TAppearanceOptionsForm form(a);
  EXPECT_EQ(form.main_opt, a.main_opt);
  EXPECT_EQ(form.header_colour, kNavy);
  form.status = {kBlue, kTeal, GradientDirection::LeftToRight};
  form.show_panels = false;
  EXPECT_EQ(form.ApplyTo(a), 170);
  EXPECT_EQ(a.ac, form.status);
  EXPECT_EQ(a.fc, form.status);  // one setting for all three status panels
  EXPECT_FALSE(a.main_opt_visible || a.sub_opt_visible);
  form.DefaultsClick();
  EXPECT_EQ(form.main_opt, (Gradient{kTeal, kTeal, GradientDirection::TopToBottom}));
  EXPECT_EQ(form.info_colour, kWindowText);
  EXPECT_TRUE(form.show_panels);
  EXPECT_EQ(form.ApplyTo(a), 375);
}

TEST(AppearanceOptionsView, DirectionAndPanelsSetThroughTheWindow) {
  MemorySettings settings;
  QtUi ui(settings);
  RegisterShellViews(ui);
  TAppearanceOptionsForm form(MainWindowAppearance{});
  testing::WhenDialog("", [](QDialog& d) {
    auto* direction = d.findChild<QComboBox*>("StatusDirection");
    ASSERT_NE(direction, nullptr);
    direction->setCurrentIndex(0);
    emit direction->activated(0);
    d.findChild<QCheckBox*>("ShowPanelsCheck")->setChecked(false);
    QTest::mouseClick(d.findChild<QPushButton*>("OkBtn"), Qt::LeftButton);
  });
  EXPECT_EQ(ui.ShowModal(form), Button::Ok);
  EXPECT_EQ(form.status.direction, GradientDirection::LeftToRight);
  EXPECT_FALSE(form.show_panels);
}

}  // namespace
}  // namespace tembrel::gui
