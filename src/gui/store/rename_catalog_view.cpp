#include "gui/store/rename_catalog_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/app/help_view.h"
#include "gui/shared/view_helpers.h"
#include "store/catalog_tables.h"

namespace tembrel::gui {
namespace {

class RenameCatalogView : public ModalView {
 public:
  RenameCatalogView(TRenameCatalogForm& form, const ViewContext& ctx) : ModalView(form, ctx, false), rename_(form) {
    setWindowTitle("Rename Catalog");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Rename Catalog", this), 0, 0);
    auto* old_name = Panel(this, "OldName");
    old_name->setText(Q(form.old_name));
    grid->addWidget(old_name, 0, 1);
    auto* to = new QLabel("To", this);
    grid->addWidget(to, 1, 0);
    entry_ = new QLineEdit(Q(form.new_name), this);
    entry_->setObjectName("NewName");
    entry_->setMaxLength(kCatalogNameMax);
    entry_->setMinimumWidth(220);
    to->setBuddy(entry_);
    grid->addWidget(entry_, 1, 1);
    layout->addLayout(grid);
    connect(entry_, &QLineEdit::textEdited, this, [this](const QString& text) { rename_.new_name = S(text); });

    auto* ok = NamedButton(this, "OK", "OKBtn");
    ok->setDefault(true);
    auto* cancel = NamedButton(this, "Cancel", "CancelBtn");
    auto* help = NamedButton(this, "Help", "HelpBtn");
    layout->addLayout(ButtonRow({ok, cancel, help}));
    connect(ok, &QPushButton::clicked, this, [this] {
      Handle([this] { rename_.OkClick(); });
      if (rename_.focus_entry) entry_->setFocus();
    });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { rename_.CancelClick(); }); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(ctx_, "catalogs"); });
    entry_->setFocus();
  }

 private:
  TRenameCatalogForm& rename_;
  QLineEdit* entry_ = nullptr;
};

}  // namespace

Button ShowRenameCatalogView(TRenameCatalogForm& form, const ViewContext& ctx) {
  RenameCatalogView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
