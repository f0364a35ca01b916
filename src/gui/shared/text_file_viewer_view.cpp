#include "gui/shared/text_file_viewer_view.h"

#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

#include "gui/app/help_view.h"
#include "gui/shared/view_helpers.h"
#include "platform/text/cp1252.h"

namespace tembrel::gui {
namespace {

// Listings and samples from older systems are seldom UTF-8; those read as Windows-1252.
QString FileText(const std::string& bytes) {
  QString s = Q(text::DecodeFileName(bytes));
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

class TextFileViewerView : public ModalView {
 public:
  TextFileViewerView(TTextFileViewerForm& form, const ViewContext& ctx) : ModalView(form, ctx, true), viewer_(form) {
    setWindowTitle(Q(form.caption));
    setMinimumSize(400, 200);
    resize(640, 420);
    auto* layout = new QVBoxLayout(this);
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName("Memo1");
    QFont font("Courier New", 10, QFont::Bold);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    memo->setFont(font);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setReadOnly(true);
    // Read-only, yet with a caret the keys move, as a viewer of columns of text wants.
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setPlainText(FileText(form.text));
    layout->addWidget(memo, 1);

    auto* status = Panel(this, "StatusLine");
    status->setText(Q(form.StatusLine()));
    auto* close = NamedButton(this, "Close", "CloseBtn");
    close->setDefault(true);
    auto* help = NamedButton(this, "Help", "HelpBtn");
    auto* row = new QHBoxLayout;
    row->addWidget(status, 1);
    row->addWidget(close);
    row->addWidget(help);
    layout->addLayout(row);

    connect(memo, &QPlainTextEdit::cursorPositionChanged, this, [this, memo, status] {
      const QTextCursor c = memo->textCursor();
      viewer_.CaretMoved(c.blockNumber(), c.positionInBlock());
      status->setText(Q(viewer_.StatusLine()));
    });
    connect(close, &QPushButton::clicked, this, [this] { Handle([this] { viewer_.CloseClick(); }); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(ctx_, "contents"); });
    memo->setFocus();
  }

 private:
  TTextFileViewerForm& viewer_;
};

}  // namespace

Button ShowTextFileViewerView(TTextFileViewerForm& form, const ViewContext& ctx) {
  TextFileViewerView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
