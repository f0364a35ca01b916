#pragma once
// The splash window shown while the program starts, and the picture it shares with the
// About window.
#include <QPixmap>
#include <QWidget>

namespace tembrel::gui {

// The program's picture: a disk stack and the program's name, painted at `size`.
QPixmap ProgramPicture(QSize size);

class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  SplashWindow();
};

}  // namespace tembrel::gui
