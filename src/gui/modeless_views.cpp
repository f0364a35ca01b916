#include "gui/modeless_views.h"

#include <QApplication>
#include <QEventLoop>
#include <stdexcept>

#include "gui/modal_view.h"
#include "gui/qt_ui.h"

namespace tembrel::gui {

ModelessView::ModelessView(Form& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName(QString::fromUtf8(form.ClassName().data(), static_cast<qsizetype>(form.ClassName().size())));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(false);
}

void ModelessView::Finish() {
  finished_ = true;
  hide();
  emit FinishedByUser();
}

struct ModelessRegistry::Open {
  // Its parent dialog may take it down first; then the pointer goes null.
  QPointer<ModelessView> view;
  Settings& settings;
  std::string group;
};

ModelessRegistry::ModelessRegistry() = default;
ModelessRegistry::~ModelessRegistry() {
  for (auto& [form, open] : open_) delete open->view.data();
}

void ModelessRegistry::Register(std::string class_name, Factory factory) {
  factories_.insert_or_assign(std::move(class_name), std::move(factory));
}

ModelessView* ModelessRegistry::ViewOf(const Form& form) const {
  auto it = open_.find(&form);
  return it == open_.end() ? nullptr : it->second->view.data();
}

void ModelessRegistry::Show(Form& form, const ViewContext& ctx) {
  if (ModelessView* view = ViewOf(form)) {
    view->show();
    view->raise();
    return;
  }
  auto it = factories_.find(form.ClassName());
  if (it == factories_.end()) throw std::logic_error("No Window Is Available For " + std::string(form.ClassName()));
  // A window beside a modal dialog only takes input when it belongs to that dialog.
  QWidget* parent = QApplication::activeModalWidget();
  if (!parent) parent = ctx.parent;
  open_.erase(&form);  // one whose window its parent already took down
  auto open = std::make_unique<Open>(Open{it->second(form, parent, ctx).release(), ctx.settings, std::string(form.ClassName())});
  ModelessView& view = *open->view;
  view.Refresh();
  view.adjustSize();
  RestorePlacement(view, ctx.settings, open->group, false);
  open_[&form] = std::move(open);
  view.show();
  view.raise();
}

void ModelessRegistry::Changed(Form& form) {
  if (ModelessView* view = ViewOf(form)) view->Refresh();
}

void ModelessRegistry::WaitUntilClosed(Form& form) {
  ModelessView* view = ViewOf(form);
  if (!view || view->Finished()) return;
  QEventLoop loop;
  QObject::connect(view, &ModelessView::FinishedByUser, &loop, &QEventLoop::quit);
  QObject::connect(view, &QObject::destroyed, &loop, &QEventLoop::quit);
  loop.exec();
}

void ModelessRegistry::Close(Form& form) {
  auto it = open_.find(&form);
  if (it == open_.end()) return;
  std::unique_ptr<Open> open = std::move(it->second);
  open_.erase(it);
  if (!open->view) return;
  StorePlacement(*open->view, open->settings, open->group, false);
  open->view->hide();
  // It may be inside one of its own handlers; Qt deletes it once they have returned.
  open->view->deleteLater();
}

}  // namespace tembrel::gui
