#pragma once
// How the program's logic reaches the person: message boxes, questions, the shared message
// window, progress windows, event pumping and opening another dialog. No Qt here; the
// desktop program implements it with Qt, tests with a scripted double.
#include <memory>
#include <string>
#include <string_view>

namespace tembrel {

enum class Button { None, Ok, Cancel, Yes, No, Abort, Retry, Ignore, YesToAll, NoToAll };

// Base of every dialog's logic class.
class Form {
 public:
  virtual ~Form() = default;
  // "TCatalogDiskSpecForm": the settings group and the key the window layer finds its view by.
  virtual std::string_view ClassName() const = 0;

  // Set by a handler that closes the dialog (Ok, Cancel, ...); the view closes when it
  // is no longer None after a handler ran.
  Button modal_result = Button::None;
};

// The general progress window (TProgressForm).
class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;
  // Does nothing when already shown (keeps the first caption and the gauge).
  virtual void ShowForm(std::string_view caption, bool cancel_allowed) = 0;
  virtual void HideForm() = 0;
  virtual bool Shown() const = 0;
  virtual void SetPosition(int percent) = 0;  // 0..100
  virtual int Position() const = 0;
  virtual bool CancelRequested() const = 0;
  virtual void RequestCancel() = 0;  // what the Cancel button does
};

// The borderless message window (TMsg).
class MessageWindow {
 public:
  virtual ~MessageWindow() = default;
  virtual void ShowMsg(std::string_view text) = 0;
  virtual void RemoveMsg() = 0;
  virtual bool Shown() const = 0;
  virtual std::string Text() const = 0;
};

class Ui {
 public:
  virtual ~Ui() = default;
  virtual void Beep() = 0;
  virtual Button Information(std::string_view text) = 0;  // OK box
  virtual Button Error(std::string_view text) = 0;        // OK box; callers beep first
  virtual Button Warning(std::string_view text) = 0;      // OK box
  virtual Button Ask(std::string_view text, bool warning = false) = 0;  // Yes/No
  virtual ProgressWindow& Progress() = 0;  // the shared one
  virtual std::unique_ptr<ProgressWindow> NewProgressWindow() = 0;  // a further one, for modeless windows
  virtual MessageWindow& Message() = 0;
  // Lets pending window events run; throttled, so calling it per entry costs almost nothing.
  virtual void ProcessEvents() = 0;
  // Opens the dialog bound to form.ClassName() modally and returns how it was closed.
  virtual Button ShowModal(Form& form) = 0;

  // A modeless window over a logic class (the cataloging progress window): shown, told
  // when its logic changed so it repaints, waited on until the user closes it, and closed.
  virtual void ShowModeless(Form& form) {}
  virtual void FormChanged(Form& form) {}
  virtual void WaitUntilClosed(Form& form) {}
  virtual void CloseModeless(Form& form) {}
};

// Beep, then the error box: the program's way of reporting a foreseen failure.
inline Button BeepError(Ui& ui, std::string_view text) {
  ui.Beep();
  return ui.Error(text);
}

// Common state of a progress window; the Qt one and the test one only add painting.
class BasicProgressWindow : public ProgressWindow {
 public:
  void ShowForm(std::string_view caption, bool cancel_allowed) override {
    if (shown_) return;
    caption_ = std::string(caption);
    cancel_allowed_ = cancel_allowed;
    position_ = 0;
    cancel_requested_ = false;
    shown_ = true;
    OnShow();
  }
  void HideForm() override {
    if (shown_) OnHide();
    shown_ = false;
  }
  bool Shown() const override { return shown_; }
  void SetPosition(int percent) override {
    position_ = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    OnPosition();
  }
  int Position() const override { return position_; }
  bool CancelRequested() const override { return cancel_requested_; }
  void RequestCancel() override { cancel_requested_ = true; }
  const std::string& Caption() const { return caption_; }
  bool CancelAllowed() const { return cancel_allowed_; }

 protected:
  virtual void OnShow() {}
  virtual void OnHide() {}
  virtual void OnPosition() {}

 private:
  std::string caption_;
  bool cancel_allowed_ = false;
  bool shown_ = false;
  bool cancel_requested_ = false;
  int position_ = 0;
};

// Percent for a progress gauge: Trunc(done * 100 / total), in floating point.
inline int PercentOf(double done, double total) {
  if (total <= 0) return 0;
  return static_cast<int>(done * 100.0 / total);
}

}  // namespace tembrel
