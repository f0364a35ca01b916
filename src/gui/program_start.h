#pragma once
// The program's entry sequence: the splash window first, then (once the main window exists)
// a wait, the main window shown and its start-up run, the window held disabled through a
// second wait, the splash gone, and the tips when they are wanted. The waits are timers, so
// the event loop keeps painting.
#include <QObject>
#include <QPointer>
#include <chrono>
#include <memory>

#include "app/main_form.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"
#include "gui/splash.h"

namespace tembrel::gui {

class ProgramStart : public QObject {
  Q_OBJECT
 public:
  // Shows the splash window with the busy cursor.
  explicit ProgramStart(QtUi& ui, std::chrono::milliseconds wait = std::chrono::milliseconds(1000));
  ~ProgramStart() override;

  // Schedules the rest of the sequence for this main window.
  void Run(TMainForm& form, MainWindow& window);
  SplashWindow* Splash() const { return splash_.get(); }
  bool Finished() const { return finished_; }

 signals:
  void Done();

 private:
  void ShowMainWindow();
  void Finish();

  QtUi& ui_;
  std::chrono::milliseconds wait_;
  std::unique_ptr<SplashWindow> splash_;
  TMainForm* form_ = nullptr;
  QPointer<MainWindow> window_;
  bool busy_cursor_ = false;
  bool finished_ = false;
};

}  // namespace tembrel::gui
