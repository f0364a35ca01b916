#include "gui/splash.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "app/version.h"
#include "gui/paint_helpers.h"

namespace tembrel::gui {

QPixmap ProgramPicture(QSize size) {
  QPixmap pixmap(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(QPointF(0, 0), QSizeF(size));
  QLinearGradient bg(r.topLeft(), r.bottomRight());
  bg.setColorAt(0, QColor(0, 0, 0x80));
  bg.setColorAt(1, QColor(0, 0x80, 0x80));
  p.fillRect(r, bg);

  // Three disks, stacked and fanned, as a catalogue of disks would show them.
  const qreal d = r.height() * 0.55;
  for (int i = 2; i >= 0; --i) {
    const QRectF disk(r.width() * 0.08 + i * d * 0.18, r.height() * 0.22 + i * d * 0.06, d, d);
    QRadialGradient shine(disk.center() - QPointF(d * 0.15, d * 0.15), d * 0.6);
    shine.setColorAt(0, QColor(235, 240, 250));
    shine.setColorAt(1, QColor(150, 165, 190));
    p.setPen(QPen(QColor(40, 50, 80), 1.5));
    p.setBrush(shine);
    p.drawEllipse(disk);
    p.setBrush(QColor(0, 0, 0x60));
    const qreal hole = d * 0.16;
    p.drawEllipse(QRectF(disk.center() - QPointF(hole / 2, hole / 2), QSizeF(hole, hole)));
  }

  const QRectF text_area(r.width() * 0.48, r.height() * 0.18, r.width() * 0.5, r.height() * 0.64);
  QFont name("Arial");
  name.setPixelSize(static_cast<int>(r.height() * 0.2));
  name.setBold(true);
  name.setItalic(true);
  p.setFont(name);
  p.setPen(Qt::white);
  p.drawText(text_area, Qt::AlignLeft | Qt::AlignTop, "Tembrel");
  QFont edition("Arial");
  edition.setPixelSize(static_cast<int>(r.height() * 0.12));
  edition.setBold(true);
  p.setFont(edition);
  p.setPen(QColor(255, 255, 0));
  p.drawText(text_area.adjusted(0, r.height() * 0.24, 0, 0), Qt::AlignLeft | Qt::AlignTop,
             QString::fromStdString(Edition()));
  QFont line("Arial");
  line.setPixelSize(static_cast<int>(r.height() * 0.065));
  p.setFont(line);
  p.setPen(QColor(220, 230, 240));
  p.drawText(text_area.adjusted(0, r.height() * 0.42, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             "The Disk Cataloging System");
  return pixmap;
}

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("SplashForm");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 8);
  layout->setSpacing(2);
  auto* picture = new QLabel(this);
  picture->setPixmap(ProgramPicture(QSize(440, 230)));
  layout->addWidget(picture);
  auto* version = new QLabel(QString::fromStdString(VersionLine()), this);
  version->setObjectName("VersionLabel");
  auto* created = new QLabel(QString::fromStdString(CreatedLine()), this);
  created->setObjectName("CreatedLabel");
  for (QLabel* l : {version, created}) {
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    layout->addWidget(l);
  }
  setAutoFillBackground(true);
  adjustSize();
  CentreOver(*this, nullptr);
}

}  // namespace tembrel::gui
