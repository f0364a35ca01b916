#pragma once
// The Ui of the desktop program: message boxes titled with the program's name, the system
// beep, the shared message and progress windows, throttled event pumping, and ShowModal
// through the view registered for each dialog's class name.
#include <QPointer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "platform/settings/settings.h"
#include "platform/ui/ui.h"

namespace tembrel::gui {

class ProgressForm;
class ModelessRegistry;
class MsgWindow;
class QtUi;

// What a view is handed besides its form.
struct ViewContext {
  QWidget* parent;  // the main window, or null before it exists
  Settings& settings;
  QtUi& ui;
};

class QtUi final : public Ui {
 public:
  using ViewFactory = std::function<Button(Form&, const ViewContext&)>;

  static constexpr const char* kTitle = "Tembrel";
  // Pending events run at most this often while a long operation calls ProcessEvents.
  static constexpr std::chrono::milliseconds kEventInterval{30};

  explicit QtUi(Settings& settings);
  ~QtUi() override;

  void SetMainWindow(QWidget* window) { main_window_ = window; }
  // The splash window of start-up: it gives way to the first dialog or message box.
  void SetSplash(QWidget* splash) { splash_ = splash; }
  QWidget* MainWindow() const { return main_window_; }
  // Creates the shared message and progress windows (hidden).
  void CreateSharedWindows();

  void RegisterView(std::string class_name, ViewFactory factory);
  // The view for a form class F: fn(F&, const ViewContext&) -> Button.
  template <class F, class Fn>
  void RegisterView(std::string class_name, Fn fn) {
    RegisterView(std::move(class_name),
                 [fn = std::move(fn)](Form& form, const ViewContext& ctx) { return fn(static_cast<F&>(form), ctx); });
  }
  bool HasView(std::string_view class_name) const { return views_.find(class_name) != views_.end(); }

  void Beep() override;
  Button Information(std::string_view text) override;
  Button Error(std::string_view text) override;
  Button Warning(std::string_view text) override;
  Button Ask(std::string_view text, bool warning = false) override;
  ProgressWindow& Progress() override;
  std::unique_ptr<ProgressWindow> NewProgressWindow() override;
  MessageWindow& Message() override;
  void ProcessEvents() override;
  // Throws std::logic_error when no view is registered for the form's class.
  Button ShowModal(Form& form) override;
  // Modeless windows (the cataloging progress window) go through their own registry.
  void ShowModeless(Form& form) override;
  void FormChanged(Form& form) override;
  void WaitUntilClosed(Form& form) override;
  void CloseModeless(Form& form) override;
  ModelessRegistry& Modeless() { return *modeless_; }

  std::mt19937& Random() { return rng_; }

 private:
  Settings& settings_;
  QPointer<QWidget> main_window_;
  QPointer<QWidget> splash_;
  std::map<std::string, ViewFactory, std::less<>> views_;
  std::unique_ptr<ProgressForm> progress_;
  std::unique_ptr<MsgWindow> message_;
  std::mt19937 rng_;
  std::unique_ptr<ModelessRegistry> modeless_;
  std::chrono::steady_clock::time_point last_events_{};
};

// "\r\n" as the message texts carry it, as a line break on this platform.
QString DisplayText(std::string_view text);

}  // namespace tembrel::gui
