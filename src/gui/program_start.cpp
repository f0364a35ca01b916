#include "gui/program_start.h"

#include <QApplication>
#include <QTimer>

namespace tembrel::gui {

ProgramStart::ProgramStart(QtUi& ui, std::chrono::milliseconds wait)
    : ui_(ui), wait_(wait), splash_(std::make_unique<SplashWindow>()) {
  splash_->show();
  ui_.SetSplash(splash_.get());
  QApplication::setOverrideCursor(Qt::WaitCursor);
  busy_cursor_ = true;
  QCoreApplication::processEvents();
}

ProgramStart::~ProgramStart() {
  ui_.SetSplash(nullptr);
  if (busy_cursor_) QApplication::restoreOverrideCursor();
}

void ProgramStart::Run(TMainForm& form, MainWindow& window) {
  form_ = &form;
  window_ = &window;
  QTimer::singleShot(wait_, this, [this] { ShowMainWindow(); });
}

void ProgramStart::ShowMainWindow() {
  if (!window_) return;
  window_->ShowRemembered();
  form_->FormShow();
  if (!window_) return;
  window_->setEnabled(false);
  QCoreApplication::processEvents();
  QTimer::singleShot(wait_, this, [this] { Finish(); });
}

void ProgramStart::Finish() {
  if (window_) window_->setEnabled(true);
  ui_.SetSplash(nullptr);
  splash_.reset();
  if (busy_cursor_) QApplication::restoreOverrideCursor();
  busy_cursor_ = false;
  finished_ = true;
  if (window_ && form_->TipsShowAtStart()) form_->ShowTips();
  emit Done();
}

}  // namespace tembrel::gui
