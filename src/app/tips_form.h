#pragma once
// The tips dialog: "Did You Know?" and twelve tips, cycled with next and previous.
#include <span>
#include <string>
#include <string_view>

#include "app/modal_form.h"

namespace tembrel {

class TTipsForm : public ModalForm {
 public:
  TTipsForm(std::string title, bool show_at_start) : show_at_start(show_at_start), title_(std::move(title)) {}
  std::string_view ClassName() const override { return "TTipsForm"; }

  static constexpr std::string_view kHeader = "Did You Know?";
  static constexpr std::string_view kShowAtStartCaption = "&Show Tips At Start-Up";
  static std::span<const std::string_view> Tips();

  const std::string& Title() const { return title_; }
  int Index() const { return index_; }  // 0-based
  std::string_view CurrentTip() const { return Tips()[index_]; }
  void NextBtnClick();
  void PreviousBtnClick();
  void CloseBtnClick() { CloseWith(Button::Ok); }

  // The check box bound to "Tips.ShowAtStart".
  bool show_at_start;

 private:
  std::string title_;
  int index_ = 0;
};

}  // namespace tembrel
