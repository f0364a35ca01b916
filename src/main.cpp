// The desktop program: splash, main window, start-up sequence, tips, event loop.
#include <QApplication>
#include <QTimer>
#include <memory>

#include "app/main_form.h"
#include "app/shell_commands.h"
#include "gui/main_window.h"
#include "gui/qt_settings.h"
#include "gui/qt_ui.h"
#include "gui/shell_views.h"
#include "gui/splash.h"

int main(int argc, char** argv) {
  using namespace tembrel;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tembrel");
  // The main window's close box ends the program even while other windows are open.
  QApplication::setQuitOnLastWindowClosed(false);

  gui::QtSettings settings;
  SharedState state;
  SystemClock clock;
  gui::QtUi ui(settings);
  gui::RegisterShellViews(ui);

  auto splash = std::make_unique<gui::SplashWindow>();
  splash->show();
  ui.SetSplash(splash.get());
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QCoreApplication::processEvents();

  TMainForm form(state, settings, ui, clock);
  RegisterShellCommands(form);
  gui::MainWindow window(form, &ui);
  ui.CreateSharedWindows();
  QObject::connect(&window, &gui::MainWindow::Closed, &app, &QCoreApplication::quit);

  // The two waits run on timers so the splash keeps painting.
  QTimer::singleShot(1000, &window, [&] {
    window.ShowRemembered();
    form.FormShow();
    window.setEnabled(false);
    QCoreApplication::processEvents();
    QTimer::singleShot(1000, &window, [&] {
      window.setEnabled(true);
      ui.SetSplash(nullptr);
      splash.reset();
      QApplication::restoreOverrideCursor();
      if (form.TipsShowAtStart()) form.ShowTips();
    });
  });

  const int rc = app.exec();
  if (window.isVisible()) window.StorePlacement();
  form.SaveSettings();
  return rc;
}
