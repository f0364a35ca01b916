#include "gui/program_start.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "app/tips_form.h"
#include "support/temp_dir.h"

namespace tembrel::gui {
namespace {

TEST(ProgramStart, SplashThenMainWindowThenTips) {
  testing::TempDir program;
  testing::TempDir data;
  MemorySettings settings;
  settings.Set("TMainForm", "DDirname.Caption", data.Str());
  SharedState state;
  FixedClock clock{Date{2026, 12, 11}, Time{10, 30, 0}};
  QtUi ui(settings);
  int tips_shown = 0;
  bool enabled_at_tips = false;
  MainWindow* seen_window = nullptr;
  ui.RegisterView<TTipsForm>("TTipsForm", [&](TTipsForm& f, const ViewContext&) {
    ++tips_shown;
    enabled_at_tips = seen_window && seen_window->isEnabled();
    f.show_at_start = false;
    return Button::Ok;
  });

  ProgramStart start(ui, std::chrono::milliseconds(20));
  ASSERT_NE(start.Splash(), nullptr);
  EXPECT_TRUE(start.Splash()->isVisible());
  EXPECT_NE(QApplication::overrideCursor(), nullptr);

  TMainForm form(state, settings, ui, clock);
  form.SetProgramFolderResolver([&] { return program.Str(); });
  MainWindow window(form, &ui);
  seen_window = &window;
  EXPECT_FALSE(window.isVisible());  // not before the first wait
  start.Run(form, window);
  QApplication::processEvents();
  EXPECT_FALSE(window.isVisible());

  QEventLoop loop;
  QObject::connect(&start, &ProgramStart::Done, &loop, &QEventLoop::quit);
  QTimer::singleShot(5000, &loop, &QEventLoop::quit);
  loop.exec();

  ASSERT_TRUE(start.Finished());
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(start.Splash(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(state.data_folder, data.Str());  // the start-up sequence ran
  EXPECT_EQ(tips_shown, 1);
  EXPECT_TRUE(enabled_at_tips);
  EXPECT_FALSE(form.TipsShowAtStart());
}

}  // namespace
}  // namespace tembrel::gui
