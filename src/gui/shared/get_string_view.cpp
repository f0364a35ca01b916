#include "gui/shared/get_string_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/app/help_view.h"
#include "gui/paint_helpers.h"
#include "gui/shared/view_helpers.h"

namespace tembrel::gui {
namespace {

class GetStringView : public ModalView {
 public:
  GetStringView(TGetStringForm& form, const ViewContext& ctx) : ModalView(form, ctx, false), prompt_(form) {
    setWindowTitle(Q(form.caption));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(Q(form.prompt), this);
    label->setObjectName("Prompt");
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* entry = new QLineEdit(Q(form.ResultString()), this);
    entry->setObjectName("ResultString");
    entry->setMinimumWidth(320);
    if (form.max_length > 0) entry->setMaxLength(static_cast<int>(form.max_length));
    label->setBuddy(entry);
    layout->addWidget(entry);
    connect(entry, &QLineEdit::textEdited, this, [this, entry](const QString& text) {
      prompt_.SetResultString(S(text));
      ShowNormalised(*entry, Q(prompt_.ResultString()));
    });

    auto* ok = NamedButton(this, "OK", "OKBtn");
    ok->setDefault(true);
    auto* cancel = NamedButton(this, "Cancel", "CancelBtn");
    auto* help = NamedButton(this, "Help", "HelpBtn");
    layout->addLayout(ButtonRow({ok, cancel, help}));
    connect(ok, &QPushButton::clicked, this, [this] { Handle([this] { prompt_.OkClick(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { prompt_.CancelClick(); }); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(ctx_, "contents"); });
    entry->setFocus();
  }

  // Centred on the screen every time rather than where it was last.
  Button RunCentred() {
    adjustSize();
    CentreOver(*this, nullptr);
    exec();
    prompt_.FormClose();
    return prompt_.ModalResult() == Button::None ? Button::Cancel : prompt_.ModalResult();
  }

 private:
  TGetStringForm& prompt_;
};

}  // namespace

Button ShowGetStringView(TGetStringForm& form, const ViewContext& ctx) {
  GetStringView view(form, ctx);
  return view.RunCentred();
}

}  // namespace tembrel::gui
