#pragma once
// What the window tests of the dialogs share: a program and data folder with the global
// tables, the desktop Ui with every dialog's window registered, a Ui for the logic that also
// shows modeless windows, and helpers that play the person once a dialog is up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "app/app_context.h"
#include "app/folders.h"
#include "app/global_tables.h"
#include "gui/catalog/catalog_views.h"
#include "gui/modeless_views.h"
#include "gui/qt_ui.h"
#include "gui/shared/shared_views.h"
#include "gui/store/store_views.h"
#include "store/catalog_config.h"
#include "store/verify_active_catalog.h"
#include "support/temp_dir.h"

namespace tembrel::gui::testing {

// Runs `fn` on the modal dialog whose object name (its form's class name) is `name` once it
// is in front; an empty name takes any dialog.
inline void WhenDialog(const QString& name, std::function<void(QDialog&)> fn, int tries = 400) {
  QTimer::singleShot(5, [name, fn, tries] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!d || !d->isVisible() || (!name.isEmpty() && d->objectName() != name)) {
      if (tries > 0)
        WhenDialog(name, fn, tries - 1);
      else
        ADD_FAILURE() << "no dialog " << name.toStdString() << " opened";
      return;
    }
    fn(*d);
  });
}

// Reads the text of the next message box into `text` and presses its default button.
inline void WhenMessageBox(std::string& text, int tries = 400) {
  QTimer::singleShot(5, [&text, tries] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) {
      if (tries > 0)
        WhenMessageBox(text, tries - 1);
      else
        ADD_FAILURE() << "no message box opened";
      return;
    }
    text = box->text().toStdString();
    box->defaultButton()->click();
  });
}

// Runs `fn` once `ready` holds, checking while events run.
inline void WhenTrue(std::function<bool()> ready, std::function<void()> fn, int tries = 1000) {
  QTimer::singleShot(5, [ready, fn, tries] {
    if (!ready()) {
      if (tries > 0)
        WhenTrue(ready, fn, tries - 1);
      else
        ADD_FAILURE() << "condition never held";
      return;
    }
    fn();
  });
}

template <class T>
T* Child(QWidget& w, const char* name) {
  T* c = w.findChild<T*>(name);
  EXPECT_NE(c, nullptr) << name;
  return c;
}

// The desktop Ui, with the modeless windows going to a registry of their own, as the
// program's Ui hands them on.
class ModelessQtUi final : public Ui {
 public:
  ModelessQtUi(QtUi& ui, Settings& settings) : ui_(ui), settings_(settings) {}
  void Beep() override { ui_.Beep(); }
  Button Information(std::string_view text) override { return ui_.Information(text); }
  Button Error(std::string_view text) override { return ui_.Error(text); }
  Button Warning(std::string_view text) override { return ui_.Warning(text); }
  Button Ask(std::string_view text, bool warning) override { return ui_.Ask(text, warning); }
  ProgressWindow& Progress() override { return ui_.Progress(); }
  std::unique_ptr<ProgressWindow> NewProgressWindow() override { return ui_.NewProgressWindow(); }
  MessageWindow& Message() override { return ui_.Message(); }
  void ProcessEvents() override { ui_.ProcessEvents(); }
  Button ShowModal(Form& form) override { return ui_.ShowModal(form); }
  void ShowModeless(Form& form) override { registry.Show(form, ViewContext{nullptr, settings_, ui_}); }
  void FormChanged(Form& form) override { registry.Changed(form); }
  void WaitUntilClosed(Form& form) override { registry.WaitUntilClosed(form); }
  void CloseModeless(Form& form) override { registry.Close(form); }

  ModelessRegistry registry;

 private:
  QtUi& ui_;
  Settings& settings_;
};

class ViewTest : public ::testing::Test {
 protected:
  tembrel::testing::TempDir dir;
  SharedState state;
  db::Database db = OpenGlobalDatabase(dir.Str());
  MemorySettings settings;
  QtUi qt_ui{settings};
  ModelessQtUi ui{qt_ui, settings};
  FixedClock clock{Date{2026, 12, 11}, Time{10, 30, 0}};
  AppContext ctx{state, db, ui, settings, clock};

  ViewTest() {
    state.program_folder = dir.Str();
    state.data_folder = dir.Str();
    AttachDataFolder(db, state.data_folder);
    EnsureGlobalTables(db, state.specs);
    RegisterStoreViews(qt_ui);
    RegisterSharedViews(qt_ui);
    RegisterCatalogViews(qt_ui);
    RegisterCatalogModelessViews(ui.registry);
  }

  // A catalog with its tables; the active catalog stays as it was.
  void MakeCatalog(const std::string& name, FieldWidths widths = {64, 64, 32}) {
    const std::string keep = state.active_catalog;
    state.active_catalog = name;
    ASSERT_TRUE(CreateCatalogConfig(ctx, widths, false));
    VerifyActiveCatalog(ctx, true);
    state.active_catalog = keep;
  }
};

}  // namespace tembrel::gui::testing
