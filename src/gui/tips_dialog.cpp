#include "gui/tips_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tembrel::gui {

TipsDialog::TipsDialog(TTipsForm& form, const ViewContext& ctx) : ModalView(form, ctx, false), tips_(form) {
  setWindowTitle(QString::fromStdString(form.Title()));
  OpenOverParent();  // the tips sit over the main window
  auto* layout = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  auto* bulb = new QLabel(this);
  bulb->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
  bulb->setAlignment(Qt::AlignTop);
  body->addWidget(bulb);
  auto* text = new QVBoxLayout;
  auto* header = new QLabel(QString::fromUtf8(TTipsForm::kHeader.data(), TTipsForm::kHeader.size()), this);
  header->setObjectName("Header");
  QFont hf = header->font();
  hf.setPixelSize(20);
  hf.setBold(true);
  header->setFont(hf);
  text->addWidget(header);
  tip_ = new QLabel(this);
  tip_->setObjectName("TipText");
  tip_->setWordWrap(true);
  tip_->setMinimumSize(380, 110);
  tip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  tip_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  tip_->setMargin(8);
  tip_->setAutoFillBackground(true);
  tip_->setBackgroundRole(QPalette::Base);
  text->addWidget(tip_, 1);
  number_ = new QLabel(this);
  number_->setAlignment(Qt::AlignRight);
  text->addWidget(number_);
  body->addLayout(text, 1);
  layout->addLayout(body, 1);

  auto* buttons = new QHBoxLayout;
  show_at_start_ =
      new QCheckBox(QString::fromUtf8(TTipsForm::kShowAtStartCaption.data(), TTipsForm::kShowAtStartCaption.size()), this);
  show_at_start_->setObjectName("ShowAtStart");
  show_at_start_->setChecked(form.show_at_start);
  connect(show_at_start_, &QCheckBox::toggled, this, [this](bool on) { tips_.show_at_start = on; });
  buttons->addWidget(show_at_start_);
  buttons->addStretch();
  auto* previous = new QPushButton("&Previous Tip", this);
  previous->setObjectName("PreviousBtn");
  auto* next = new QPushButton("&Next Tip", this);
  next->setObjectName("NextBtn");
  auto* close = new QPushButton("&Close", this);
  close->setObjectName("CloseBtn");
  close->setDefault(true);
  buttons->addWidget(previous);
  buttons->addWidget(next);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(previous, &QPushButton::clicked, this, [this] {
    Handle([this] { tips_.PreviousBtnClick(); });
    ShowTip();
  });
  connect(next, &QPushButton::clicked, this, [this] {
    Handle([this] { tips_.NextBtnClick(); });
    ShowTip();
  });
  connect(close, &QPushButton::clicked, this, [this] { Handle([this] { tips_.CloseBtnClick(); }); });
  ShowTip();
}

void TipsDialog::ShowTip() {
  const auto tip = tips_.CurrentTip();
  tip_->setText(QString::fromUtf8(tip.data(), static_cast<qsizetype>(tip.size())));
  number_->setText(QString("Tip %1 of %2").arg(tips_.Index() + 1).arg(TTipsForm::Tips().size()));
}

Button ShowTipsDialog(TTipsForm& form, const ViewContext& ctx) {
  TipsDialog dialog(form, ctx);
  return dialog.Run();
}

}  // namespace tembrel::gui
