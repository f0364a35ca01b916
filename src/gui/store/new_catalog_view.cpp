#include "gui/store/new_catalog_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/app/help_view.h"
#include "gui/shared/view_helpers.h"

namespace tembrel::gui {
namespace {

constexpr const char* kExplanation =
    "The three lengths are the most characters a file name, a folder name and an archive ID may have in this "
    "catalog. Larger lengths make larger catalog files. Cataloging reports a disk whose names do not fit, and "
    "the lengths can be changed later with \"Adjust Sizes\".";

class NewCatalogView : public ModalView {
 public:
  NewCatalogView(TNewCatalogForm& form, const ViewContext& ctx) : ModalView(form, ctx, false), new_(form) {
    setWindowTitle("New Catalog");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* name_label = new QLabel("New Catalog Name:", this);
    name_ = new QLineEdit(Q(form.name), this);
    name_->setObjectName("NewCatalogName");
    name_->setMaxLength(kCatalogNameMax);
    name_label->setBuddy(name_);
    grid->addWidget(name_label, 0, 0);
    grid->addWidget(name_, 0, 1, 1, 2);
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) { new_.name = S(text); });

    Width(*grid, 1, "Maximum Filename Length:", "FileNameLength", kMaxFileNameWidth, &FieldWidths::file_name);
    Width(*grid, 2, "Maximum Foldername Length:", "FolderNameLength", kMaxFolderNameWidth, &FieldWidths::folder_name);
    Width(*grid, 3, "Maximum Archive ID Length:", "ArchiveIDLength", kMaxArchiveIdWidth, &FieldWidths::archive_id);
    layout->addLayout(grid);

    auto* note = new QLabel(kExplanation, this);
    note->setObjectName("Explanation");
    note->setWordWrap(true);
    note->setMinimumWidth(380);
    layout->addWidget(note);

    auto* create = NamedButton(this, "&Create", "CreateBtn");
    create->setDefault(true);
    auto* cancel = NamedButton(this, "Cancel", "CancelBtn");
    auto* help = NamedButton(this, "Help", "HelpBtn");
    layout->addLayout(ButtonRow({create, cancel, help}));
    connect(create, &QPushButton::clicked, this, [this] {
      Handle([this] { new_.CreateClick(); });
      if (new_.focus_name) name_->setFocus();
    });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { new_.CancelClick(); }); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(ctx_, "catalogs"); });
    name_->setFocus();
  }

 private:
  void Width(QGridLayout& grid, int row, const char* caption, const char* name, int upper, int FieldWidths::*field) {
    auto* label = new QLabel(caption, this);
    auto* spin = new QSpinBox(this);
    spin->setObjectName(name);
    spin->setRange(kMinFieldWidth, upper);
    spin->setValue(new_.widths.*field);
    label->setBuddy(spin);
    grid.addWidget(label, row, 0);
    grid.addWidget(spin, row, 1);
    grid.addWidget(new QLabel(QString("(%1 to %2)").arg(kMinFieldWidth).arg(upper), this), row, 2);
    connect(spin, &QSpinBox::valueChanged, this, [this, field](int v) { new_.widths.*field = v; });
  }

  TNewCatalogForm& new_;
  QLineEdit* name_ = nullptr;
};

}  // namespace

Button ShowNewCatalogView(TNewCatalogForm& form, const ViewContext& ctx) {
  NewCatalogView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
