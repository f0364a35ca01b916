#include "gui/main_window.h"

#include "app/help_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace tembrel::gui {
namespace {

constexpr int kMainOptWidth = 150;
constexpr int kHeaderHeight = 26;

QString Q(const std::string& s) { return QString::fromStdString(s); }

void SetTextColour(QWidget& w, const QColor& c) {
  QPalette p = w.palette();
  p.setColor(QPalette::WindowText, c);
  w.setPalette(p);
}

}  // namespace

MainWindow::MainWindow(TMainForm& form, QtUi* ui) : form_(form), ui_(ui) {
  setObjectName("TMainForm");
  BuildMenus();
  BuildBody();
  ApplyCaption();
  ApplyAppearance();
  SyncGroupButtons();
  ShowFrame();
  ShowStatPanels();
  form_.SetListener([this](TMainForm::Change c) { OnChange(c); });
  form_.SetTerminate([this] { close(); });
  if (ui_) {
    ui_->SetMainWindow(this);
    // F1: the help page, without the panel switch of the Help menu's commands.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] {
      THelpForm help(HelpMode::Contents);
      if (ui_->HasView(help.ClassName())) ui_->ShowModal(help);
    });
  }
}

MainWindow::~MainWindow() {
  form_.SetListener({});
  form_.SetTerminate({});
}

void MainWindow::BuildMenus() {
  auto add_command = [this](QMenu* menu, const std::string& name) {
    const CommandDef* def = FindCommand(name);
    if (!def) return;
    auto* action = menu->addAction(Q(def->caption));
    action->setObjectName(Q(def->name));
    if (!def->shortcut.empty()) action->setShortcut(QKeySequence(Q(def->shortcut)));
    connect(action, &QAction::triggered, this, [this, name] { form_.RunCommand(name); });
    actions_.emplace(name, action);
  };
  for (const auto& menu_def : MenuBar()) {
    QMenu* menu = menuBar()->addMenu(Q(menu_def.caption));
    for (const auto& entry : menu_def.entries) {
      switch (entry.kind) {
        case MenuEntry::Kind::Command: add_command(menu, entry.text); break;
        case MenuEntry::Kind::Separator: menu->addSeparator(); break;
        case MenuEntry::Kind::Submenu: {
          QMenu* sub = menu->addMenu(Q(entry.text));
          for (const auto& c : entry.commands) add_command(sub, c);
          break;
        }
      }
    }
  }
}

QWidget* MainWindow::BuildStatusPanel(const char* header_name, const char* header, const char* value_name,
                                      GradientPanel*& panel, QLabel*& header_label, QLabel*& value_label) {
  panel = new GradientPanel;
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(8, 3, 8, 3);
  layout->setSpacing(0);
  header_label = new QLabel(header, panel);
  header_label->setObjectName(header_name);
  header_label->setAlignment(Qt::AlignCenter);
  value_label = new QLabel(panel);
  value_label->setObjectName(value_name);
  value_label->setAlignment(Qt::AlignCenter);
  value_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(header_label);
  layout->addWidget(value_label);
  auto* frame = new QFrame;
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* outer = new QVBoxLayout(frame);
  outer->setContentsMargins(1, 1, 1, 1);
  outer->addWidget(panel);
  return frame;
}

