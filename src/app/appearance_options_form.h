#pragma once
// "Main Window Appearance Options": the gradients of the two areas and the status panels,
// the status fonts' colours and whether the button panels are shown.
#include "app/appearance.h"
#include "app/modal_form.h"

namespace tembrel {

class TAppearanceOptionsForm : public ModalForm {
 public:
  // The controls start from what the main window shows now.
  explicit TAppearanceOptionsForm(const MainWindowAppearance& current);
  std::string_view ClassName() const override { return "TAppearanceOptionsForm"; }
  static constexpr const char* kCaption = "Main Window Appearance Options";

  Gradient main_opt;
  Gradient sub_opt;
  Gradient status;  // one setting for all three status panels
  Colour header_colour;
  Colour info_colour;
  bool show_panels = true;  // "Show Menu Button Panels On Main Window"

  void DefaultsClick();
  void OkClick() { CloseWith(Button::Ok); }
  void CancelClick() { CloseWith(Button::Cancel); }

  // What OK does to the window's appearance; returns the window's new minimum height.
  int ApplyTo(MainWindowAppearance& target) const;
};

}  // namespace tembrel
