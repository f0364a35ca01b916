#include "gui/qt_ui.h"

#include <QApplication>
#include <QMessageBox>
#include <stdexcept>

#include "gui/modeless_views.h"
#include "gui/msg_window.h"
#include "gui/progress_form.h"

namespace tembrel::gui {
namespace {

// Lets a modal dialog show the normal cursor while start-up holds the busy one.
class NormalCursorWhileModal {
 public:
  NormalCursorWhileModal() : busy_(QApplication::overrideCursor() != nullptr) {
    if (busy_) QApplication::restoreOverrideCursor();
  }
  ~NormalCursorWhileModal() {
    if (busy_) QApplication::setOverrideCursor(Qt::WaitCursor);
  }

 private:
  bool busy_;
};

Button Box(QWidget* splash, QWidget* parent, QMessageBox::Icon icon, std::string_view text, QMessageBox::StandardButtons buttons,
           QMessageBox::StandardButton default_button) {
  NormalCursorWhileModal cursor;
  if (splash) splash->hide();  // it stays on top and would cover the box
  QMessageBox box(icon, QtUi::kTitle, DisplayText(text), buttons, parent);
  box.setDefaultButton(default_button);
  switch (box.exec()) {
    case QMessageBox::Yes: return Button::Yes;
    case QMessageBox::No: return Button::No;
    case QMessageBox::Cancel: return Button::Cancel;
    default: return Button::Ok;
  }
}

}  // namespace

QString DisplayText(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return s;
}

QtUi::QtUi(Settings& settings)
    : settings_(settings), rng_(std::random_device{}()), modeless_(std::make_unique<ModelessRegistry>()) {}

QtUi::~QtUi() = default;

void QtUi::CreateSharedWindows() {
  if (!message_) message_ = std::make_unique<MsgWindow>();
  if (!progress_) progress_ = std::make_unique<ProgressForm>(rng_);
}

void QtUi::RegisterView(std::string class_name, ViewFactory factory) {
  views_.insert_or_assign(std::move(class_name), std::move(factory));
}

void QtUi::Beep() { QApplication::beep(); }

Button QtUi::Information(std::string_view text) {
  return Box(splash_, main_window_, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

Button QtUi::Error(std::string_view text) {
  return Box(splash_, main_window_, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

Button QtUi::Warning(std::string_view text) {
  return Box(splash_, main_window_, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

Button QtUi::Ask(std::string_view text, bool warning) {
  return Box(splash_, main_window_, warning ? QMessageBox::Warning : QMessageBox::Question, text,
             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

ProgressWindow& QtUi::Progress() {
  CreateSharedWindows();
  return *progress_;
}

std::unique_ptr<ProgressWindow> QtUi::NewProgressWindow() { return std::make_unique<ProgressForm>(rng_); }

MessageWindow& QtUi::Message() {
  CreateSharedWindows();
  return *message_;
}

void QtUi::ProcessEvents() {
  const auto now = std::chrono::steady_clock::now();
  if (now - last_events_ < kEventInterval) return;
  last_events_ = now;
  QCoreApplication::processEvents();
}

void QtUi::ShowModeless(Form& form) { modeless_->Show(form, ViewContext{main_window_, settings_, *this}); }
void QtUi::FormChanged(Form& form) { modeless_->Changed(form); }
void QtUi::WaitUntilClosed(Form& form) { modeless_->WaitUntilClosed(form); }
void QtUi::CloseModeless(Form& form) { modeless_->Close(form); }

Button QtUi::ShowModal(Form& form) {
  auto it = views_.find(form.ClassName());
  if (it == views_.end()) throw std::logic_error("No Window Is Available For " + std::string(form.ClassName()));
  NormalCursorWhileModal cursor;
  if (splash_) splash_->hide();  // it stays on top and would cover the dialog
  ViewFactory factory = it->second;
  return factory(form, ViewContext{main_window_, settings_, *this});
}

}  // namespace tembrel::gui
