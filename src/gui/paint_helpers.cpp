#include "gui/paint_helpers.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tembrel::gui {

QColor ToQColor(const Colour& c, const QPalette& palette) {
  switch (c.system) {
    case SystemColour::WindowFace: return palette.color(QPalette::Button);
    case SystemColour::WindowText: return palette.color(QPalette::WindowText);
    case SystemColour::Window: return palette.color(QPalette::Base);
    case SystemColour::Highlight: return palette.color(QPalette::Highlight);
    case SystemColour::HighlightText: return palette.color(QPalette::HighlightedText);
    case SystemColour::None: break;
  }
  return QColor(c.r, c.g, c.b);
}

QFont ToQFont(const FontSpec& f) {
  QFont font(QString::fromStdString(f.family));
  font.setPixelSize(f.pixel_size);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  return font;
}

void ApplyFont(QWidget& w, const FontSpec& f) {
  w.setFont(ToQFont(f));
  QPalette p = w.palette();
  p.setColor(QPalette::WindowText, ToQColor(f.colour, QGuiApplication::palette()));
  w.setPalette(p);
}

void GradientPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect r = rect();
  QLinearGradient g(r.topLeft(), gradient_.direction == GradientDirection::LeftToRight ? r.topRight() : r.bottomLeft());
  g.setColorAt(0, ToQColor(gradient_.from, palette()));
  g.setColorAt(1, ToQColor(gradient_.to, palette()));
  painter.fillRect(r, g);
}

QSize WrapButton::sizeHint() const {
  QSize s = QPushButton::sizeHint();
  return {std::min(s.width(), 220), s.height()};
}

void WrapButton::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  p.drawControl(QStyle::CE_PushButton, option);
  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
  p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}

void CentreOver(QWidget& window, const QWidget* anchor) {
  QRect area;
  if (anchor && anchor->isVisible())
    area = anchor->frameGeometry();
  else if (QScreen* screen = QGuiApplication::primaryScreen())
    area = screen->availableGeometry();
  if (area.isEmpty()) return;
  const QSize size = window.frameGeometry().size().isEmpty() ? window.size() : window.frameGeometry().size();
  window.move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

}  // namespace tembrel::gui
