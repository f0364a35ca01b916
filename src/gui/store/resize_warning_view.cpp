#include "gui/store/resize_warning_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/app/help_view.h"
#include "gui/shared/view_helpers.h"

namespace tembrel::gui {
namespace {

constexpr const char* kAbove =
    "Some of the names about to be written are longer than this catalog's fields can hold. The table below "
    "shows the lengths your catalog allows and the longest names to be cataloged.";
constexpr const char* kBelow =
    "\"Adjust Settings\" widens the fields that are too short so that everything fits; this makes the catalog "
    "file larger and may take a while on a large catalog. Cancel stops the operation without changing the "
    "catalog.";

int Item(const FieldWidths& w, int i) { return i == 0 ? w.file_name : i == 1 ? w.folder_name : w.archive_id; }

class ResizeWarningView : public ModalView {
 public:
  ResizeWarningView(TResizeWarningForm& form, const ViewContext& ctx) : ModalView(form, ctx, false), warning_(form) {
    setWindowTitle("Catalog Item Size Re-Adjustment(s) Required");
    auto* layout = new QVBoxLayout(this);
    auto* above = new QLabel(kAbove, this);
    above->setWordWrap(true);
    above->setMinimumWidth(440);
    layout->addWidget(above);

    auto* table = new QGridLayout;
    table->setHorizontalSpacing(18);
    table->addWidget(new QLabel("<b>Your Catalog</b>", this), 0, 1, Qt::AlignRight);
    table->addWidget(new QLabel("<b>To Be Cataloged</b>", this), 0, 2, Qt::AlignRight);
    table->addWidget(new QLabel("Longest", this), 1, 2, Qt::AlignRight);
    static const char* const kItems[] = {"Filename", "Folder Name", "Archive ID"};
    static const char* const kNames[] = {"FileName", "FolderName", "ArchiveID"};
    for (int i = 0; i < 3; ++i) {
      table->addWidget(new QLabel(kItems[i], this), i + 2, 0);
      auto* current = Panel(this, (std::string(kNames[i]) + "Current").c_str(), Qt::AlignRight | Qt::AlignVCenter);
      current->setText(QString::number(Item(form.current, i)));
      auto* longest = Panel(this, (std::string(kNames[i]) + "Longest").c_str(), Qt::AlignRight | Qt::AlignVCenter);
      longest->setText(QString::number(Item(form.longest, i)));
      // The items that do not fit are the ones the user has to look at.
      if (Item(form.longest, i) > Item(form.current, i)) {
        QFont bold = longest->font();
        bold.setBold(true);
        longest->setFont(bold);
      }
      table->addWidget(current, i + 2, 1);
      table->addWidget(longest, i + 2, 2);
    }
    auto* centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(table);
    centred->addStretch();
    layout->addLayout(centred);

    auto* below = new QLabel(kBelow, this);
    below->setWordWrap(true);
    layout->addWidget(below);

    auto* adjust = NamedButton(this, "&Adjust Settings", "AdjustSettingsBtn");
    adjust->setDefault(true);
    auto* cancel = NamedButton(this, "Cancel", "CancelBtn");
    auto* help = NamedButton(this, "Help", "HelpBtn");
    layout->addLayout(ButtonRow({adjust, cancel, help}));
    connect(adjust, &QPushButton::clicked, this, [this] { Handle([this] { warning_.AdjustSettingsClick(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { warning_.CancelClick(); }); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(ctx_, "catalogs"); });
  }

 private:
  TResizeWarningForm& warning_;
};

}  // namespace

Button ShowResizeWarningView(TResizeWarningForm& form, const ViewContext& ctx) {
  ResizeWarningView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
