#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <set>
#include <stdexcept>
#include <thread>

#include "app/help_form.h"
#include "gui/msg_window.h"
#include "gui/progress_form.h"
#include "gui/qt_settings.h"
#include "gui/qt_ui.h"
#include "gui/shell_views.h"
#include "support/temp_dir.h"

namespace tembrel::gui {
namespace {

TEST(ProgressForm, ShowingTwiceKeepsTheFirstCaptionAndGauge) {
  std::mt19937 rng{1234};  // fixed so failures reproduce
  ProgressForm progress(rng);
  progress.ShowForm("Copying Files", true);
  QApplication::processEvents();
  EXPECT_TRUE(progress.Window().isVisible());
  EXPECT_EQ(progress.Window().windowTitle(), "Copying Files");
  EXPECT_EQ(progress.Window().height(), 145);
  EXPECT_TRUE(progress.CancelBtn().isVisible());
  EXPECT_FALSE(progress.Window().windowFlags() & Qt::WindowCloseButtonHint);
  progress.SetPosition(42);
  EXPECT_EQ(progress.Gauge().Text(), "42%");
  const auto colours = progress.Gauge().Colours();

  progress.ShowForm("Something Else", false);
  EXPECT_EQ(progress.Window().windowTitle(), "Copying Files");
  EXPECT_EQ(progress.Gauge().Value(), 42);
  EXPECT_EQ(progress.Gauge().Colours(), colours);

  progress.CancelBtn().click();
  EXPECT_TRUE(progress.CancelRequested());
  progress.HideForm();
  EXPECT_FALSE(progress.Window().isVisible());

  progress.ShowForm("Reading Disk", false);
  EXPECT_EQ(progress.Window().windowTitle(), "Reading Disk");
  EXPECT_EQ(progress.Window().height(), 85);
  EXPECT_FALSE(progress.CancelBtn().isVisible());
  EXPECT_FALSE(progress.CancelBtn().isEnabled());
  EXPECT_FALSE(progress.CancelRequested());
  EXPECT_EQ(progress.Gauge().Text(), "0%");
  progress.SetPosition(250);
  EXPECT_EQ(progress.Gauge().Text(), "100%");
  progress.HideForm();
}

TEST(ProgressForm, GaugeColoursComeFromTheFourteenPairsInEitherOrder) {
  std::set<std::pair<QRgb, QRgb>> allowed;
  for (const auto& [a, b] : GaugeColourPairs()) {
    allowed.insert({a.rgb(), b.rgb()});
    allowed.insert({b.rgb(), a.rgb()});
  }
  EXPECT_EQ(allowed.size(), 28u);
  std::mt19937 rng{1234};  // fixed so failures reproduce
  std::set<std::pair<QRgb, QRgb>> seen;
  for (int i = 0; i < 2000; ++i) {
    auto [a, b] = PickGaugeColours(rng);
    ASSERT_TRUE(allowed.count({a.rgb(), b.rgb()}));
    seen.insert({a.rgb(), b.rgb()});
  }
  EXPECT_EQ(seen.size(), 28u);  // every pair, each way round
}

TEST(MsgWindow, ShowsCentredBorderlessAndRemembersItsText) {
  MsgWindow msg;
  EXPECT_EQ(msg.Window().size(), QSize(506, 67));
  EXPECT_TRUE(msg.Window().windowFlags() & Qt::FramelessWindowHint);
  msg.ShowMsg("Updating Summary File Format");
  EXPECT_TRUE(msg.Shown());
  EXPECT_TRUE(msg.Window().isVisible());
  EXPECT_EQ(msg.Text(), "Updating Summary File Format");
  msg.RemoveMsg();
  EXPECT_FALSE(msg.Shown());
  EXPECT_FALSE(msg.Window().isVisible());
}

TEST(QtSettings, KeepsGroupsAndValuesInTheUsersIniFile) {
  testing::TempDir dir;
  const QByteArray old = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.Path().string()));
  EXPECT_EQ(QtSettings::DefaultPath(), dir.Path().string() + "/Tembrel/Tembrel.ini");
  const std::vector<std::string> values = {"C:\\DATA, AND MORE", "a=b;c", "  leading and trailing  ", "Größe",
                                           "@odd", "\"quoted\"", ""};
  {
    QtSettings s;
    for (size_t i = 0; i < values.size(); ++i) s.Set("TMainForm", "Value" + std::to_string(i), values[i]);
    s.Set("TMainForm", "DDirname.Caption", "/home/me/catalogs/");
    s.Set("TCatalogDiskSpecForm", "Recurse", "true");
    s.Remove("TMainForm", "Value0");
  }
  QtSettings s;
  EXPECT_FALSE(s.Get("TMainForm", "Value0"));
  for (size_t i = 1; i < values.size(); ++i) EXPECT_EQ(s.Get("TMainForm", "Value" + std::to_string(i)), values[i]);
  EXPECT_EQ(s.GetString("TMainForm", "DDirname.Caption"), "/home/me/catalogs/");
  EXPECT_TRUE(s.GetBool("TCatalogDiskSpecForm", "Recurse", false));
  EXPECT_FALSE(s.Get("TMainForm", "Recurse"));
  EXPECT_EQ(s.Keys("TCatalogDiskSpecForm"), (std::vector<std::string>{"Recurse"}));
  QFile file(QString::fromStdString(s.Path()));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.contains("[TMainForm]"));
  EXPECT_TRUE(text.contains("[TCatalogDiskSpecForm]"));
  if (old.isNull())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", old);
}

TEST(QtUi, PumpsEventsAtMostEveryThirtyMilliseconds) {
  MemorySettings settings;
  QtUi ui(settings);
  int runs = 0;
  ui.ProcessEvents();
  QTimer::singleShot(0, [&] { ++runs; });
  ui.ProcessEvents();  // straight after the last pump: skipped
  EXPECT_EQ(runs, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(40));
  ui.ProcessEvents();
  EXPECT_EQ(runs, 1);
}

TEST(QtUi, ShowModalFindsTheViewByClassName) {
  MemorySettings settings;
  QtUi ui(settings);
  THelpForm help(HelpMode::Contents);
  EXPECT_THROW(ui.ShowModal(help), std::logic_error);
  std::string seen_anchor;
  ui.RegisterView<THelpForm>("THelpForm", [&](THelpForm& f, const ViewContext&) {
    seen_anchor = f.Anchor();
    return Button::Ok;
  });
  EXPECT_EQ(ui.ShowModal(help), Button::Ok);
  EXPECT_EQ(seen_anchor, "contents");
  EXPECT_EQ(DisplayText("One\r\n\r\nTwo"), "One\n\nTwo");
}

TEST(HelpPage, HasEveryTopicTheContentsAndIndexPointTo) {
  MemorySettings settings;
  QtUi ui(settings);
  RegisterShellViews(ui);  // makes the page available
  QFile page(":/help/tembrel-help.html");
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  const QByteArray html = page.readAll();
  for (auto list : {THelpForm::Contents(), THelpForm::Index()})
    for (const auto& t : list)
      EXPECT_TRUE(html.contains("name=\"" + QByteArray(t.anchor.data(), t.anchor.size()) + "\"")) << t.anchor;
}

}  // namespace
}  // namespace tembrel::gui
