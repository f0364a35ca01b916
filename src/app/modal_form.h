#pragma once
// A dialog's logic class that closes itself: its handlers set the result, and the window
// layer closes the window once a result is set. Whatever way the window closes (a button,
// the close box, Escape), the window layer calls FormClose once, after the last handler.
#include "platform/ui/ui.h"

namespace tembrel {

class ModalForm : public Form {
 public:
  // The same field the handlers of every form set, so a form closes whichever they use.
  Button ModalResult() const { return modal_result; }
  bool CloseRequested() const { return modal_result != Button::None; }
  // Called by the window layer when the window closes by any way.
  virtual void FormClose() {}

 protected:
  void CloseWith(Button result) { modal_result = result; }
};

}  // namespace tembrel
