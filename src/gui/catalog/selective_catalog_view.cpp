#include "gui/catalog/selective_catalog_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/app/help_view.h"
#include "gui/catalog/selective_catalog_model.h"
#include "gui/shared/view_helpers.h"

namespace tembrel::gui {
namespace {

using catalog::TSelectiveCatalogForm;
using catalog::TSelectiveCatalogTagCriteriaForm;

class SelectiveCatalogView : public ModalView {
 public:
  SelectiveCatalogView(TSelectiveCatalogForm& form, const ViewContext& ctx)
      : ModalView(form, ctx, true), select_(form), model_(new SelectiveCatalogModel(form, this)) {
    setWindowTitle("Selective Cataloging");
    resize(900, 520);
    auto* layout = new QVBoxLayout(this);
    grid_ = new QTableView(this);
    grid_->setObjectName("DBGrid1");
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setWordWrap(false);
    grid_->verticalHeader()->hide();
    // Rows all have one height: the view need not measure a million of them.
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setColumnWidth(SelectiveCatalogModel::kTagged, 60);
    const int columns[] = {SelectiveCatalogModel::kFileName, SelectiveCatalogModel::kFolderName,
                           SelectiveCatalogModel::kArchiveId};
    static constexpr int kDefaultWidths[] = {160, 220, 120};
    for (int i = 0; i < 3; ++i)
      grid_->setColumnWidth(columns[i], form.column_widths[i] > 0 ? form.column_widths[i] : kDefaultWidths[i]);
    grid_->setColumnWidth(SelectiveCatalogModel::kFileSize, 120);
    grid_->setColumnWidth(SelectiveCatalogModel::kFileDate, 90);
    layout->addWidget(grid_, 1);
    if (model_->rowCount() > 0) grid_->selectRow(std::clamp(form.current, 0, model_->rowCount() - 1));
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) { select_.current = now.isValid() ? now.row() : 0; });
    // A double click anywhere on a row ticks it too; the box itself takes single clicks.
    connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& at) {
      if (at.column() != SelectiveCatalogModel::kTagged) Toggle(at.row());
    });

    auto* tag_all = NamedButton(this, "&Tag All", "TagAllBtn");
    auto* clear = NamedButton(this, "&Clear Tags", "ClearTagsBtn");
    auto* invert = NamedButton(this, "&Invert Tags", "InvertTagsBtn");
    auto* several = NamedButton(this, "Tag &Several", "TagSeveralBtn");
    auto* unseveral = NamedButton(this, "&Untag Several", "UntagSeveralBtn");
    auto* proceed = NamedButton(this, "&Proceed", "ProceedBtn");
    proceed->setDefault(true);
    auto* cancel = NamedButton(this, "Cancel", "CancelBtn");
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {tag_all, clear, invert, several, unseveral}) row->addWidget(b);
    row->addStretch();
    row->addWidget(proceed);
    row->addWidget(cancel);
    layout->addLayout(row);
    connect(tag_all, &QPushButton::clicked, this, [this] { Bulk([this] { select_.TagAllClick(); }); });
    connect(clear, &QPushButton::clicked, this, [this] { Bulk([this] { select_.ClearTagsClick(); }); });
    connect(invert, &QPushButton::clicked, this, [this] { Bulk([this] { select_.InvertTagsClick(); }); });
    connect(several, &QPushButton::clicked, this, [this] { Bulk([this] { select_.TagSeveralClick(); }); });
    connect(unseveral, &QPushButton::clicked, this, [this] { Bulk([this] { select_.UntagSeveralClick(); }); });
    connect(proceed, &QPushButton::clicked, this, [this] { Handle([this] { select_.ProceedClick(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { select_.CancelClick(); }); });
    grid_->setFocus();
  }

 private:
  template <class Fn>
  void Bulk(Fn fn) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    fn();
    QApplication::restoreOverrideCursor();
    model_->TagsChanged();
    if (model_->rowCount() > 0) grid_->selectRow(std::clamp(select_.current, 0, model_->rowCount() - 1));
    grid_->setFocus();
  }
  void Toggle(int row) {
    const QModelIndex tagged = model_->index(row, SelectiveCatalogModel::kTagged);
    const bool on = model_->data(tagged, Qt::CheckStateRole).toInt() == Qt::Checked;
    model_->setData(tagged, on ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
  }

  TSelectiveCatalogForm& select_;
  SelectiveCatalogModel* model_;
  QTableView* grid_ = nullptr;
};

class TagCriteriaView : public ModalView {
 public:
  TagCriteriaView(TSelectiveCatalogTagCriteriaForm& form, const ViewContext& ctx)
      : ModalView(form, ctx, false), criteria_(form) {
    setWindowTitle(Q(form.Caption()));
    auto* layout = new QVBoxLayout(this);
    auto* by_spec = new QRadioButton(Q(form.FilespecChoiceText()), this);
    by_spec->setObjectName("FilespecChoice");
    auto* spec = new QLineEdit(Q(form.filespec), this);
    spec->setObjectName("Filespec");
    spec->setMinimumWidth(300);
    auto* in_catalog = new QRadioButton(Q(form.CatalogChoiceText()), this);
    in_catalog->setObjectName("CatalogChoice");
    by_spec->setChecked(form.by_filespec);
    in_catalog->setChecked(!form.by_filespec);
    spec->setEnabled(form.by_filespec);
    layout->addWidget(by_spec);
    auto* indented = new QHBoxLayout;
    indented->addSpacing(24);
    indented->addWidget(spec);
    layout->addLayout(indented);
    layout->addWidget(in_catalog);
    connect(by_spec, &QRadioButton::toggled, this, [this, spec](bool on) {
      criteria_.by_filespec = on;
      spec->setEnabled(on);
    });
    connect(spec, &QLineEdit::textEdited, this, [this](const QString& text) { criteria_.filespec = S(text); });

    auto* proceed = NamedButton(this, "&Proceed", "ProceedBtn");
    proceed->setDefault(true);
    auto* cancel = NamedButton(this, "Cancel", "CancelBtn");
    auto* help = NamedButton(this, "Help", "HelpBtn");
    layout->addLayout(ButtonRow({proceed, cancel, help}));
    connect(proceed, &QPushButton::clicked, this, [this] { Handle([this] { criteria_.ProceedClick(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { criteria_.CancelClick(); }); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(ctx_, "cataloging"); });
    spec->setFocus();
  }

 private:
  TSelectiveCatalogTagCriteriaForm& criteria_;
};

}  // namespace

Button ShowSelectiveCatalogView(TSelectiveCatalogForm& form, const ViewContext& ctx) {
  SelectiveCatalogView view(form, ctx);
  return view.Run();
}

Button ShowSelectiveCatalogTagCriteriaView(TSelectiveCatalogTagCriteriaForm& form, const ViewContext& ctx) {
  TagCriteriaView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
