#pragma once
// TProgressForm: a modeless progress window without a close box, a gradient gauge and an
// optional Cancel button.
#include <QColor>
#include <QDialog>
#include <array>
#include <memory>
#include <random>
#include <utility>

#include "platform/ui/ui.h"

class QPushButton;

namespace tembrel::gui {

// The fourteen colour pairs of the gauge, as (first, second).
const std::array<std::pair<QColor, QColor>, 14>& GaugeColourPairs();
// One pair at random, swapped with probability one half.
std::pair<QColor, QColor> PickGaugeColours(std::mt19937& rng);

// The gauge: 0..100, "%d%%" over a two-colour gradient.
class GradientGauge : public QWidget {
  Q_OBJECT
 public:
  explicit GradientGauge(QWidget* parent = nullptr) : QWidget(parent) {}
  void SetColours(std::pair<QColor, QColor> c) {
    colours_ = c;
    update();
  }
  std::pair<QColor, QColor> Colours() const { return colours_; }
  void SetValue(int v) {
    value_ = v;
    update();
  }
  int Value() const { return value_; }
  QString Text() const { return QString::asprintf("%d%%", value_); }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  std::pair<QColor, QColor> colours_{Qt::blue, Qt::white};
  int value_ = 0;
};

class ProgressDialog;

class ProgressForm final : public BasicProgressWindow {
 public:
  explicit ProgressForm(std::mt19937& rng);
  ~ProgressForm() override;
  QDialog& Window();
  GradientGauge& Gauge();
  QPushButton& CancelBtn();

 protected:
  void OnShow() override;
  void OnHide() override;
  void OnPosition() override;

 private:
  std::mt19937& rng_;
  std::unique_ptr<ProgressDialog> dialog_;
};

}  // namespace tembrel::gui
