#include "gui/shared/select_one_volume_view.h"

#include <algorithm>

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/app/help_view.h"
#include "gui/shared/view_helpers.h"

namespace tembrel::gui {
namespace {

class VolumeListModel : public QAbstractTableModel {
 public:
  VolumeListModel(const TSelectOneVolumeForm& form, QObject* parent) : QAbstractTableModel(parent), form_(form) {}
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(form_.Labels().size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 1; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return Q(form_.Labels()[static_cast<size_t>(index.row())]);
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole) return {};
    return orientation == Qt::Horizontal ? QVariant("Volume Label") : QVariant();
  }

 private:
  const TSelectOneVolumeForm& form_;
};

class SelectOneVolumeView : public ModalView {
 public:
  SelectOneVolumeView(TSelectOneVolumeForm& form, const ViewContext& ctx)
      : ModalView(form, ctx, true), picker_(form), model_(new VolumeListModel(form, this)) {
    setWindowTitle("Volumes Cataloged");
    setFixedWidth(300);
    setMinimumHeight(175);
    resize(300, 320);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QTableView(this);
    grid->setObjectName("DBGrid1");
    grid->setModel(model_);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->hide();
    layout->addWidget(grid, 1);
    if (!form.Labels().empty()) grid->selectRow(std::clamp(form.current, 0, model_->rowCount({}) - 1));
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) { picker_.current = now.isValid() ? now.row() : 0; });
    // The heading is not a row: double clicks there never reach this signal.
    connect(grid, &QTableView::doubleClicked, this,
            [this](const QModelIndex& at) { Handle([this, at] { picker_.RowDoubleClick(at.row()); }); });

    auto* select = NamedButton(this, "&Select", "SelectBtn");
    select->setDefault(true);
    auto* cancel = NamedButton(this, "Cancel", "CancelBtn");
    auto* help = NamedButton(this, "Help", "HelpBtn");
    layout->addLayout(ButtonRow({select, cancel, help}));
    connect(select, &QPushButton::clicked, this, [this] { Handle([this] { picker_.SelectClick(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { picker_.CancelClick(); }); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(ctx_, "reports"); });
    grid->setFocus();
  }

 private:
  TSelectOneVolumeForm& picker_;
  VolumeListModel* model_;
};

}  // namespace

Button ShowSelectOneVolumeView(TSelectOneVolumeForm& form, const ViewContext& ctx) {
  SelectOneVolumeView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
