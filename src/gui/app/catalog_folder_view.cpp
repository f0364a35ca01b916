#include "gui/app/catalog_folder_view.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStorageInfo>
#include <QVBoxLayout>


namespace tembrel::gui {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

class CatalogFolderView : public ModalView {
 public:
  CatalogFolderView(TCatalogFolderForm& form, const ViewContext& ctx) : ModalView(form, ctx, true), folder_(form) {
    setWindowTitle(Q(TCatalogFolderForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(Q(TCatalogFolderForm::kNote), this);
    note->setObjectName("NoteLabel");
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* drive_row = new QHBoxLayout;
    auto* drive_label = new QLabel("&Drive:", this);
    drives_ = new QComboBox(this);
    drives_->setObjectName("DriveComboBox");
    drive_label->setBuddy(drives_);
    drive_row->addWidget(drive_label);
    drive_row->addWidget(drives_, 1);
    layout->addLayout(drive_row);
    // The program's lettered drives when it has them; else the mounted file systems.
    for (const DriveChoice& d : form.drives) {
      QString text = QString("%1:").arg(QChar(d.letter));
      if (!d.label.empty()) text += "  [" + Q(d.label) + "]";
      text += "  " + Q(d.root);
      drives_->addItem(text, Q(d.root));
    }
    if (form.drives.empty()) drives_->addItem(QDir::homePath() + "  (Home)", QDir::homePath());
    for (const QStorageInfo& s : form.drives.empty() ? QStorageInfo::mountedVolumes() : QList<QStorageInfo>{}) {
      if (!s.isValid() || !s.isReady()) continue;
      const QByteArray type = s.fileSystemType();
      if (type == "tmpfs" || type == "devtmpfs" || type == "proc" || type == "sysfs" || type == "overlay" ||
          type == "squashfs")
        continue;
      const QString root = s.rootPath();
      const QString name = s.displayName() == root ? root : root + "  (" + s.displayName() + ")";
      drives_->addItem(name, root);
    }
    connect(drives_, &QComboBox::activated, this, [this](int index) {
      folder_.OpenFolder(drives_->itemData(index).toString().toStdString());
      Refresh();
    });

    opened_ = new QLabel(this);
    opened_->setObjectName("FolderLabel");
    opened_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    opened_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(opened_);
    list_ = new QListWidget(this);
    list_->setObjectName("DirectoryListBox");
    list_->setMinimumSize(360, 260);
    layout->addWidget(list_, 1);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
      folder_.OpenSubfolder(item->data(Qt::UserRole).toString().toStdString());
      Refresh();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* apply = new QPushButton("&Apply", this);
    apply->setObjectName("ApplyBtn");
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelBtn");
    auto* help = new QPushButton("Help", this);
    help->setObjectName("HelpBtn");
    for (auto* b : {apply, cancel, help}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(apply, &QPushButton::clicked, this, [this] { Handle([this] { folder_.ApplyBtnClick(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { folder_.CancelBtnClick(); }); });
    SetHelpTopic("data-folder");
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(); });
    Refresh();
  }

 private:
  void Refresh() {
    opened_->setText(Q(folder_.Folder()));
    // Show the drive that holds the opened folder: the longest root it lies under.
    const QString folder = Q(folder_.Folder());
    int best = -1;
    qsizetype best_length = -1;
    for (int i = 0; i < drives_->count(); ++i) {
      QString root = drives_->itemData(i).toString();
      if (!root.endsWith('/')) root += '/';
      if (folder.startsWith(root) && root.size() > best_length) {
        best = i;
        best_length = root.size();
      }
    }
    if (best >= 0) drives_->setCurrentIndex(best);
    list_->clear();
    const QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed_icon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    if (folder_.Folder() != "/") {
      auto* up = new QListWidgetItem(open_icon, "..", list_);
      up->setData(Qt::UserRole, "..");
    }
    for (const auto& name : folder_.Subfolders()) {
      auto* item = new QListWidgetItem(closed_icon, Q(name), list_);
      item->setData(Qt::UserRole, Q(name));
    }
  }

  TCatalogFolderForm& folder_;
  QComboBox* drives_ = nullptr;
  QLabel* opened_ = nullptr;
  QListWidget* list_ = nullptr;
};

}  // namespace

Button ShowCatalogFolderView(TCatalogFolderForm& form, const ViewContext& ctx) {
  CatalogFolderView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
