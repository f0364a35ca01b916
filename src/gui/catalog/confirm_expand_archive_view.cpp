#include "gui/catalog/confirm_expand_archive_view.h"

#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>
#include <map>

#include "gui/shared/view_helpers.h"

namespace tembrel::gui {
namespace {

using catalog::TConfirmExpandArchiveForm;

class ConfirmExpandArchiveView : public ModalView {
 public:
  ConfirmExpandArchiveView(TConfirmExpandArchiveForm& form, const ViewContext& ctx)
      : ModalView(form, ctx, false), confirm_(form) {
    setWindowTitle(TConfirmExpandArchiveForm::kCaption);
    auto* layout = new QVBoxLayout(this);
    auto* path = new QLabel(Q(form.archive_path), this);
    path->setObjectName("ArchiveName");
    path->setAlignment(Qt::AlignCenter);
    path->setMinimumWidth(420);
    layout->addWidget(path);
    auto* yes = NamedButton(this, "&Yes", "YesBtn");
    auto* no = NamedButton(this, "&No", "NoBtn");
    auto* yes_all = NamedButton(this, "Yes To &All", "YesToAllBtn");
    auto* no_all = NamedButton(this, "N&o To All", "NoToAllBtn");
    auto* stop = NamedButton(this, "&Stop Cataloging", "StopBtn");
    yes->setDefault(true);
    layout->addLayout(ButtonRow({yes, no, yes_all, no_all, stop}));
    connect(yes, &QPushButton::clicked, this, [this] { Handle([this] { confirm_.YesClick(); }); });
    connect(no, &QPushButton::clicked, this, [this] { Handle([this] { confirm_.NoClick(); }); });
    connect(yes_all, &QPushButton::clicked, this, [this] { Handle([this] { confirm_.YesToAllClick(); }); });
    connect(no_all, &QPushButton::clicked, this, [this] { Handle([this] { confirm_.NoToAllClick(); }); });
    connect(stop, &QPushButton::clicked, this, [this] { Handle([this] { confirm_.StopClick(); }); });
  }

 private:
  TConfirmExpandArchiveForm& confirm_;
};

}  // namespace

Button ShowConfirmExpandArchiveView(TConfirmExpandArchiveForm& form, const ViewContext& ctx) {
  ConfirmExpandArchiveView view(form, ctx);
  return view.Run();
}

Button ShowQuestionView(TQuestionForm& form, const ViewContext& ctx) {
  QMessageBox box(QMessageBox::Question, "Tembrel", DisplayText(form.text), QMessageBox::NoButton, ctx.parent);
  std::map<QAbstractButton*, Button> buttons;
  for (Button b : form.buttons) {
    QMessageBox::StandardButton standard = b == Button::Yes        ? QMessageBox::Yes
                                           : b == Button::No       ? QMessageBox::No
                                           : b == Button::Cancel   ? QMessageBox::Cancel
                                           : b == Button::YesToAll ? QMessageBox::YesToAll
                                           : b == Button::NoToAll  ? QMessageBox::NoToAll
                                                                   : QMessageBox::Ok;
    buttons[box.addButton(standard)] = b;
  }
  box.exec();
  auto it = buttons.find(box.clickedButton());
  form.Click(it == buttons.end() ? Button::None : it->second);
  return form.ModalResult();
}

}  // namespace tembrel::gui
