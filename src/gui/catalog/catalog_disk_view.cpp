#include "gui/catalog/catalog_disk_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "gui/app/help_view.h"
#include "gui/catalog/disk_label_view.h"
#include "gui/catalog/select_directory_view.h"
#include "gui/shared/view_helpers.h"

namespace tembrel::gui {
namespace {

using catalog::TCatalogDiskSpecForm;

class CatalogDiskSpecView : public ModalView {
 public:
  CatalogDiskSpecView(TCatalogDiskSpecForm& form, const ViewContext& ctx) : ModalView(form, ctx, false), spec_(form) {
    setWindowTitle(TCatalogDiskSpecForm::kCaption);
    if (!form.text_measure) {
      const QFontMetrics metrics(font());
      form.text_measure = [metrics](std::string_view text) { return metrics.horizontalAdvance(Q(text)); };
    }
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    // Everything but the progress window is in here, so a run can switch it all off at once.
    body_ = new QWidget(this);
    outer->addWidget(body_);
    auto* layout = new QVBoxLayout(body_);

    auto* grid = new QGridLayout;
    auto* drive_label = new QLabel("Catalog From Drive:", body_);
    drives_ = new QComboBox(body_);
    drives_->setObjectName("DriveComboBox");
    drives_->setMinimumWidth(280);
    for (const volumes::Drive& d : form.drives) drives_->addItem(DriveListText(d), QChar(d.letter));
    drive_label->setBuddy(drives_);
    grid->addWidget(drive_label, 0, 0);
    grid->addWidget(drives_, 0, 1, 1, 2);
    auto* start_label = new QLabel("Start Cataloging From This Folder", body_);
    start_dir_ = new QLineEdit(body_);
    start_dir_->setObjectName("StartDir");
    start_dir_->setReadOnly(true);
    start_label->setBuddy(start_dir_);
    auto* choose = NamedButton(body_, "Select Directory From List", "SelectDirBtn");
    grid->addWidget(start_label, 1, 0);
    grid->addWidget(start_dir_, 1, 1);
    grid->addWidget(choose, 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    recurse_ = Box("Catalog All Sub-Folders Within This Folder", "Recurse", &TCatalogDiskSpecForm::recurse);
    layout->addWidget(recurse_);
    auto* what = new QGroupBox("Catalog", body_);
    auto* what_layout = new QHBoxLayout(what);
    auto* stats_files = new QRadioButton("Disk Stats && Files", what);
    stats_files->setObjectName("StatsFiles");
    auto* stats_only = new QRadioButton("Disk Stats Only", what);
    stats_only->setObjectName("StatsOnly");
    stats_files->setChecked(!form.stats_only);
    stats_only->setChecked(form.stats_only);
    what_layout->addWidget(stats_files);
    what_layout->addWidget(stats_only);
    what_layout->addStretch();
    layout->addWidget(what);
    connect(stats_only, &QRadioButton::toggled, this, [this](bool on) { spec_.stats_only = on; });
    layout->addWidget(Box("Skip Files In The Windows Recycle Bin", "IgnoreRecycle", &TCatalogDiskSpecForm::ignore_recycle));
    layout->addWidget(Box("Keep Temporary Database(s) In Memory", "KeepInMemory", &TCatalogDiskSpecForm::keep_in_memory));

    auto* now = NamedButton(body_, "Catalog &Now", "CatalogNowBtn");
    now->setDefault(true);
    auto* options = NamedButton(body_, "&Catalog &Options", "CatalogOptionsBtn");
    auto* close = NamedButton(body_, "Close", "CloseBtn");
    auto* help = NamedButton(body_, "Help", "HelpBtn");
    layout->addLayout(ButtonRow({now, options, close, help}));

    connect(drives_, &QComboBox::activated, this, [this](int index) {
      spec_.DriveChanged(static_cast<char>(drives_->itemData(index).toChar().toLatin1()));
      ShowStartDir();
    });
    connect(choose, &QPushButton::clicked, this, [this] { ChooseFolder(); });
    connect(now, &QPushButton::clicked, this, [this] { CatalogNow(); });
    connect(options, &QPushButton::clicked, this, [this] { spec_.CatalogOptionsClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(ctx_, "cataloging"); });

    drives_->setCurrentIndex(std::max(0, drives_->findData(QChar(form.drive))));
    ShowStartDir();
    now->setFocus();
  }

 private:
  QCheckBox* Box(const char* caption, const char* name, bool TCatalogDiskSpecForm::*field) {
    auto* box = new QCheckBox(caption, body_);
    box->setObjectName(name);
    box->setChecked(spec_.*field);
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) { spec_.*field = on; });
    return box;
  }
  void ShowStartDir() { start_dir_->setText(Q(spec_.start_dir)); }
  void ChooseFolder() {
    auto drive = std::find_if(spec_.drives.begin(), spec_.drives.end(),
                              [this](const volumes::Drive& d) { return d.letter == spec_.drive; });
    if (drive == spec_.drives.end()) return;
    if (auto folder = ChooseDriveFolder(ctx_, this, *drive)) {
      spec_.StartFolderChosen(*folder);
      ShowStartDir();
    }
  }
  void CatalogNow() {
    body_->setEnabled(false);
    // Nothing may leave through Qt's event dispatch; what the run did not catch ends the run.
    try {
      spec_.CatalogNowClick();
    } catch (const std::exception& e) {
      BeepError(ctx_.ui, e.what());
    }
    body_->setEnabled(true);
  }

  TCatalogDiskSpecForm& spec_;
  QWidget* body_ = nullptr;
  QComboBox* drives_ = nullptr;
  QLineEdit* start_dir_ = nullptr;
  QCheckBox* recurse_ = nullptr;
};

}  // namespace

Button ShowCatalogDiskSpecView(TCatalogDiskSpecForm& form, const ViewContext& ctx) {
  CatalogDiskSpecView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