void MainWindow::BuildBody() {
  auto* central = new QWidget;
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  auto* body = new QWidget;
  auto* row = new QHBoxLayout(body);
  row->setContentsMargins(4, 4, 4, 4);
  row->setSpacing(4);

  main_opt_ = new GradientPanel;
  main_opt_->setObjectName("MainOptPanel");
  main_opt_->setFixedWidth(kMainOptWidth);
  main_opt_->installEventFilter(this);
  main_opt_header_ = new QLabel("Main Options", main_opt_);
  main_opt_header_->setObjectName("MainOptHeaderPanel");
  main_opt_header_->setAlignment(Qt::AlignCenter);
  QFont header_font = main_opt_header_->font();
  header_font.setBold(true);
  header_font.setPixelSize(15);
  main_opt_header_->setFont(header_font);
  SetTextColour(*main_opt_header_, Qt::white);
  const char* names[6] = {"CatalogingBtn", "ReportsBtn", "ToolsBtn", "SettingsBtn", "HelpBtn", "CloseBtn"};
  for (int i = 0; i < 6; ++i) {
    const QString caption = i < 5 ? Q(GroupButtonCaption(i + 1)) : QString("Exit Program");
    auto* b = new QPushButton(caption, main_opt_);
    b->setObjectName(names[i]);
    b->setCheckable(true);
    b->setFocusPolicy(Qt::TabFocus);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    group_buttons_[i] = b;
    if (i < 5)
      connect(b, &QPushButton::clicked, this, [this, i] { form_.GroupBtnClick(i + 1); });
    else
      connect(b, &QPushButton::clicked, this, [this] { form_.CloseBtnClick(); });
  }
  row->addWidget(main_opt_);

  sub_opt_ = new GradientPanel;
  sub_opt_->setObjectName("SubOptPanel");
  auto* sub_layout = new QVBoxLayout(sub_opt_);
  sub_layout->setContentsMargins(0, 0, 0, 0);
  sub_layout->setSpacing(0);
  sub_opt_header_ = new QLabel(sub_opt_);
  sub_opt_header_->setObjectName("SubOptHeaderPanel");
  sub_opt_header_->setAlignment(Qt::AlignCenter);
  sub_opt_header_->setFixedHeight(kHeaderHeight + 4);
  sub_opt_header_->setFont(header_font);
  SetTextColour(*sub_opt_header_, Qt::white);
  sub_layout->addWidget(sub_opt_header_);
  frame_holder_ = new QWidget(sub_opt_);
  frame_holder_->installEventFilter(this);
  sub_layout->addWidget(frame_holder_, 1);
  row->addWidget(sub_opt_, 1);
  column->addWidget(body, 1);

  auto* status = new QWidget;
  status->setObjectName("StatusPanel");
  auto* status_row = new QHBoxLayout(status);
  status_row->setContentsMargins(4, 0, 4, 2);
  status_row->setSpacing(4);
  status_row->addWidget(BuildStatusPanel("ACHeader", "Active Catalog", "ActiveCatalogName", ac_panel_, ac_header_,
                                         active_catalog_name_), 1);
  status_row->addWidget(BuildStatusPanel("DCHeader", "Disks Cataloged", "DisksInCatalog", dc_panel_, dc_header_,
                                         disks_in_catalog_), 1);
  status_row->addWidget(BuildStatusPanel("FCHeader", "Files Cataloged", "FilesInCatalog", fc_panel_, fc_header_,
                                         files_in_catalog_), 1);
  column->addWidget(status);

  auto* notice_strip = new QFrame;
  notice_strip->setObjectName("NoticePanel");
  notice_strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* notice_row = new QHBoxLayout(notice_strip);
  notice_row->setContentsMargins(6, 1, 6, 1);
  notice_ = new QLabel(notice_strip);
  notice_->setObjectName("NoticeText");
  ddirname_ = new QLabel(notice_strip);
  ddirname_->setObjectName("DDirname");
  ddirname_->setVisible(false);
  notice_row->addWidget(notice_, 1);
  notice_row->addWidget(ddirname_);
  column->addWidget(notice_strip);

  setCentralWidget(central);
}

