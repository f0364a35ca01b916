#include "gui/app/include_exclude_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>


namespace tembrel::gui {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

class IncludeExcludeView : public ModalView {
 public:
  IncludeExcludeView(TIncludeExcludeForm& form, const ViewContext& ctx) : ModalView(form, ctx, false), specs_(form) {
    setWindowTitle(Q(TIncludeExcludeForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* lists = new QHBoxLayout;
    lists->addWidget(List(TIncludeExcludeForm::kIncludeHeader, "IncludeSpec", true));
    lists->addWidget(List(TIncludeExcludeForm::kExcludeHeader, "ExcludeSpec", false));
    layout->addLayout(lists);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* save = new QPushButton("&Save", this);
    save->setObjectName("SaveBtn");
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelBtn");
    auto* help = new QPushButton("Help", this);
    help->setObjectName("HelpBtn");
    for (auto* b : {save, cancel, help}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, [this] {
      Commit();
      Handle([this] { specs_.SaveBtnClick(); });
    });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { specs_.CancelBtnClick(); }); });
    SetHelpTopic("include-exclude");
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(); });
  }

 protected:
  // The close box or Escape: whatever was typed stays in effect, unwritten.
  void reject() override {
    Commit();
    ModalView::reject();
  }

 private:
  QGroupBox* List(std::string_view header, const QString& name, bool include) {
    auto* box = new QGroupBox(Q(header), this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 20; ++i) {
      auto* number = new QLabel(QString::number(i + 1), box);
      number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      auto* edit = new QLineEdit(Q(include ? specs_.IncludeSpec(i) : specs_.ExcludeSpec(i)), box);
      edit->setObjectName(QString("%1%2").arg(name).arg(i + 1, 2, 10, QLatin1Char('0')));
      edit->setMaxLength(static_cast<int>(TIncludeExcludeForm::kSpecWidth));
      edit->setMinimumWidth(230);
      grid->addWidget(number, i, 0);
      grid->addWidget(edit, i, 1);
      (include ? include_ : exclude_).push_back(edit);
      // Entries are stored trimmed, so show them trimmed once the person leaves them.
      connect(edit, &QLineEdit::editingFinished, this, [this, edit, include, i] {
        if (include)
          specs_.SetIncludeSpec(i, edit->text().toStdString());
        else
          specs_.SetExcludeSpec(i, edit->text().toStdString());
        edit->setText(Q(include ? specs_.IncludeSpec(i) : specs_.ExcludeSpec(i)));
      });
    }
    return box;
  }

  // Takes every entry into the shared copies (an entry still being typed included).
  void Commit() {
    for (int i = 0; i < 20; ++i) {
      specs_.SetIncludeSpec(i, include_[i]->text().toStdString());
      specs_.SetExcludeSpec(i, exclude_[i]->text().toStdString());
    }
  }

  TIncludeExcludeForm& specs_;
  std::vector<QLineEdit*> include_;
  std::vector<QLineEdit*> exclude_;
};

}  // namespace

Button ShowIncludeExcludeView(TIncludeExcludeForm& form, const ViewContext& ctx) {
  IncludeExcludeView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
