#pragma once
// Small pieces the dialog views share: text conversion, named buttons with hints, a row of
// buttons, sunken read-only panels and entries that show what their form made of the typing.
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tembrel::gui {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string S(const QString& s) { return s.toStdString(); }

// A push button with an object name (what tests and the help look it up by) and its hint.
QPushButton* NamedButton(QWidget* parent, const QString& text, const char* name, const QString& hint = {});
// The buttons in one row, pushed to the right.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);
// A sunken panel for a figure the dialog shows but the user does not edit.
QLabel* Panel(QWidget* parent, const char* name, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// Puts the form's version of what was typed (upper-cased, cut) back into the entry, keeping
// the cursor where the user had it.
void ShowNormalised(QLineEdit& edit, const QString& normalised);

}  // namespace tembrel::gui
