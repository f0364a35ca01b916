#include "gui/app/appearance_options_view.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "gui/paint_helpers.h"

namespace tembrel::gui {
namespace {

Colour FromQColor(const QColor& c) {
  return Colour::Rgb(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()));
}

// A button showing a colour; a click opens the colour chooser.
class ColourButton : public QPushButton {
 public:
  ColourButton(const QString& name, Colour& colour, std::function<void()> changed, QWidget* parent)
      : QPushButton(parent), colour_(colour), changed_(std::move(changed)) {
    setObjectName(name);
    setFixedWidth(60);
    Repaint();
    connect(this, &QPushButton::clicked, this, [this] {
      QColor chosen = QColorDialog::getColor(ToQColor(colour_, palette()), this);
      if (!chosen.isValid()) return;
      colour_ = FromQColor(chosen);
      Repaint();
      changed_();
    });
  }
  void Repaint() {
    setStyleSheet(QString("background-color: %1").arg(ToQColor(colour_, palette()).name()));
  }

 private:
  Colour& colour_;
  std::function<void()> changed_;
};

class AppearanceOptionsView : public ModalView {
 public:
  AppearanceOptionsView(TAppearanceOptionsForm& form, const ViewContext& ctx)
      : ModalView(form, ctx, false), form_(form) {
    setWindowTitle(TAppearanceOptionsForm::kCaption);
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(Group("Main Option Panel Background Colors", "Main", form_.main_opt, nullptr, nullptr));
    groups->addWidget(Group("Sub-Option Panel Background Colors", "Sub", form_.sub_opt, nullptr, nullptr));
    groups->addWidget(Group("Status Panel Colors", "Status", form_.status, &form_.header_colour, &form_.info_colour));
    layout->addLayout(groups);
    show_panels_ = new QCheckBox("Show Menu Button Panels On Main Window", this);
    show_panels_->setObjectName("ShowPanelsCheck");
    show_panels_->setChecked(form_.show_panels);
    connect(show_panels_, &QCheckBox::toggled, this, [this](bool on) { form_.show_panels = on; });
    layout->addWidget(show_panels_);
    layout->addWidget(new QLabel("Note: For A Solid Colored Background, Make Both Colors The Same", this));
    auto* buttons = new QHBoxLayout;
    auto* defaults = new QPushButton("&Defaults", this);
    defaults->setObjectName("DefaultsBtn");
    buttons->addWidget(defaults);
    buttons->addStretch();
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OkBtn");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelBtn");
    auto* help = new QPushButton("Help", this);
    for (auto* b : {ok, cancel, help}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(defaults, &QPushButton::clicked, this, [this] {
      form_.DefaultsClick();
      Reload();
    });
    connect(ok, &QPushButton::clicked, this, [this] { Handle([this] { form_.OkClick(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { form_.CancelClick(); }); });
    SetHelpTopic("appearance");
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(); });
  }

 private:
  QGroupBox* Group(const QString& title, const QString& name, Gradient& g, Colour* header, Colour* info) {
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    auto* sample = new GradientPanel(box);
    sample->setObjectName(name + "Sample");
    sample->setMinimumSize(120, 50);
    QLabel* sample_header = nullptr;
    QLabel* sample_info = nullptr;
    if (header) {
      auto* inner = new QVBoxLayout(sample);
      sample_header = new QLabel("Disks Cataloged", sample);
      sample_info = new QLabel("123456789", sample);
      for (auto* l : {sample_header, sample_info}) {
        l->setAlignment(Qt::AlignCenter);
        inner->addWidget(l);
      }
    }
    auto repaint = [this, sample, &g, header, info, sample_header, sample_info] {
      sample->SetGradient(g);
      if (header) {
        sample_header->setStyleSheet(QString("color: %1").arg(ToQColor(*header, palette()).name()));
        sample_info->setStyleSheet(QString("color: %1").arg(ToQColor(*info, palette()).name()));
      }
    };
    auto* from = new ColourButton(name + "FromColor", g.from, repaint, box);
    auto* to = new ColourButton(name + "ToColor", g.to, repaint, box);
    auto* direction = new QComboBox(box);
    direction->setObjectName(name + "Direction");
    direction->addItems({"Left To Right", "Top To Bottom"});
    direction->setCurrentIndex(g.direction == GradientDirection::LeftToRight ? 0 : 1);
    connect(direction, &QComboBox::activated, this, [&g, repaint](int i) {
      g.direction = i == 0 ? GradientDirection::LeftToRight : GradientDirection::TopToBottom;
      repaint();
    });
    int row = 0;
    grid->addWidget(new QLabel("Gradient Starting Color", box), row, 0);
    grid->addWidget(from, row++, 1);
    grid->addWidget(new QLabel("Gradient Ending Color", box), row, 0);
    grid->addWidget(to, row++, 1);
    grid->addWidget(new QLabel("Gradient Direction", box), row, 0);
    grid->addWidget(direction, row++, 1);
    if (header) {
      grid->addWidget(new QLabel("Header Color", box), row, 0);
      grid->addWidget(new ColourButton("HeaderColor", *header, repaint, box), row++, 1);
      grid->addWidget(new QLabel("Info Color", box), row, 0);
      grid->addWidget(new ColourButton("InfoColor", *info, repaint, box), row++, 1);
    }
    grid->addWidget(new QLabel("Sample", box), row, 0);
    grid->addWidget(sample, row + 1, 0, 1, 2);
    repaint();
    reloads_.push_back([=, &g] {
      from->Repaint();
      to->Repaint();
      direction->setCurrentIndex(g.direction == GradientDirection::LeftToRight ? 0 : 1);
      repaint();
    });
    return box;
  }

  void Reload() {
    show_panels_->setChecked(form_.show_panels);
    for (auto& r : reloads_) r();
    for (auto* b : findChildren<ColourButton*>()) b->Repaint();
  }

  TAppearanceOptionsForm& form_;
  QCheckBox* show_panels_ = nullptr;
  std::vector<std::function<void()>> reloads_;
};

}  // namespace

Button ShowAppearanceOptionsView(TAppearanceOptionsForm& form, const ViewContext& ctx) {
  AppearanceOptionsView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
