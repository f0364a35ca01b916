#include "gui/catalog/disk_alias_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/shared/view_helpers.h"
#include "store/catalog_tables.h"

namespace tembrel::gui {
namespace {

using catalog::TDiskAliasForm;

constexpr const char* kNote =
    "Note: the alias is not written to the disk. It is only the name the disk is cataloged under, so it must be "
    "typed again whenever this disk is re-cataloged, or the catalog gets a second entry for it. Aliases suit "
    "distribution disks whose labels mean little but must stay as they are.";

class DiskAliasView : public ModalView {
 public:
  DiskAliasView(TDiskAliasForm& form, const ViewContext& ctx) : ModalView(form, ctx, false), alias_(form) {
    setWindowTitle(TDiskAliasForm::kCaption);
    auto* layout = new QVBoxLayout(this);
    auto* line = new QLabel(Q(form.vlabel_line), this);
    line->setObjectName("VlabelLine");
    QFont bold = line->font();
    bold.setBold(true);
    line->setFont(bold);
    layout->addWidget(line);
    auto* prompt = new QLabel("Enter Label Name (Alias) For Cataloging Purposes Only:", this);
    layout->addWidget(prompt);
    entry_ = new QLineEdit(Q(form.AliasLine()), this);
    entry_->setObjectName("AliasLine");
    entry_->setMaxLength(kVolumeLabelMax);
    prompt->setBuddy(entry_);
    layout->addWidget(entry_);
    connect(entry_, &QLineEdit::textEdited, this, [this](const QString& text) {
      alias_.SetAlias(S(text));
      ShowNormalised(*entry_, Q(alias_.AliasLine()));
    });
    auto* note = new QLabel(kNote, this);
    note->setObjectName("NoteLabel");
    note->setWordWrap(true);
    note->setMinimumWidth(400);
    layout->addWidget(note);

    auto* ok = NamedButton(this, "OK", "OKBtn");
    ok->setDefault(true);
    auto* cancel = NamedButton(this, "Cancel", "CancelBtn");
    layout->addLayout(ButtonRow({ok, cancel}));
    connect(ok, &QPushButton::clicked, this, [this] {
      Handle([this] { alias_.OkClick(); });
      if (alias_.focus_entry) entry_->setFocus();
    });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { alias_.CancelClick(); }); });
    entry_->setFocus();
    entry_->selectAll();
  }

 private:
  TDiskAliasForm& alias_;
  QLineEdit* entry_ = nullptr;
};

}  // namespace

Button ShowDiskAliasView(TDiskAliasForm& form, const ViewContext& ctx) {
  DiskAliasView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
