#include "gui/catalog/disk_label_view.h"

#include <QApplication>
#include <algorithm>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/app/help_view.h"
#include "gui/shared/view_helpers.h"
#include "store/catalog_tables.h"

namespace tembrel::gui {

QString DriveListText(const volumes::Drive& drive) {
  QString text = QString(QChar(drive.letter)) + ":";
  if (!drive.label.empty()) text += "  " + Q(drive.label);
  text += "   (" + Q(drive.root) + ")";
  return text;
}

namespace {

using catalog::TDiskLabelForm;

class DiskLabelView : public ModalView {
 public:
  DiskLabelView(TDiskLabelForm& form, const ViewContext& ctx) : ModalView(form, ctx, false), label_(form) {
    setWindowTitle("Label A Disk");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* drive_label = new QLabel("Read Volume Label of", this);
    drives_ = new QComboBox(this);
    drives_->setObjectName("DriveComboBox");
    drives_->setMinimumWidth(260);
    for (const volumes::Drive& d : form.Drives()) drives_->addItem(DriveListText(d), QChar(d.letter));
    drives_->setCurrentIndex(std::max(0, drives_->findData(QChar(form.drive))));
    // While cataloging, the drive is the one being cataloged.
    drives_->setEnabled(!form.cataloging_mode);
    drive_label->setBuddy(drives_);
    grid->addWidget(drive_label, 0, 0);
    grid->addWidget(drives_, 0, 1);
    grid->addWidget(new QLabel("Current Volume Label", this), 1, 0);
    panel_ = Panel(this, "VolumeLabelPanel");
    grid->addWidget(panel_, 1, 1);
    auto* new_caption = new QLabel("New Volume Label", this);
    entry_ = new QLineEdit(this);
    entry_->setObjectName("NewLabel");
    entry_->setMaxLength(kVolumeLabelMax);
    new_caption->setBuddy(entry_);
    grid->addWidget(new_caption, 2, 0);
    grid->addWidget(entry_, 2, 1);
    layout->addLayout(grid);
    connect(drives_, &QComboBox::activated, this, [this](int index) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
      label_.DriveChanged(static_cast<char>(drives_->itemData(index).toChar().toLatin1()));
      QApplication::restoreOverrideCursor();
      ShowState();
    });
    connect(entry_, &QLineEdit::textEdited, this, [this](const QString& text) {
      label_.SetNewLabel(S(text));
      ShowNormalised(*entry_, Q(label_.NewLabel()));
    });

    auto* write = NamedButton(this, "Write Label To Disk", "WriteLabelBtn");
    write->setDefault(true);
    auto* alias = NamedButton(this, "Catalog Under Alias", "AliasBtn");
    alias->setVisible(form.cataloging_mode);
    auto* cancel = NamedButton(this, "Cancel", "CancelBtn");
    auto* help = NamedButton(this, "Help", "HelpBtn");
    layout->addLayout(ButtonRow({write, alias, cancel, help}));
    connect(write, &QPushButton::clicked, this, [this] {
      Handle([this] { label_.WriteLabelClick(); });
      ShowState();
    });
    connect(alias, &QPushButton::clicked, this, [this] { Handle([this] { label_.CatalogUnderAliasClick(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { label_.CancelClick(); }); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(ctx_, "cataloging"); });
    ShowState();
  }

 private:
  void ShowState() {
    panel_->setText(Q(label_.volume_label_panel));
    entry_->setText(Q(label_.NewLabel()));
    entry_->setFocus();
  }

  TDiskLabelForm& label_;
  QComboBox* drives_ = nullptr;
  QLabel* panel_ = nullptr;
  QLineEdit* entry_ = nullptr;
};

}  // namespace

Button ShowDiskLabelView(TDiskLabelForm& form, const ViewContext& ctx) {
  DiskLabelView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
