#include "gui/store/catalog_fsize_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <array>

#include "gui/app/help_view.h"
#include "gui/shared/view_helpers.h"

namespace tembrel::gui {
namespace {

constexpr const char* kExplanation =
    "The lengths cannot be set below the longest name this catalog already holds, shown as the lower limit. "
    "Larger lengths make larger catalog files. \"Use Minimums\" sets each length to the smallest that holds "
    "what the catalog has now.";

int Item(const FieldWidths& w, int i) { return i == 0 ? w.file_name : i == 1 ? w.folder_name : w.archive_id; }

class CatalogFSizeView : public ModalView {
 public:
  CatalogFSizeView(TCatalogFSizeForm& form, const ViewContext& ctx) : ModalView(form, ctx, false), sizes_(form) {
    setWindowTitle("Adjust Sizes");
    auto* layout = new QVBoxLayout(this);
    auto* header = new QLabel(Q(form.header), this);
    header->setObjectName("Header");
    layout->addWidget(header);
    auto* grid = new QGridLayout;
    static const char* const kNames[] = {"FileNameLength", "FolderNameLength", "ArchiveIDLength"};
    for (int i = 0; i < 3; ++i) {
      auto* label = new QLabel(Q(form.labels[i]), this);
      auto* spin = new QSpinBox(this);
      spin->setObjectName(kNames[i]);
      // What the catalog already holds is the floor: nothing below it can be entered.
      spin->setRange(Item(form.minimums, i), Item(TCatalogFSizeForm::kUpper, i));
      spin->setValue(Item(form.entries, i));
      label->setBuddy(spin);
      auto* range = new QLabel(Q(form.range_labels[i]), this);
      range->setObjectName(QString(kNames[i]).replace("Length", "Range"));
      grid->addWidget(label, i, 0);
      grid->addWidget(spin, i, 1);
      grid->addWidget(range, i, 2);
      connect(spin, &QSpinBox::valueChanged, this, [this, i, spin](int v) {
        if (!sizes_.SetEntry(i, v)) spin->setValue(Item(sizes_.entries, i));
      });
      spins_[i] = spin;
    }
    layout->addLayout(grid);
    auto* note = new QLabel(kExplanation, this);
    note->setObjectName("Explanation");
    note->setWordWrap(true);
    note->setMinimumWidth(420);
    layout->addWidget(note);

    auto* adjust = NamedButton(this, "&Adjust", "AdjustBtn");
    adjust->setDefault(true);
    auto* minimums = NamedButton(this, "&Use Minimums", "UseMinimumsBtn");
    auto* cancel = NamedButton(this, "Cancel", "CancelBtn");
    auto* help = NamedButton(this, "Help", "HelpBtn");
    layout->addLayout(ButtonRow({adjust, minimums, cancel, help}));
    connect(adjust, &QPushButton::clicked, this, [this] { Handle([this] { sizes_.AdjustClick(); }); });
    connect(minimums, &QPushButton::clicked, this, [this] {
      sizes_.UseMinimumsClick();
      for (int i = 0; i < 3; ++i) spins_[i]->setValue(Item(sizes_.entries, i));
    });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { sizes_.CancelClick(); }); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(ctx_, "catalogs"); });
  }

 private:
  TCatalogFSizeForm& sizes_;
  std::array<QSpinBox*, 3> spins_{};
};

}  // namespace

Button ShowCatalogFSizeView(TCatalogFSizeForm& form, const ViewContext& ctx) {
  CatalogFSizeView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
