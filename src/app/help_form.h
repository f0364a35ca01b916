#pragma once
// The help viewer: the program's help page, opened at its contents, with its keyword index
// (a partial-key search, empty at first), or at the page on using help.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/modal_form.h"

namespace tembrel {

enum class HelpMode { Contents, Index, HowToUseHelp };

struct HelpTopic {
  std::string_view keyword;  // a contents title or an index keyword
  std::string_view anchor;   // the id of its section in the help page
};

class THelpForm : public ModalForm {
 public:
  explicit THelpForm(HelpMode mode);
  std::string_view ClassName() const override { return "THelpForm"; }

  static constexpr std::string_view kCaption = "Tembrel Help";

  static std::span<const HelpTopic> Contents();
  static std::span<const HelpTopic> Index();

  HelpMode Mode() const { return mode_; }
  bool IndexShown() const { return mode_ == HelpMode::Index; }
  const std::string& Anchor() const { return anchor_; }
  void ShowTopic(std::string_view anchor) { anchor_ = std::string(anchor); }

  // The index search: keywords that begin with the key, letters compared without case.
  std::string index_key;
  std::vector<HelpTopic> IndexMatches() const;

  void CloseBtnClick() { CloseWith(Button::Ok); }

 private:
  HelpMode mode_;
  std::string anchor_;
};

}  // namespace tembrel
