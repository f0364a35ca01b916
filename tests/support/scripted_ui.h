#pragma once
// A Ui for tests: records every beep, message text (verbatim), dialog and progress or message
// window caption in order; answers questions from a script; runs the expectation registered
// for a dialog's class when the logic opens it. A question or a dialog nobody expected fails
// the test, and so does a scripted answer or expectation that was never used.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <vector>

#include "app/modal_form.h"
#include "platform/ui/ui.h"

namespace tembrel::testing {

enum class UiEvent {
  Beep,
  Information,
  Error,
  Warning,
  Ask,
  ShowModal,       // text: the form's class name
  ProgressShown,   // text: the caption
  ProgressHidden,  // text: the caption it had
  MessageShown,    // text: the message window's text
  MessageRemoved,
};

struct UiRecord {
  UiEvent kind;
  std::string text;
  bool operator==(const UiRecord&) const = default;
};

std::ostream& operator<<(std::ostream& os, UiEvent kind);
std::ostream& operator<<(std::ostream& os, const UiRecord& r);

class ScriptedProgressWindow : public BasicProgressWindow {
 public:
  explicit ScriptedProgressWindow(std::vector<UiRecord>& log) : log_(log) {}
  // Every caption the window was shown with, in order.
  const std::vector<std::string>& Captions() const { return captions_; }
  // The highest position set since it was last shown.
  int HighestPosition() const { return highest_; }
  // Presses "Cancel" as soon as the gauge reaches `percent`.
  void CancelAtPosition(int percent) { cancel_at_ = percent; }

 protected:
  void OnShow() override;
  void OnHide() override;
  void OnPosition() override;

 private:
  std::vector<UiRecord>& log_;
  std::vector<std::string> captions_;
  int highest_ = 0;
  int cancel_at_ = -1;
};

class ScriptedMessageWindow : public MessageWindow {
 public:
  explicit ScriptedMessageWindow(std::vector<UiRecord>& log) : log_(log) {}
  void ShowMsg(std::string_view text) override;
  void RemoveMsg() override;
  bool Shown() const override { return shown_; }
  std::string Text() const override { return text_; }
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  std::vector<UiRecord>& log_;
  std::vector<std::string> texts_;
  std::string text_;
  bool shown_ = false;
};

class ScriptedUi : public Ui {
 public:
  ScriptedUi();
  ~ScriptedUi() override;  // fails the test for answers and expectations never used

  // --- the script
  // The answer to the next question; with a text, the question must be exactly that text.
  ScriptedUi& AnswerAsk(Button answer);
  ScriptedUi& AnswerAsk(std::string expected_text, Button answer);

  // When the logic opens a dialog of class F, `fn(F&)` plays the person: it calls the
  // form's handlers and returns how the dialog closed (a function returning void closes with
  // the form's modal_result, or Ok when none was set). `times` dialogs of F are expected; each use counts one.
  // Like the window layer, FormClose() runs after `fn` on a ModalForm.
  template <class F, class Fn>
  ScriptedUi& Expect(Fn fn, int times = 1) {
    static_assert(std::is_base_of_v<Form, F>);
    auto call = [fn = std::move(fn)](Form& form) -> Button {
      F& f = static_cast<F&>(form);
      if constexpr (std::is_void_v<std::invoke_result_t<Fn&, F&>>) {
        fn(f);
        return f.modal_result == Button::None ? Button::Ok : f.modal_result;
      } else {
        return fn(f);
      }
    };
    expectations_[std::type_index(typeid(F))].push_back({std::move(call), times});
    return *this;
  }

  // Runs at every ProcessEvents call (after counting it): a test can press Cancel mid-run.
  void OnProcessEvents(std::function<void()> fn) { on_process_events_ = std::move(fn); }

  // --- what happened
  const std::vector<UiRecord>& Log() const { return log_; }
  // Only the message boxes and questions, in order.
  std::vector<UiRecord> Messages() const;
  // Only their texts.
  std::vector<std::string> Texts() const;
  int Beeps() const;
  int ProcessEventsCalls() const { return process_events_calls_; }
  // Forgets what was recorded (the script stays).
  void ClearLog() { log_.clear(); }

  ScriptedProgressWindow& ScriptedProgress() { return progress_; }
  ScriptedMessageWindow& ScriptedMessage() { return message_; }

  // --- Ui
  void Beep() override;
  Button Information(std::string_view text) override;
  Button Error(std::string_view text) override;
  Button Warning(std::string_view text) override;
  Button Ask(std::string_view text, bool warning = false) override;
  ProgressWindow& Progress() override { return progress_; }
  std::unique_ptr<ProgressWindow> NewProgressWindow() override;
  MessageWindow& Message() override { return message_; }
  void ProcessEvents() override;
  Button ShowModal(Form& form) override;

 private:
  struct Expectation {
    std::function<Button(Form&)> fn;
    int remaining;
  };
  struct ScriptedAnswer {
    bool check_text;
    std::string text;
    Button answer;
  };

  std::vector<UiRecord> log_;
  std::deque<ScriptedAnswer> answers_;
  std::map<std::type_index, std::deque<Expectation>> expectations_;
  std::function<void()> on_process_events_;
  int process_events_calls_ = 0;
  ScriptedProgressWindow progress_;
  ScriptedMessageWindow message_;
};

}  // namespace tembrel::testing
