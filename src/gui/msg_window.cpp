#include "gui/msg_window.h"

#include <QCoreApplication>
#include <QVBoxLayout>

#include "gui/paint_helpers.h"

namespace tembrel::gui {

MsgWindow::MsgWindow()
    : window_(std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint)) {
  window_->setObjectName("TMsg");
  window_->setFixedSize(506, 67);
  auto* layout = new QVBoxLayout(window_.get());
  layout->setContentsMargins(0, 0, 0, 0);
  msg_text_ = new QLabel(window_.get());
  msg_text_->setObjectName("MsgText");
  msg_text_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  msg_text_->setLineWidth(2);
  msg_text_->setAlignment(Qt::AlignCenter);
  msg_text_->setAutoFillBackground(true);
  QFont f = msg_text_->font();
  f.setBold(true);
  f.setPixelSize(15);
  msg_text_->setFont(f);
  layout->addWidget(msg_text_);
}

MsgWindow::~MsgWindow() = default;

void MsgWindow::ShowMsg(std::string_view text) {
  msg_text_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  if (!window_->isVisible()) {
    CentreOver(*window_, nullptr);
    window_->show();
  }
  // Paint now: the caller goes on working without returning to the event loop.
  QCoreApplication::processEvents();
  shown_ = true;
}

void MsgWindow::RemoveMsg() {
  window_->hide();
  shown_ = false;
}

std::string MsgWindow::Text() const { return msg_text_->text().toStdString(); }

}  // namespace tembrel::gui
