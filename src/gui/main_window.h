#pragma once
// The main window: the menu bar from the command table, the "Main Options" column of group
// buttons, the sub-options area with the active group's panel of command buttons, the
// status strip and the notice strip. Everything it does goes through TMainForm.
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <array>
#include <map>
#include <string>

#include "app/main_form.h"
#include "gui/paint_helpers.h"
#include "gui/qt_ui.h"

namespace tembrel::gui {

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `ui`, when given, shows its boxes and dialogs over this window.
  explicit MainWindow(TMainForm& form, QtUi* ui = nullptr);
  ~MainWindow() override;

  // Places the window where it was last time (or centred) and shows it.
  void ShowRemembered();
  // Copies the window's place, size and state into the form's remembered values.
  void StorePlacement();

  QAction* Action(std::string_view command) const;
  // 1..5 the group buttons, 6 "Exit Program".
  QPushButton* GroupButton(int index) const;
  QWidget* CurrentFrame() const { return frame_; }
  QLabel* SubOptHeader() const { return sub_opt_header_; }

 signals:
  void Closed();

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void BuildMenus();
  void BuildBody();
  QWidget* BuildStatusPanel(const char* header_name, const char* header, const char* value_name, GradientPanel*& panel,
                            QLabel*& header_label, QLabel*& value_label);
  void OnChange(TMainForm::Change change);
  void SyncGroupButtons();
  void ShowFrame();
  void ApplyAppearance();
  void ApplyCaption();
  void ShowStatPanels();
  void LayoutMainOptions();
  void LayoutFrame();

  TMainForm& form_;
  QtUi* ui_;
  std::map<std::string, QAction*, std::less<>> actions_;
  GradientPanel* main_opt_ = nullptr;
  QLabel* main_opt_header_ = nullptr;
  std::array<QPushButton*, 6> group_buttons_{};
  GradientPanel* sub_opt_ = nullptr;
  QLabel* sub_opt_header_ = nullptr;
  QWidget* frame_holder_ = nullptr;
  QPointer<GradientPanel> frame_;
  std::vector<QPushButton*> frame_buttons_;
  GradientPanel* ac_panel_ = nullptr;
  GradientPanel* dc_panel_ = nullptr;
  GradientPanel* fc_panel_ = nullptr;
  QLabel* ac_header_ = nullptr;
  QLabel* dc_header_ = nullptr;
  QLabel* fc_header_ = nullptr;
  QLabel* active_catalog_name_ = nullptr;
  QLabel* disks_in_catalog_ = nullptr;
  QLabel* files_in_catalog_ = nullptr;
  QLabel* notice_ = nullptr;
  QLabel* ddirname_ = nullptr;
};

}  // namespace tembrel::gui
