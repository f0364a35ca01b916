#pragma once
// What every dialog view shares: its window position and size kept in the settings group
// of its class, and the modal run that closes the window once the form has a result
// (modal_result) and, for a ModalForm, calls FormClose whatever way the window closed.
#include <QDialog>
#include <string>

#include "app/modal_form.h"
#include "gui/qt_ui.h"

namespace tembrel::gui {

void RestorePlacement(QWidget& window, const Settings& settings, std::string_view group, bool with_size);
void StorePlacement(const QWidget& window, Settings& settings, std::string_view group, bool with_size);

class ModalView : public QDialog {
  Q_OBJECT
 public:
  ModalView(Form& form, const ViewContext& ctx, bool resizable);
  // Shows the dialog modally and returns how it closed (Cancel when the form set nothing).
  Button Run();

 protected:
  // Runs a handler of the form, then closes the window when the form asks for it.
  // A window that always opens over its parent instead of where it was last.
  void OpenOverParent() { remember_place_ = false; }
  // The help page's topic for this window: F1 and the window's "Help" button open it.
  void SetHelpTopic(std::string anchor);
  void ShowHelp();

  template <class Fn>
  void Handle(Fn fn) {
    fn();
    if (form_.modal_result != Button::None) done(QDialog::Accepted);
  }
  Form& form_;
  ViewContext ctx_;

 private:
  bool resizable_;
  bool remember_place_ = true;
  std::string help_topic_ = "contents";
  bool help_key_ = false;
};

}  // namespace tembrel::gui
