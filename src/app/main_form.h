#pragma once
// The main window's logic: start-up, the remembered values, the status strip, the group
// buttons and sub-option panels, the command guard and the command registry.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "app/appearance.h"
#include "app/catalog_folder_form.h"
#include "app/command_table.h"
#include "app/version.h"

namespace tembrel {

inline constexpr std::string_view kMainFormGroup = "TMainForm";

inline constexpr std::string_view kCatalogRequiredText =
    "A Catalog Must Be Selected Before This Operation Can Take Place.\r\n\r\n"
    "You May Select A Catalog By Using The \"Select/Create/Configure Catalog\"\r\n"
    "Feature Found In The \"Settings\" Menu.";
inline constexpr std::string_view kCloseReportsText = "Please Close All Open Reports First";
inline constexpr std::string_view kNotAvailableText = "This Feature Is Not Available Yet";
inline constexpr std::string_view kExitWithReportsText =
    "You Have Reports Open - Are You Sure You Want To Close This Program?";

// The error shown at start-up when the remembered data folder has gone.
std::string MissingDataFolderText(std::string_view folder);

struct ButtonRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ButtonRect&) const = default;
};

// The five group buttons and "Exit Program" of the main-options column, top to bottom, for a
// column of the given client height and width.
std::array<ButtonRect, 6> MainOptButtonLayout(int column_height, int column_width);
// The buttons of a sub-option panel in two columns, filled row by row, for the main-options
// column height and the panel's client width.
std::vector<ButtonRect> SubPanelButtonLayout(int column_height, int client_width, int button_count);

// Where the main window was and whether it was maximised.
struct WindowPlacement {
  bool known = false;  // false: never stored, let the window system place it
  int left = 0, top = 0, width = 0, height = 0;
  bool maximized = false;
};

class TMainForm : public Form {
 public:
  using Handler = std::function<void()>;
  // What the view has to repaint.
  enum class Change { Caption, Panel, StatPanels, Appearance };

  // Loads the remembered values of group "TMainForm".
  TMainForm(SharedState& state, Settings& settings, Ui& ui, const Clock& clock);
  ~TMainForm() override;
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  std::string_view ClassName() const override { return kMainFormGroup; }

  // Seams: where ProgramFolder comes from (ResolveProgramFolder by default), who repaints,
  // and what ends the program.
  void SetProgramFolderResolver(std::function<std::string()> resolve) { resolve_program_folder_ = std::move(resolve); }
  void SetListener(std::function<void(Change)> listener) { listener_ = std::move(listener); }
  void SetTerminate(std::function<void()> terminate) { terminate_ = std::move(terminate); }
  // The lettered drives the data folder dialog offers.
  void SetDriveLister(std::function<std::vector<DriveChoice>()> list) { list_drives_ = std::move(list); }

  // Writes the remembered values back (the program's end).
  void SaveSettings();

  // The start-up sequence, run when the window is first shown.
  void FormShow();

  // --- the status strip
  void SetStatPanels();
  const std::string& ActiveCatalogNameText() const { return active_catalog_name_; }
  const std::string& DisksInCatalogText() const { return disks_in_catalog_; }
  const std::string& FilesInCatalogText() const { return files_in_catalog_; }

  // --- group buttons and sub-option panels
  void ActivateFrame(int type);
  void SimulateBtnClick(int type);
  // A click on the group button of panel `type` (1..5): presses it or releases it.
  void GroupBtnClick(int type);
  void CloseBtnClick();
  int DownButton() const { return down_button_; }  // 0 when all are up
  int CurrentPanel() const { return state_.current_panel; }
  const std::string& SubOptHeaderText() const { return sub_opt_header_; }

  // --- commands
  // Binds a command of the table to what it opens; a later registration replaces an earlier.
  void RegisterCommand(std::string name, Handler handler);
  bool HasHandler(std::string_view name) const;
  // The command guard, then the handler (or "This Feature Is Not Available Yet"), then the
  // command's refresh. Unknown names do nothing.
  void RunCommand(std::string_view name);
  void ExitProgram1Click();
  bool Terminated() const { return terminated_; }
  // The tips dialog; its check box goes to "Tips.ShowAtStart".
  void ShowTips();

  // What the dialogs are handed; the database exists once FormShow has run.
  AppContext Context();
  bool HasDatabase() const { return db_ != nullptr; }

  // --- what the view shows and the remembered values
  const std::string& Caption() const { return caption_; }
  const std::string& AboutCaptionText() const { return about_caption_; }
  const std::string& NoticeText() const { return notice_; }
  const std::string& TipsTitleText() const { return tips_title_; }
  int MinimumWidth() const { return 590; }
  int MinimumHeight() const { return minimum_height_; }
  void SetMinimumHeight(int h);
  const std::string& DDirname() const { return ddirname_; }  // the remembered data folder
  MainWindowAppearance& Appearance() { return appearance_; }
  void AppearanceChanged() { Notify(Change::Appearance); }
  WindowPlacement& Placement() { return placement_; }
  bool TipsShowAtStart() const { return tips_show_at_start_; }
  void SetTipsShowAtStart(bool on) { tips_show_at_start_ = on; }

  SharedState& State() { return state_; }
  Ui& UiRef() { return ui_; }
  Settings& SettingsRef() { return settings_; }

 private:
  void LoadSettings();
  void Notify(Change c);
  void SettleDataFolder();
  void OpenTables();
  std::string CountText(std::string_view table) const;
  void FolderForCatalogs1Click();
  void RunHandler(const Handler& handler);

  SharedState& state_;
  Settings& settings_;
  Ui& ui_;
  const Clock& clock_;
  std::unique_ptr<db::Database> db_;
  std::function<std::string()> resolve_program_folder_;
  std::function<void(Change)> listener_;
  std::function<void()> terminate_;
  std::function<std::vector<DriveChoice>()> list_drives_;
  std::map<std::string, Handler, std::less<>> handlers_;
  bool terminated_ = false;

  std::string caption_;
  std::string about_caption_;
  std::string notice_;
  std::string tips_title_;
  std::string sub_opt_header_ = "Sub-Options";
  int down_button_ = 0;
  int minimum_height_ = 375;

  std::string ddirname_;           // "DDirname.Caption"
  std::string active_catalog_name_;  // "ActiveCatalogName.Caption"
  std::string disks_in_catalog_;
  std::string files_in_catalog_;
  MainWindowAppearance appearance_;
  WindowPlacement placement_;
  bool tips_show_at_start_ = true;
};

}  // namespace tembrel
