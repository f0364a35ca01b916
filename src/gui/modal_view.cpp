#include "gui/modal_view.h"

#include <QGuiApplication>
#include <QScreen>

#include <QShortcut>

#include "gui/app/help_view.h"
#include "gui/paint_helpers.h"

namespace tembrel::gui {

void RestorePlacement(QWidget& window, const Settings& settings, std::string_view group, bool with_size) {
  const auto left = settings.Get(group, "Left");
  const auto top = settings.Get(group, "Top");
  if (with_size) {
    const int w = static_cast<int>(settings.GetInt(group, "Width", 0));
    const int h = static_cast<int>(settings.GetInt(group, "Height", 0));
    if (w > 0 && h > 0) window.resize(w, h);
  }
  if (!left || !top) {
    CentreOver(window, window.parentWidget());
    return;
  }
  QPoint at(static_cast<int>(settings.GetInt(group, "Left", 0)), static_cast<int>(settings.GetInt(group, "Top", 0)));
  // A position from a screen that has since gone would put the window out of reach.
  bool visible = false;
  for (QScreen* s : QGuiApplication::screens())
    if (s->availableGeometry().contains(at + QPoint(20, 20))) visible = true;
  if (visible)
    window.move(at);
  else
    CentreOver(window, window.parentWidget());
}

void StorePlacement(const QWidget& window, Settings& settings, std::string_view group, bool with_size) {
  // move() places the frame, so pos() is what restores the same place.
  const bool maximized = window.isMaximized();
  const QPoint at = maximized ? window.normalGeometry().topLeft() : window.pos();
  const QSize size = maximized ? window.normalGeometry().size() : window.size();
  settings.SetInt(group, "Left", at.x());
  settings.SetInt(group, "Top", at.y());
  if (with_size) {
    settings.SetInt(group, "Width", size.width());
    settings.SetInt(group, "Height", size.height());
    settings.Set(group, "WindowState", maximized ? "Maximized" : "Normal");
  }
}

ModalView::ModalView(Form& form, const ViewContext& ctx, bool resizable)
    : QDialog(ctx.parent), form_(form), ctx_(ctx), resizable_(resizable) {
  setObjectName(QString::fromUtf8(form.ClassName().data(), static_cast<qsizetype>(form.ClassName().size())));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void ModalView::SetHelpTopic(std::string anchor) {
  if (!help_key_) {
    help_key_ = true;
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { ShowHelp(); });
  }
  help_topic_ = std::move(anchor);
}

void ModalView::ShowHelp() { ShowHelpTopic(ctx_, help_topic_); }

Button ModalView::Run() {
  // A view that chose its own first size keeps it; the others fit their contents.
  if (!testAttribute(Qt::WA_Resized)) adjustSize();
  if (remember_place_)
    RestorePlacement(*this, ctx_.settings, form_.ClassName(), resizable_);
  else
    CentreOver(*this, parentWidget());
  exec();
  if (remember_place_) StorePlacement(*this, ctx_.settings, form_.ClassName(), resizable_);
  if (auto* modal = dynamic_cast<ModalForm*>(&form_)) modal->FormClose();
  return form_.modal_result == Button::None ? Button::Cancel : form_.modal_result;
}

}  // namespace tembrel::gui
