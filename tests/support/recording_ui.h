#pragma once
// A Ui for logic tests that records every message verbatim and answers questions from a queue.
#include <deque>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/ui.h"

namespace tembrel::testing {

class RecordingProgress final : public BasicProgressWindow {
 public:
  std::vector<int> positions;

 protected:
  void OnPosition() override { positions.push_back(Position()); }
};

class RecordingMessage final : public MessageWindow {
 public:
  void ShowMsg(std::string_view text) override {
    text_ = std::string(text);
    shown_ = true;
    history.push_back(text_);
  }
  void RemoveMsg() override { shown_ = false; }
  bool Shown() const override { return shown_; }
  std::string Text() const override { return text_; }
  std::vector<std::string> history;

 private:
  std::string text_;
  bool shown_ = false;
};

class RecordingUi : public Ui {
 public:
  // "Information: text", "Error: text", "Warning: text", "Ask: text", "Beep".
  std::vector<std::string> log;
  std::deque<Button> answers;  // for Ask, in order; an unexpected Ask fails the test

  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (const auto& l : log)
      if (l != "Beep" && l.rfind("Dialog: ", 0) != 0) out.push_back(l);
    return out;
  }

  void Beep() override { log.push_back("Beep"); }
  Button Information(std::string_view text) override { return Record("Information", text); }
  Button Error(std::string_view text) override { return Record("Error", text); }
  Button Warning(std::string_view text) override { return Record("Warning", text); }
  Button Ask(std::string_view text, bool) override {
    log.push_back("Ask: " + std::string(text));
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return Button::No;
    }
    Button b = answers.front();
    answers.pop_front();
    return b;
  }
  ProgressWindow& Progress() override { return progress; }
  std::unique_ptr<ProgressWindow> NewProgressWindow() override { return std::make_unique<RecordingProgress>(); }
  MessageWindow& Message() override { return message; }
  void ProcessEvents() override { ++events; }
  // Scripts the next dialog: it must be a T, and `answer` plays the user's part.
  template <class T>
  void Expect(std::function<Button(T&)> answer) {
    dialogs_.push_back({std::string(typeid(T).name()), [answer](Form& f) -> Button {
                          auto* t = dynamic_cast<T*>(&f);
                          if (!t) {
                            ADD_FAILURE() << "dialog " << f.ClassName() << " is not the one expected";
                            return Button::Cancel;
                          }
                          return answer(*t);
                        }});
  }
  bool AllDialogsShown() const { return dialogs_.empty(); }

  Button ShowModal(Form& form) override {
    log.push_back("Dialog: " + std::string(form.ClassName()));
    if (dialogs_.empty()) {
      ADD_FAILURE() << "unexpected dialog: " << form.ClassName();
      return Button::Cancel;
    }
    auto next = std::move(dialogs_.front());
    dialogs_.pop_front();
    return next.second(form);
  }

  RecordingProgress progress;
  RecordingMessage message;
  int events = 0;

 private:
  std::deque<std::pair<std::string, std::function<Button(Form&)>>> dialogs_;
  Button Record(const char* kind, std::string_view text) {
    log.push_back(std::string(kind) + ": " + std::string(text));
    return Button::Ok;
  }
};

}  // namespace tembrel::testing
