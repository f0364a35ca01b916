#pragma once
// Colours, fonts and gradients of the main window's appearance, in Qt terms.
#include <QColor>
#include <QFont>
#include <QPushButton>
#include <QWidget>

#include "app/appearance.h"

namespace tembrel::gui {

QColor ToQColor(const Colour& c, const QPalette& palette);
QFont ToQFont(const FontSpec& f);
void ApplyFont(QWidget& w, const FontSpec& f);

// A panel painted with a two-colour gradient.
class GradientPanel : public QWidget {
  Q_OBJECT
 public:
  explicit GradientPanel(QWidget* parent = nullptr) : QWidget(parent) {}
  void SetGradient(const Gradient& g) {
    gradient_ = g;
    update();
  }
  const Gradient& GetGradient() const { return gradient_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  Gradient gradient_;
};

// A push button whose caption wraps onto several lines when the button is narrow.
class WrapButton : public QPushButton {
  Q_OBJECT
 public:
  explicit WrapButton(const QString& text, QWidget* parent = nullptr) : QPushButton(text, parent) {}
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;
};

// Places a window over `anchor` (or the screen when null), centred.
void CentreOver(QWidget& window, const QWidget* anchor);

}  // namespace tembrel::gui
