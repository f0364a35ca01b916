#include "gui/store/select_catalog_view.h"

#include <QAbstractTableModel>
#include <algorithm>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/app/help_view.h"
#include "gui/shared/view_helpers.h"

namespace tembrel::gui {
namespace {

// The catalog definitions as the form last read them.
class CatalogListModel : public QAbstractTableModel {
 public:
  CatalogListModel(const TSelectCatalogForm& form, QObject* parent) : QAbstractTableModel(parent), form_(form) {}
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(form_.Rows().size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 4; }
  QVariant data(const QModelIndex& index, int role) const override {
    // The form may have re-read a shorter list before the grid was told (its error box repaints).
    if (!index.isValid() || index.row() >= static_cast<int>(form_.Rows().size())) return {};
    const CatalogListRow& row = form_.Rows()[static_cast<size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() > 0)
      return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
      case 0: return Q(row.name);
      case 1: return row.widths.file_name;
      case 2: return row.widths.folder_name;
      default: return row.widths.archive_id;
    }
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    static const char* const kTitles[] = {"Catalog Name", "FileName Length", "FolderName Length", "ArchiveID Length"};
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section > 3) return {};
    return QString(kTitles[section]);
  }
  void Reload() {
    beginResetModel();
    endResetModel();
  }

 private:
  const TSelectCatalogForm& form_;
};

class SelectCatalogView : public ModalView {
 public:
  SelectCatalogView(TSelectCatalogForm& form, const ViewContext& ctx)
      : ModalView(form, ctx, true), list_(form), model_(new CatalogListModel(form, this)) {
    setWindowTitle("Select / Create / Configure Catalog");
    resize(620, 380);
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox("Catalogs Currently Defined", this);
    auto* box_layout = new QVBoxLayout(box);
    grid_ = new QTableView(box);
    grid_->setObjectName("DBGrid1");
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 4; ++c) grid_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    box_layout->addWidget(grid_, 1);
    box_layout->addLayout(Navigator(box));
    layout->addWidget(box, 1);

    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) { list_.current = now.isValid() ? now.row() : 0; });
    connect(grid_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& at) { Act([this, at] { list_.RowDoubleClick(at.row()); }); });

    auto* new_btn = NamedButton(this, "&New Catalog", "NewCatalogBtn", "Create A New Catalog");
    auto* adjust = NamedButton(this, "&Adjust Sizes", "AdjustSizesBtn",
                               "Adjust \"Filename\", \"Foldername\" and \"Archive ID\" Sizes");
    auto* del = NamedButton(this, "&Delete Catalog", "DeleteCatalogBtn", "Delete The Highlighted Catalog");
    auto* select = NamedButton(this, "&Select Catalog", "SelectCatalogBtn", "Select The Highlighted Catalog For Use");
    select->setDefault(true);
    auto* close = NamedButton(this, "&Close", "CloseBtn", "Close This Window");
    auto* help = NamedButton(this, "Help", "HelpBtn", "Get Detailed Help On The Functions Provided In This Window");
    auto* options = NamedButton(this, "&Catalog &Options", "CatalogOptionsBtn",
                                "Set Cataloging And Reporting Options For The Highlighted Catalog");
    auto* rename = NamedButton(this, "&Rename Catalog", "RenameCatalogBtn", "Change The Name Of The Highlighted Catalog");
    // Other commands only pick a catalog here: nothing may be deleted or renamed on the way.
    if (form.mode == TSelectCatalogForm::Mode::Picker) {
      del->hide();
      rename->hide();
    }
    auto* buttons = new QGridLayout;
    buttons->addWidget(new_btn, 0, 0);
    buttons->addWidget(adjust, 0, 1);
    buttons->addWidget(del, 0, 2);
    buttons->addWidget(select, 0, 3);
    buttons->addWidget(options, 1, 0);
    buttons->addWidget(rename, 1, 1);
    buttons->addWidget(close, 1, 2);
    buttons->addWidget(help, 1, 3);
    layout->addLayout(buttons);

    connect(new_btn, &QPushButton::clicked, this, [this] { Act([this] { list_.NewCatalogClick(); }); });
    connect(adjust, &QPushButton::clicked, this, [this] { Act([this] { list_.AdjustSizesClick(); }); });
    connect(del, &QPushButton::clicked, this, [this] { Act([this] { list_.DeleteCatalogClick(); }); });
    connect(select, &QPushButton::clicked, this, [this] { Act([this] { list_.SelectCatalogClick(); }); });
    connect(options, &QPushButton::clicked, this, [this] { Act([this] { list_.CatalogOptionsClick(); }); });
    connect(rename, &QPushButton::clicked, this, [this] { Act([this] { list_.RenameCatalogClick(); }); });
    connect(close, &QPushButton::clicked, this, [this] { Act([this] { list_.CloseClick(); }); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(ctx_, "catalogs"); });
    ShowCurrent();
    grid_->setFocus();
  }

 private:
  // A handler may re-read the list (new, deleted, renamed catalogs): the grid follows it.
  template <class Fn>
  void Act(Fn fn) {
    Handle([&] {
      fn();
      if (!list_.CloseRequested()) {
        const int keep = list_.current;  // the reset would move the grid's cursor to the top
        model_->Reload();
        list_.current = keep;
        ShowCurrent();
      }
    });
  }
  void ShowCurrent() {
    const int rows = model_->rowCount({});
    if (rows == 0) return;
    grid_->selectRow(std::clamp(list_.current, 0, rows - 1));
  }
  QHBoxLayout* Navigator(QWidget* parent) {
    auto* row = new QHBoxLayout;
    struct Nav {
      const char* name;
      const char* hint;
      QStyle::StandardPixmap icon;
      int target;  // -2 first, -1 prior, 1 next, 2 last
    };
    for (const Nav& n : {Nav{"FirstBtn", "First Record", QStyle::SP_MediaSkipBackward, -2},
                         Nav{"PriorBtn", "Prior Record", QStyle::SP_MediaSeekBackward, -1},
                         Nav{"NextBtn", "Next Record", QStyle::SP_MediaSeekForward, 1},
                         Nav{"LastBtn", "Last Record", QStyle::SP_MediaSkipForward, 2}}) {
      auto* b = new QToolButton(parent);
      b->setObjectName(n.name);
      b->setToolTip(n.hint);
      b->setIcon(style()->standardIcon(n.icon));
      const int target = n.target;
      connect(b, &QToolButton::clicked, this, [this, target] {
        const int rows = model_->rowCount({});
        if (rows == 0) return;
        int at = list_.current;
        if (target == -2) at = 0;
        if (target == -1) at = at - 1;
        if (target == 1) at = at + 1;
        if (target == 2) at = rows - 1;
        list_.current = std::clamp(at, 0, rows - 1);
        ShowCurrent();
      });
      row->addWidget(b);
    }
    row->addStretch();
    return row;
  }

  TSelectCatalogForm& list_;
  CatalogListModel* model_;
  QTableView* grid_ = nullptr;
};

}  // namespace

Button ShowSelectCatalogView(TSelectCatalogForm& form, const ViewContext& ctx) {
  SelectCatalogView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
