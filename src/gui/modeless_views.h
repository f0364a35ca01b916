#pragma once
// Windows over a logic class that stay open while the logic goes on working (the cataloging
// progress window): shown, repainted when the logic says it changed, waited on until the
// user closes them, and closed by the logic. QtUi hands its modeless calls to this registry.
#include <QDialog>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/settings/settings.h"
#include "platform/ui/ui.h"

namespace tembrel::gui {

struct ViewContext;

// Base of every modeless window.
class ModelessView : public QDialog {
  Q_OBJECT
 public:
  ModelessView(Form& form, QWidget* parent);
  Form& GetForm() { return form_; }
  // Shows the form's present state.
  virtual void Refresh() = 0;
  // The user has closed the window (its form holds the way it was closed).
  bool Finished() const { return finished_; }

 signals:
  void FinishedByUser();

 protected:
  // For a close button or the close box: hides the window and ends a wait on it.
  void Finish();

 private:
  Form& form_;
  bool finished_ = false;
};

class ModelessRegistry {
 public:
  using Factory = std::function<std::unique_ptr<ModelessView>(Form&, QWidget* parent, const ViewContext&)>;

  ModelessRegistry();
  ~ModelessRegistry();
  ModelessRegistry(const ModelessRegistry&) = delete;
  ModelessRegistry& operator=(const ModelessRegistry&) = delete;

  void Register(std::string class_name, Factory factory);
  // fn(F&, QWidget* parent, const ViewContext&) -> std::unique_ptr<ModelessView>
  template <class F, class Fn>
  void Register(std::string class_name, Fn fn) {
    Register(std::move(class_name), [fn = std::move(fn)](Form& form, QWidget* parent, const ViewContext& ctx) {
      return fn(static_cast<F&>(form), parent, ctx);
    });
  }
  bool HasView(std::string_view class_name) const { return factories_.find(class_name) != factories_.end(); }

  // Opens the window of form.ClassName() where its class was last, over the dialog that is
  // in front (so it takes input while that dialog waits). Throws std::logic_error when no
  // window is registered; a form already shown is only brought forward.
  void Show(Form& form, const ViewContext& ctx);
  void Changed(Form& form);
  // Lets events run until the user closes the window; returns at once when it is not open.
  void WaitUntilClosed(Form& form);
  // Remembers where it was and destroys it.
  void Close(Form& form);

  ModelessView* ViewOf(const Form& form) const;

 private:
  struct Open;
  std::map<const Form*, std::unique_ptr<Open>> open_;
  std::map<std::string, Factory, std::less<>> factories_;
};

}  // namespace tembrel::gui