QAction* MainWindow::Action(std::string_view command) const {
  auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

QPushButton* MainWindow::GroupButton(int index) const {
  return index >= 1 && index <= 6 ? group_buttons_[index - 1] : nullptr;
}

void MainWindow::OnChange(TMainForm::Change change) {
  switch (change) {
    case TMainForm::Change::Caption: ApplyCaption(); break;
    case TMainForm::Change::Panel:
      SyncGroupButtons();
      ShowFrame();
      break;
    case TMainForm::Change::StatPanels: ShowStatPanels(); break;
    case TMainForm::Change::Appearance: ApplyAppearance(); break;
  }
}

void MainWindow::ApplyCaption() {
  setWindowTitle(Q(form_.Caption()));
  if (QAction* about = Action("About1")) about->setText(Q(form_.AboutCaptionText()));
  notice_->setText(Q(form_.NoticeText()));
  setMinimumSize(form_.MinimumWidth(), form_.MinimumHeight());
}

void MainWindow::SyncGroupButtons() {
  for (int i = 0; i < 6; ++i) group_buttons_[i]->setChecked(i < 5 && form_.DownButton() == i + 1);
  sub_opt_header_->setText(Q(form_.SubOptHeaderText()));
}

void MainWindow::ShowFrame() {
  const PanelDef* def = PanelOf(form_.CurrentPanel());
  if (frame_ && def && frame_->objectName() == Q(def->class_name)) return;
  if (frame_) {
    // The click that switches panels may come from a button of the old panel.
    frame_->hide();
    frame_->deleteLater();
    frame_ = nullptr;
  }
  frame_buttons_.clear();
  if (!def) return;
  frame_ = new GradientPanel(frame_holder_);
  frame_->setObjectName(Q(def->class_name));
  frame_->SetGradient(form_.Appearance().sub_opt);
  frame_->installEventFilter(this);
  for (const auto& button : def->buttons) {
    auto* b = new WrapButton(Q(button.caption), frame_);
    b->setObjectName(button.command == "About1" ? QString("AboutBtn") : Q(button.command.empty() ? button.caption : button.command) + "Btn");
    if (button.command == "About1") b->setText(Q(form_.AboutCaptionText()));
    if (button.popup.empty()) {
      const std::string command = button.command;
      connect(b, &QPushButton::clicked, this, [this, command] { form_.RunCommand(command); });
    } else {
      auto* menu = new QMenu(b);
      for (const auto& item : button.popup) {
        const std::string command = item.command;
        QAction* a = menu->addAction(Q(item.caption));
        a->setObjectName(Q(command));
        connect(a, &QAction::triggered, this, [this, command] { form_.RunCommand(command); });
      }
      connect(b, &QPushButton::clicked, this, [b, menu] { menu->popup(b->mapToGlobal(QPoint(0, b->height()))); });
    }
    frame_buttons_.push_back(b);
  }
  frame_->setGeometry(frame_holder_->rect());
  LayoutFrame();
  frame_->show();
}

void MainWindow::ShowStatPanels() {
  active_catalog_name_->setText(Q(form_.ActiveCatalogNameText()));
  disks_in_catalog_->setText(Q(form_.DisksInCatalogText()));
  files_in_catalog_->setText(Q(form_.FilesInCatalogText()));
  ddirname_->setText(Q(form_.DDirname()));
}

void MainWindow::ApplyAppearance() {
  const MainWindowAppearance& a = form_.Appearance();
  main_opt_->SetGradient(a.main_opt);
  sub_opt_->SetGradient(a.sub_opt);
  if (frame_) frame_->SetGradient(a.sub_opt);
  ac_panel_->SetGradient(a.ac);
  dc_panel_->SetGradient(a.dc);
  fc_panel_->SetGradient(a.fc);
  ApplyFont(*ac_header_, a.ac_header);
  ApplyFont(*active_catalog_name_, a.active_catalog_name);
  ApplyFont(*dc_header_, a.dc_header);
  ApplyFont(*disks_in_catalog_, a.disks_in_catalog);
  ApplyFont(*fc_header_, a.fc_header);
  ApplyFont(*files_in_catalog_, a.files_in_catalog);
  main_opt_->setVisible(a.main_opt_visible);
  sub_opt_->setVisible(a.sub_opt_visible);
}

void MainWindow::LayoutMainOptions() {
  main_opt_header_->setGeometry(4, 6, main_opt_->width() - 8, kHeaderHeight);
  const auto rects = MainOptButtonLayout(main_opt_->height(), main_opt_->width());
  for (int i = 0; i < 6; ++i)
    group_buttons_[i]->setGeometry(rects[i].left, rects[i].top, rects[i].width, rects[i].height);
}

void MainWindow::LayoutFrame() {
  if (!frame_) return;
  const int column_height = main_opt_->isVisible() ? main_opt_->height() : frame_->height() + kHeaderHeight + 5;
  const auto rects = SubPanelButtonLayout(column_height, frame_->width(), static_cast<int>(frame_buttons_.size()));
  for (size_t i = 0; i < rects.size(); ++i)
    frame_buttons_[i]->setGeometry(rects[i].left, rects[i].top, rects[i].width, rects[i].height);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::Resize) {
    if (watched == main_opt_) {
      LayoutMainOptions();
      LayoutFrame();
    } else if (watched == frame_holder_ && frame_) {
      frame_->setGeometry(frame_holder_->rect());
    } else if (watched == frame_) {
      LayoutFrame();
    }
  }
  return QMainWindow::eventFilter(watched, e);
}

void MainWindow::ShowRemembered() {
  const WindowPlacement& p = form_.Placement();
  bool placed = false;
  if (p.known) {
    resize(std::max(p.width, form_.MinimumWidth()), std::max(p.height, form_.MinimumHeight()));
    const QPoint at(p.left, p.top);
    for (QScreen* s : QGuiApplication::screens())
      if (s->availableGeometry().contains(at + QPoint(20, 20))) placed = true;
    if (placed) move(at);
  } else {
    resize(760, 540);
  }
  if (!placed) CentreOver(*this, nullptr);
  if (p.known && p.maximized)
    showMaximized();
  else
    show();
}

void MainWindow::StorePlacement() {
  WindowPlacement& p = form_.Placement();
  const bool maximized = isMaximized();
  const QPoint at = maximized ? normalGeometry().topLeft() : pos();
  const QSize size = maximized ? normalGeometry().size() : this->size();
  p = {true, at.x(), at.y(), size.width(), size.height(), maximized};
}

void MainWindow::closeEvent(QCloseEvent* e) {
  // The close box ends the program without asking, like "Exit Program" with no reports open.
  StorePlacement();
  e->accept();
  emit Closed();
}

}  // namespace tembrel::gui
