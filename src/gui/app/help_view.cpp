#include "gui/app/help_view.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tembrel::gui {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

class HelpView : public ModalView {
 public:
  HelpView(THelpForm& form, const ViewContext& ctx) : ModalView(form, ctx, true), help_(form) {
    setWindowTitle(Q(THelpForm::kCaption));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(820, 560);
    auto* layout = new QVBoxLayout(this);
    auto* split = new QSplitter(this);
    auto* side = new QWidget(split);
    auto* side_layout = new QVBoxLayout(side);
    side_layout->setContentsMargins(0, 0, 0, 0);
    if (help_.IndexShown()) {
      side_layout->addWidget(new QLabel("&Type the first letters of the word you are looking for:", side));
      key_ = new QLineEdit(side);
      key_->setObjectName("IndexKey");
      side_layout->addWidget(key_);
      qobject_cast<QLabel*>(side_layout->itemAt(0)->widget())->setBuddy(key_);
      connect(key_, &QLineEdit::textChanged, this, [this](const QString& text) {
        help_.index_key = text.toStdString();
        FillList();
      });
    } else {
      side_layout->addWidget(new QLabel("Contents", side));
    }
    list_ = new QListWidget(side);
    list_->setObjectName(help_.IndexShown() ? "IndexList" : "ContentsList");
    side_layout->addWidget(list_, 1);
    browser_ = new QTextBrowser(split);
    browser_->setObjectName("HelpText");
    browser_->setOpenExternalLinks(false);
    split->addWidget(side);
    split->addWidget(browser_);
    split->setStretchFactor(1, 1);
    split->setSizes({220, 600});
    layout->addWidget(split, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { Handle([this] { help_.CloseBtnClick(); }); });
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { Open(item); });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { Open(item); });
    FillList();
    browser_->setSource(QUrl(QString(kHelpPageUrl) + "#" + Q(help_.Anchor())));
  }

  QTextBrowser* Browser() const { return browser_; }

 private:
  void FillList() {
    list_->clear();
    const std::vector<HelpTopic> topics = help_.IndexShown()
                                              ? help_.IndexMatches()
                                              : std::vector<HelpTopic>(THelpForm::Contents().begin(),
                                                                       THelpForm::Contents().end());
    for (const auto& t : topics) {
      auto* item = new QListWidgetItem(Q(t.keyword), list_);
      item->setData(Qt::UserRole, Q(t.anchor));
    }
    if (list_->count() > 0) list_->setCurrentRow(0);
  }

  void Open(QListWidgetItem* item) {
    if (!item) return;
    help_.ShowTopic(item->data(Qt::UserRole).toString().toStdString());
    browser_->scrollToAnchor(Q(help_.Anchor()));
  }

  THelpForm& help_;
  QLineEdit* key_ = nullptr;
  QListWidget* list_ = nullptr;
  QTextBrowser* browser_ = nullptr;
};

}  // namespace

Button ShowHelpView(THelpForm& form, const ViewContext& ctx) {
  HelpView view(form, ctx);
  return view.Run();
}

void ShowHelpTopic(const ViewContext& ctx, std::string_view anchor) {
  THelpForm help(HelpMode::Contents);
  help.ShowTopic(anchor);
  ctx.ui.ShowModal(help);
}

}  // namespace tembrel::gui
