#pragma once
// TMsg: a borderless 506 x 67 panel, centred on the screen, with one line of text.
#include <QLabel>
#include <QWidget>
#include <memory>

#include "platform/ui/ui.h"

namespace tembrel::gui {

class MsgWindow final : public MessageWindow {
 public:
  MsgWindow();
  ~MsgWindow() override;
  void ShowMsg(std::string_view text) override;
  void RemoveMsg() override;
  bool Shown() const override { return shown_; }
  std::string Text() const override;
  QWidget& Window() { return *window_; }

 private:
  std::unique_ptr<QWidget> window_;
  QLabel* msg_text_ = nullptr;
  bool shown_ = false;
};

}  // namespace tembrel::gui
