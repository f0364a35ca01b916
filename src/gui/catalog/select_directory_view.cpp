#include "gui/catalog/select_directory_view.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

#include "gui/app/help_view.h"
#include "gui/modal_view.h"
#include "gui/shared/view_helpers.h"
#include "platform/fs/paths.h"

namespace tembrel::gui {
namespace {

constexpr const char* kGroup = "TSelectDirectoryForm";

// The file system model shows the whole machine; this keeps the drive's root, the folders
// below it and the folders leading to it, and names the root as the drive ("F:\").
class DriveTreeModel : public QSortFilterProxyModel {
 public:
  DriveTreeModel(QString root, QString root_text, QObject* parent)
      : QSortFilterProxyModel(parent), root_(std::move(root)), root_text_(std::move(root_text)) {}

  QVariant data(const QModelIndex& index, int role) const override {
    if (role == Qt::DisplayRole && index.column() == 0 && Path(index) == root_) return root_text_;
    return QSortFilterProxyModel::data(index, role);
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    auto* files = static_cast<QFileSystemModel*>(sourceModel());
    const QString path = files->filePath(files->index(row, 0, parent));
    const bool inside = path == root_ || path.startsWith(root_ == "/" ? root_ : root_ + "/");
    const bool above = root_.startsWith(path == "/" ? path : path + "/");
    return inside || above;
  }

 private:
  QString Path(const QModelIndex& index) const {
    auto* files = static_cast<QFileSystemModel*>(sourceModel());
    return files->filePath(mapToSource(index));
  }
  QString root_;
  QString root_text_;
};

class SelectDirectoryDialog : public QDialog {
 public:
  SelectDirectoryDialog(const ViewContext& ctx, QWidget* parent, const volumes::Drive& drive, const QString& root)
      : QDialog(parent), ctx_(ctx), drive_(drive), root_(root) {
    setObjectName(kGroup);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle("Select Folder");
    resize(420, 440);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Current Selection (Double Click In List To Change)", this));
    selection_ = Panel(this, "SelectionPanel");
    layout->addWidget(selection_);

    files_ = new QFileSystemModel(this);
    // Every folder a run would walk: hidden ones too, never a link (the walk follows none).
    files_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks);
    files_->setRootPath(root_);
    tree_model_ = new DriveTreeModel(root_, DriveText("\\"), this);
    tree_model_->setSourceModel(files_);
    tree_ = new QTreeView(this);
    tree_->setObjectName("DirectoryTree");
    tree_->setModel(tree_model_);
    for (int c = 1; c < files_->columnCount(); ++c) tree_->hideColumn(c);
    tree_->header()->hide();
    tree_->setSortingEnabled(true);
    tree_->sortByColumn(0, Qt::AscendingOrder);
    tree_->setRootIndex(tree_model_->mapFromSource(files_->index(root_).parent()));
    tree_->expand(RootIndex());
    tree_->setCurrentIndex(RootIndex());
    layout->addWidget(tree_, 1);
    connect(tree_, &QTreeView::activated, this, [this](const QModelIndex& at) { Choose(at); });

    auto* ok = NamedButton(this, "OK", "OKBtn");
    ok->setDefault(true);
    auto* cancel = NamedButton(this, "Cancel", "CancelBtn");
    auto* help = NamedButton(this, "Help", "HelpBtn");
    layout->addLayout(ButtonRow({ok, cancel, help}));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(ctx_, "cataloging"); });
    ShowSelection();
  }

  QModelIndex RootIndex() const { return tree_model_->mapFromSource(files_->index(root_)); }
  const std::string& Chosen() const { return chosen_; }

  int RunPlaced() {
    RestorePlacement(*this, ctx_.settings, kGroup, true);
    const int result = exec();
    StorePlacement(*this, ctx_.settings, kGroup, true);
    return result;
  }

 private:
  QString DriveText(std::string_view stored) const {
    return QString(QChar(drive_.letter)) + ":" + Q(stored);
  }
  void Choose(const QModelIndex& at) {
    const QString path = files_->filePath(tree_model_->mapToSource(at));
    if (auto stored = fs::ToStoredPath(S(root_), S(path))) {
      chosen_ = *stored;
      ShowSelection();
    }
  }
  void ShowSelection() { selection_->setText(DriveText(chosen_)); }

  const ViewContext& ctx_;
  volumes::Drive drive_;
  QString root_;
  std::string chosen_ = "\\";
  QFileSystemModel* files_ = nullptr;
  DriveTreeModel* tree_model_ = nullptr;
  QTreeView* tree_ = nullptr;
  QLabel* selection_ = nullptr;
};

}  // namespace

std::optional<std::string> ChooseDriveFolder(const ViewContext& ctx, QWidget* parent, const volumes::Drive& drive) {
  QString root = QDir::cleanPath(Q(drive.root));
  const QFileInfo info(root);
  if (root.isEmpty() || !info.isDir() || !info.isReadable() || !QDir(root).isReadable()) {
    ctx.ui.Beep();
    ctx.ui.Error(std::string("Error Reading Structure Of Drive ") + drive.letter + ":");
    return std::nullopt;
  }
  SelectDirectoryDialog dialog(ctx, parent, drive, root);
  if (dialog.RunPlaced() != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}

}  // namespace tembrel::gui
