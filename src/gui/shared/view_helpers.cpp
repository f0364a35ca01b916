#include "gui/shared/view_helpers.h"

#include <algorithm>

namespace tembrel::gui {

QPushButton* NamedButton(QWidget* parent, const QString& text, const char* name, const QString& hint) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  if (!hint.isEmpty()) b->setToolTip(hint);
  return b;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* b : buttons) row->addWidget(b);
  return row;
}

QLabel* Panel(QWidget* parent, const char* name, Qt::Alignment align) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  l->setAlignment(align);
  l->setMinimumWidth(60);
  return l;
}

void ShowNormalised(QLineEdit& edit, const QString& normalised) {
  if (edit.text() == normalised) return;
  const int at = edit.cursorPosition();
  edit.setText(normalised);
  edit.setCursorPosition(std::min(at, static_cast<int>(normalised.size())));
}

}  // namespace tembrel::gui
