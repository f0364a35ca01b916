#include "gui/catalog/catalog_progress_view.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/shared/view_helpers.h"

namespace tembrel::gui {
namespace {

using catalog::TCatalogProgressForm;

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

class CatalogProgressView : public ModelessView {
 public:
  CatalogProgressView(TCatalogProgressForm& form, QWidget* parent) : ModelessView(form, parent), run_(form) {
    auto* layout = new QVBoxLayout(this);

    auto* disk = new QGroupBox("Disk Information", this);
    auto* disk_grid = new QGridLayout(disk);
    volume_id_ = Figure(*disk_grid, 0, 0, "Volume ID", "VolumeIDPanel", Qt::AlignLeft | Qt::AlignVCenter);
    serial_no_ = Figure(*disk_grid, 0, 2, "Serial No", "SerialNoPanel", Qt::AlignLeft | Qt::AlignVCenter);
    disk_size_ = Figure(*disk_grid, 1, 0, "Disk Size", "DiskSizePanel", kRight);
    disk_free_ = Figure(*disk_grid, 1, 2, "Free Space", "DiskFreePanel", kRight);
    cluster_ = Figure(*disk_grid, 2, 0, "Cluster Size", "DiskClusterSizePanel", kRight);
    layout->addWidget(disk);

    auto* scan = new QGroupBox("Disk Scan", this);
    auto* scan_grid = new QGridLayout(scan);
    scan_grid->addWidget(new QLabel("Count", scan), 0, 1, Qt::AlignRight);
    scan_grid->addWidget(new QLabel("Bytes", scan), 0, 2, Qt::AlignRight);
    folders_ = Figure(*scan_grid, 1, 0, "Folders Scanned", "FoldersScannedPanel", kRight);
    bytes_in_folders_ = Panel(scan, "BytesInFoldersPanel", kRight);
    bytes_in_folders_->hide();  // folder sizes mean little; kept for the record only
    scan_grid->addWidget(bytes_in_folders_, 1, 2);
    files_on_disk_ = Figure(*scan_grid, 2, 0, "Files On Disk", "FilesOnDiskScannedPanel", kRight);
    bytes_on_disk_ = Panel(scan, "BytesInFilesOnDiskPanel", kRight);
    scan_grid->addWidget(bytes_on_disk_, 2, 2);
    files_in_arcs_ = Figure(*scan_grid, 3, 0, "Files In Archives", "FilesInArcsScannedPanel", kRight);
    bytes_in_arcs_ = Panel(scan, "BytesInFilesInArcsPanel", kRight);
    scan_grid->addWidget(bytes_in_arcs_, 3, 2);
    to_be_cataloged_ = Figure(*scan_grid, 4, 0, "To Be Cataloged", "ToBeCatalogedScannedPanel", kRight);
    bytes_to_be_cataloged_ = Panel(scan, "BytesInToBeCatalogedPanel", kRight);
    scan_grid->addWidget(bytes_to_be_cataloged_, 4, 2);
    for (QLabel* l : {bytes_on_disk_, bytes_in_arcs_, bytes_to_be_cataloged_}) l->setMinimumWidth(150);
    layout->addWidget(scan);

    auto* longest = new QGroupBox("Longest Names", this);
    auto* longest_grid = new QGridLayout(longest);
    longest_file_ = Figure(*longest_grid, 0, 0, "File Name", "LongestFileNamePanel", kRight);
    longest_folder_ = Figure(*longest_grid, 1, 0, "Folder Name", "LongestFolderNamePanel", kRight);
    longest_archive_ = Figure(*longest_grid, 2, 0, "Archive ID", "LongestArchiveNamePanel", kRight);
    file_meter_ = Meter(*longest_grid, 0, "FileNameMeter");
    folder_meter_ = Meter(*longest_grid, 1, "FolderNameMeter");
    archive_meter_ = Meter(*longest_grid, 2, "ArchiveIDMeter");
    longest_grid->setColumnStretch(2, 1);
    layout->addWidget(longest);

    auto* operation = new QGridLayout;
    main_label_ = new QLabel(this);
    main_label_->setObjectName("MainOperationLabel");
    main_panel_ = Wide("MainOperationPanel");
    archive_label_ = new QLabel(this);
    archive_label_->setObjectName("ArchiveOperationLabel");
    archive_panel_ = Wide("ArchiveNamePanel");
    operation->addWidget(main_label_, 0, 0);
    operation->addWidget(main_panel_, 0, 1);
    operation->addWidget(archive_label_, 1, 0);
    operation->addWidget(archive_panel_, 1, 1);
    operation->setColumnStretch(1, 1);
    operation->setColumnMinimumWidth(0, 120);
    layout->addLayout(operation);
    skipped_ = new QLabel(this);
    skipped_->setObjectName("FoldersSkippedLabel");
    layout->addWidget(skipped_);

    update_ = new QGroupBox("Catalog Update", this);
    update_->setObjectName("UpdatePanel");
    auto* update_grid = new QGridLayout(update_);
    added_ = Figure(*update_grid, 0, 0, "Files Added", "FilesAddedPanel", kRight);
    updated_ = Figure(*update_grid, 1, 0, "Files Updated", "FilesUpdatedPanel", kRight);
    removed_ = Figure(*update_grid, 2, 0, "Files Removed", "FilesRemovedPanel", kRight);
    gauge_ = new QProgressBar(update_);
    gauge_->setObjectName("Gauge");
    gauge_->setRange(0, 100);
    update_grid->addWidget(gauge_, 0, 2, 3, 1);
    layout->addWidget(update_);

    abort_ = new QPushButton("Abort", this);
    abort_->setObjectName("AbortBtn");
    close_ = new QPushButton("&Close", this);
    close_->setObjectName("CloseBtn");
    layout->addLayout(ButtonRow({abort_, close_}));
    connect(abort_, &QPushButton::clicked, this, [this] { run_.AbortClick(); });
    connect(close_, &QPushButton::clicked, this, [this] { CloseNow(); });

    // The run only says when something changed; between those moments this keeps it current.
    auto* timer = new QTimer(this);
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, this, [this] { Refresh(); });
    timer->start();
    setMinimumWidth(560);
  }

