#include "gui/progress_form.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/paint_helpers.h"

namespace tembrel::gui {

class ProgressDialog : public QDialog {
 public:
  explicit ProgressDialog(ProgressForm& form)
      : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TProgressForm");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    gauge = new GradientGauge(this);
    gauge->setObjectName("ProgressBar");
    gauge->setMinimumHeight(26);
    layout->addWidget(gauge);
    cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelBtn");
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    layout->addStretch();
    QObject::connect(cancel, &QPushButton::clicked, [&form] { form.RequestCancel(); });
    setFixedWidth(420);
  }
  GradientGauge* gauge;
  QPushButton* cancel;

 protected:
  // No close box; Escape must not close it either.
  void reject() override {}
};

const std::array<std::pair<QColor, QColor>, 14>& GaugeColourPairs() {
  static const QColor red(255, 0, 0), yellow(255, 255, 0), fuchsia(255, 0, 255), white(255, 255, 255),
      lime(0, 255, 0), aqua(0, 255, 255), blue(0, 0, 255);
  static const std::array<std::pair<QColor, QColor>, 14> pairs = {{
      {red, yellow},
      {red, fuchsia},
      {red, white},
      {lime, yellow},
      {lime, aqua},
      {lime, white},
      {yellow, fuchsia},
      {yellow, aqua},
      {yellow, white},
      {blue, aqua},
      {blue, white},
      {fuchsia, aqua},
      {fuchsia, white},
      {aqua, white},
  }};
  return pairs;
}

std::pair<QColor, QColor> PickGaugeColours(std::mt19937& rng) {
  const auto& pairs = GaugeColourPairs();
  auto pair = pairs[std::uniform_int_distribution<size_t>(0, pairs.size() - 1)(rng)];
  if (std::bernoulli_distribution(0.5)(rng)) std::swap(pair.first, pair.second);
  return pair;
}

void GradientGauge::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect().adjusted(0, 0, -1, -1);
  p.fillRect(r, palette().color(QPalette::Base));
  const int filled = r.width() * value_ / 100;
  if (filled > 0) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, colours_.first);
    g.setColorAt(1, colours_.second);
    p.fillRect(QRect(r.left(), r.top(), filled, r.height()), g);
  }
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(r);
  QFont f = font();
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::black);
  p.drawText(r, Qt::AlignCenter, Text());
}

ProgressForm::ProgressForm(std::mt19937& rng) : rng_(rng), dialog_(std::make_unique<ProgressDialog>(*this)) {}

ProgressForm::~ProgressForm() = default;

QDialog& ProgressForm::Window() { return *dialog_; }
GradientGauge& ProgressForm::Gauge() { return *dialog_->gauge; }
QPushButton& ProgressForm::CancelBtn() { return *dialog_->cancel; }

void ProgressForm::OnShow() {
  dialog_->gauge->SetColours(PickGaugeColours(rng_));
  dialog_->setWindowTitle(QString::fromStdString(Caption()));
  dialog_->gauge->SetValue(0);
  dialog_->cancel->setEnabled(CancelAllowed());
  dialog_->cancel->setVisible(CancelAllowed());
  dialog_->setFixedHeight(CancelAllowed() ? 145 : 85);
  CentreOver(*dialog_, nullptr);
  dialog_->show();
  QCoreApplication::processEvents();
}

void ProgressForm::OnHide() { dialog_->hide(); }

void ProgressForm::OnPosition() { dialog_->gauge->SetValue(Position()); }

}  // namespace tembrel::gui
