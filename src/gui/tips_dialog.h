#pragma once
// The tips window: "Did You Know?", one tip at a time, the start-up check box.
#include "app/tips_form.h"
#include "gui/modal_view.h"

class QLabel;
class QCheckBox;

namespace tembrel::gui {

class TipsDialog : public ModalView {
  Q_OBJECT
 public:
  TipsDialog(TTipsForm& form, const ViewContext& ctx);
  QLabel* TipText() const { return tip_; }
  QCheckBox* ShowAtStart() const { return show_at_start_; }

 private:
  void ShowTip();
  TTipsForm& tips_;
  QLabel* tip_;
  QLabel* number_;
  QCheckBox* show_at_start_;
};

Button ShowTipsDialog(TTipsForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
