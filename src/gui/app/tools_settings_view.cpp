#include "gui/app/tools_settings_view.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>


namespace tembrel::gui {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

class ToolsSettingsView : public ModalView {
 public:
  ToolsSettingsView(TToolsSettingsForm& form, const ViewContext& ctx) : ModalView(form, ctx, false), tools_(form) {
    setWindowTitle(Q(TToolsSettingsForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("PageControl");
    tabs->addTab(Page(false), Q(TToolsSettingsForm::kOffloadPage));
    tabs->addTab(Page(true), Q(TToolsSettingsForm::kCleanupPage));
    layout->addWidget(tabs);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* save = new QPushButton("&Save", this);
    save->setObjectName("SaveBtn");
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelBtn");
    auto* help = new QPushButton("Help", this);
    help->setObjectName("HelpBtn");
    for (auto* b : {save, cancel, help}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, [this] { Handle([this] { tools_.SaveBtnClick(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { tools_.CancelBtnClick(); }); });
    SetHelpTopic("squelch");
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(); });
  }

 private:
  QWidget* Page(bool cleanup) {
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    auto* volumes = new QGroupBox(Q(TToolsSettingsForm::kVolumesHeader), page);
    auto* volumes_layout = new QVBoxLayout(volumes);
    auto* scroll = new QScrollArea(volumes);
    scroll->setWidgetResizable(true);
    auto* list = new QWidget;
    auto* grid = new QGridLayout(list);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < kSquelchSpecs; ++i) {
      auto* number = new QLabel(QString::number(i + 1), list);
      number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      auto* edit = new QLineEdit(Q(cleanup ? tools_.DCSquelchSpec(i) : tools_.SquelchSpec(i)), list);
      edit->setObjectName(QString(cleanup ? "DCVolSQ%1" : "Volsq%1").arg(i + 1));
      edit->setMaxLength(static_cast<int>(TToolsSettingsForm::kSpecWidth));
      edit->setFixedWidth(130);
      connect(edit, &QLineEdit::textEdited, this, [this, edit, cleanup, i](const QString& text) {
        // Volume labels are upper case: show them so as they are typed.
        const int at = edit->cursorPosition();
        const QString upper = text.toUpper();
        if (upper != text) {
          edit->setText(upper);
          edit->setCursorPosition(at);
        }
        if (cleanup)
          tools_.SetDCSquelchSpec(i, upper.toStdString());
        else
          tools_.SetSquelchSpec(i, upper.toStdString());
      });
      grid->addWidget(number, i, 0);
      grid->addWidget(edit, i, 1);
    }
    scroll->setWidget(list);
    scroll->setMinimumHeight(320);
    scroll->setMinimumWidth(200);
    volumes_layout->addWidget(scroll);
    row->addWidget(volumes);

    auto* drives = new QGroupBox(
        Q(cleanup ? TToolsSettingsForm::kCleanupDrivesHeader : TToolsSettingsForm::kOffloadDrivesHeader), page);
    auto* drive_grid = new QGridLayout(drives);
    for (int d = 0; d < kDrives; ++d) {
      auto* box = new QCheckBox(QString::fromStdString(TToolsSettingsForm::DriveCaption(d)), drives);
      box->setObjectName(QString(cleanup ? "DCDrv%1" : "Drv%1").arg(QChar('A' + d)));
      box->setChecked(cleanup ? tools_.dc_drv[d] : tools_.drv[d]);
      connect(box, &QCheckBox::toggled, this, [this, cleanup, d](bool on) {
        (cleanup ? tools_.dc_drv : tools_.drv)[d] = on;
      });
      drive_grid->addWidget(box, d % 13, d / 13);
    }
    row->addWidget(drives, 1);
    return page;
  }

  TToolsSettingsForm& tools_;
};

}  // namespace

Button ShowToolsSettingsView(TToolsSettingsForm& form, const ViewContext& ctx) {
  ToolsSettingsView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
