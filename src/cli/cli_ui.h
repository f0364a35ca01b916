#pragma once
// The Ui of the command-line companion: messages go to standard error, and every question
// or dialog is answered from the command line's choices, never by waiting for a person.
#include <string>
#include <vector>

#include "platform/ui/ui.h"

namespace tembrel::cli {

struct CliChoices {
  std::string label;     // --label: the name a disk is cataloged under
  bool replace = false;  // --replace: re-catalog a disk already in the catalog
};

class CliUi final : public Ui {
 public:
  explicit CliUi(CliChoices choices) : choices_(std::move(choices)) {}

  void Beep() override {}
  Button Information(std::string_view text) override;
  Button Error(std::string_view text) override;
  Button Warning(std::string_view text) override;
  Button Ask(std::string_view text, bool warning) override;
  ProgressWindow& Progress() override { return progress_; }
  std::unique_ptr<ProgressWindow> NewProgressWindow() override { return std::make_unique<BasicProgressWindow>(); }
  MessageWindow& Message() override { return message_; }
  void ProcessEvents() override {}
  Button ShowModal(Form& form) override;

  // Why the run could not go on without a person, for the exit message.
  const std::vector<std::string>& Refusals() const { return refusals_; }
  int ErrorCount() const { return errors_; }

 private:
  struct QuietMessage final : MessageWindow {
    void ShowMsg(std::string_view t) override { text = std::string(t); }
    void RemoveMsg() override { text.clear(); }
    bool Shown() const override { return !text.empty(); }
    std::string Text() const override { return text; }
    std::string text;
  };
  CliChoices choices_;
  BasicProgressWindow progress_;
  QuietMessage message_;
  std::vector<std::string> refusals_;
  int errors_ = 0;
};

// One line of text with tab, carriage return and line feed written as \t, \r and \n.
std::string EscapeField(std::string_view value);

}  // namespace tembrel::cli