  void Refresh() override {
    setWindowTitle(Q(run_.caption));
    volume_id_->setText(Q(run_.volume_id));
    serial_no_->setText(Q(run_.serial_no));
    disk_size_->setText(Q(run_.disk_size));
    disk_free_->setText(Q(run_.disk_free));
    cluster_->setText(Q(run_.disk_cluster_size));
    folders_->setText(Q(run_.folders_scanned));
    bytes_in_folders_->setText(Q(run_.bytes_in_folders));
    files_on_disk_->setText(Q(run_.files_on_disk));
    bytes_on_disk_->setText(Q(run_.bytes_in_files_on_disk));
    files_in_arcs_->setText(Q(run_.files_in_archives));
    bytes_in_arcs_->setText(Q(run_.bytes_in_files_in_archives));
    to_be_cataloged_->setText(Q(run_.to_be_cataloged));
    bytes_to_be_cataloged_->setText(Q(run_.bytes_to_be_cataloged));
    longest_file_->setText(Q(run_.longest_file_name));
    longest_folder_->setText(Q(run_.longest_folder_name));
    longest_archive_->setText(Q(run_.longest_archive_id));
    file_meter_->setValue(run_.file_name_meter);
    folder_meter_->setValue(run_.folder_name_meter);
    archive_meter_->setValue(run_.archive_id_meter);
    main_label_->setText(Q(run_.main_operation_label));
    main_panel_->setText(Q(run_.main_operation_panel));
    main_panel_->setAlignment(run_.main_operation_centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    archive_label_->setText(Q(run_.archive_operation_label));
    archive_panel_->setText(Q(run_.archive_name_panel));
    archive_label_->setVisible(run_.archive_texts_visible);
    archive_panel_->setVisible(run_.archive_texts_visible);
    skipped_->setText(Q(run_.folders_skipped));
    skipped_->setVisible(!run_.folders_skipped.empty());
    update_->setVisible(run_.update_panel_visible);
    added_->setText(Q(run_.files_added));
    updated_->setText(Q(run_.files_updated));
    removed_->setText(Q(run_.files_removed));
    gauge_->setValue(run_.gauge);
    gauge_->setVisible(run_.gauge_visible);
    abort_->setEnabled(run_.abort_enabled);
    abort_->setVisible(!run_.close_visible);
    close_->setVisible(run_.close_visible);
    if (run_.close_visible) close_->setDefault(true);
  }

 protected:
  // The close box and Escape: during the run they ask it to stop (the window stays to show
  // how it ended); afterwards they close the window as "&Close" does.
  void reject() override {
    if (run_.close_visible)
      CloseNow();
    else
      run_.AbortClick();
  }
  void closeEvent(QCloseEvent* e) override {
    e->ignore();
    reject();
  }

 private:
  void CloseNow() {
    run_.CloseClick();
    Finish();
  }
  QLabel* Figure(QGridLayout& grid, int row, int column, const char* caption, const char* name, Qt::Alignment align) {
    auto* parent = grid.parentWidget() ? grid.parentWidget() : this;
    grid.addWidget(new QLabel(caption, parent), row, column);
    QLabel* panel = Panel(parent, name, align);
    panel->setMinimumWidth(110);
    grid.addWidget(panel, row, column + 1);
    return panel;
  }
  QProgressBar* Meter(QGridLayout& grid, int row, const char* name) {
    auto* bar = new QProgressBar(grid.parentWidget());
    bar->setObjectName(name);
    bar->setRange(0, 100);
    grid.addWidget(bar, row, 2);
    return bar;
  }
  // A path can be long: it is cut at the window's edge rather than widening the window.
  QLabel* Wide(const char* name) {
    QLabel* l = Panel(this, name);
    l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return l;
  }

  TCatalogProgressForm& run_;
  QLabel *volume_id_, *serial_no_, *disk_size_, *disk_free_, *cluster_;
  QLabel *folders_, *bytes_in_folders_, *files_on_disk_, *bytes_on_disk_, *files_in_arcs_, *bytes_in_arcs_,
      *to_be_cataloged_, *bytes_to_be_cataloged_;
  QLabel *longest_file_, *longest_folder_, *longest_archive_;
  QProgressBar *file_meter_, *folder_meter_, *archive_meter_;
  QLabel *main_label_, *main_panel_, *archive_label_, *archive_panel_, *skipped_;
  QGroupBox* update_;
  QLabel *added_, *updated_, *removed_;
  QProgressBar* gauge_;
  QPushButton *abort_, *close_;
};

}  // namespace

std::unique_ptr<ModelessView> MakeCatalogProgressView(catalog::TCatalogProgressForm& form, QWidget* parent,
                                                      const ViewContext&) {
  return std::make_unique<CatalogProgressView>(form, parent);
}

}  // namespace tembrel::gui
