#include "gui/catalog/bad_entry_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>

#include "gui/shared/view_helpers.h"

namespace tembrel::gui {
namespace {

using catalog::TCatalogProgressBadEntryForm;

constexpr const char* kIntro =
    "Tembrel has encountered file information on this disk that exceeds its present capacities in terms of the "
    "maximum length of the file name, folder name or archive id.  Presently, these limitations are:";
constexpr const char* kLimits = "FileName=200 characters; FolderName=200 characters; ArchiveID=90 characters";
constexpr const char* kOffending =
    "The offending directory entry is shown below - the items with edit boxes may be modified if you wish:";
constexpr const char* kChoices =
    "You Have Several Choices Available Here:\n"
    "1) Modify the items so they fit within the limitations and catalog using the modified information.  Note that\n"
    "this will not modify anything on the source disk - only the information contained in the catalog.\n"
    "2) Skip this item and continue on with the next.\n"
    "3) Skip this item and continue on with the next, automatically skipping any subsequent entries that\n"
    "exceed the limitations\n"
    "4) Abort this operation entirely.";

class BadEntryView : public ModalView {
 public:
  BadEntryView(TCatalogProgressBadEntryForm& form, const ViewContext& ctx) : ModalView(form, ctx, false), bad_(form) {
    setWindowTitle("File Record Exceeds Tembrel's Capacity");
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(kIntro, this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* limits = new QLabel(kLimits, this);
    limits->setAlignment(Qt::AlignCenter);
    QFont bold = limits->font();
    bold.setBold(true);
    limits->setFont(bold);
    layout->addWidget(limits);
    layout->addWidget(new QLabel(kOffending, this));

    auto* grid = new QGridLayout;
    static const char* const kCaptions[] = {"File Name:", "Folder Name:", "Archive ID:"};
    static const char* const kLabelNames[] = {"FileNameLabel", "FolderNameLabel", "ArchiveIDLabel"};
    static const char* const kEditNames[] = {"EditFileName", "EditFolderName", "EditArchiveID"};
    static const char* const kLengthNames[] = {"FileNameLength", "FolderNameLength", "ArchiveIDLength"};
    for (int i = 0; i < 3; ++i) {
      grid->addWidget(new QLabel(kCaptions[i], this), i, 0);
      if (!form.editable[i]) {
        auto* value = new QLabel(Q(form.values[i]), this);
        value->setObjectName(kLabelNames[i]);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        grid->addWidget(value, i, 1, 1, 2);
        continue;
      }
      auto* edit = new QLineEdit(Q(form.values[i]), this);
      edit->setObjectName(kEditNames[i]);
      edit->setCursorPosition(0);
      auto* length = new QLabel(Q(form.LengthText(i)), this);
      length->setObjectName(kLengthNames[i]);
      length->setMinimumWidth(48);
      grid->addWidget(edit, i, 1);
      grid->addWidget(length, i, 2);
      connect(edit, &QLineEdit::textChanged, this, [this, i, length](const QString& text) {
        bad_.values[i] = S(text);
        length->setText(Q(bad_.LengthText(i)));
        use_mod_->setEnabled(bad_.UseModEnabled());
      });
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto* choices = new QLabel(kChoices, this);
    choices->setObjectName("ChoicesLabel");
    layout->addWidget(choices);

    use_mod_ = NamedButton(this, "&Catalog Using Modified Information", "UseModBtn");
    use_mod_->setEnabled(form.UseModEnabled());
    auto* skip = NamedButton(this, "&Skip This One", "SkipBtn");
    auto* skip_all = NamedButton(this, "Skip All &Bad Ones", "SkipAllBtn");
    auto* abort = NamedButton(this, "&Abort", "AbortBtn");
    skip->setDefault(true);
    layout->addLayout(ButtonRow({use_mod_, skip, skip_all, abort}));
    connect(use_mod_, &QPushButton::clicked, this, [this] { Handle([this] { bad_.UseModClick(); }); });
    connect(skip, &QPushButton::clicked, this, [this] { Handle([this] { bad_.SkipClick(); }); });
    connect(skip_all, &QPushButton::clicked, this, [this] { Handle([this] { bad_.SkipAllClick(); }); });
    connect(abort, &QPushButton::clicked, this, [this] { Handle([this] { bad_.AbortClick(); }); });
    setMinimumWidth(720);
  }

 private:
  TCatalogProgressBadEntryForm& bad_;
  QPushButton* use_mod_ = nullptr;
};

}  // namespace

Button ShowBadEntryView(TCatalogProgressBadEntryForm& form, const ViewContext& ctx) {
  BadEntryView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
