#pragma once
// Every command of the main window: its menu item, caption, shortcut, the panel it belongs
// to, the checks of the command guard and the refresh after it; the menu bar built from
// them and the buttons of the five sub-option panels.
#include <string>
#include <string_view>
#include <vector>

namespace tembrel {

// Panel numbers, as kept in SharedState::current_panel.
inline constexpr int kNoPanel = 0;
inline constexpr int kCatalogingPanel = 1;
inline constexpr int kReportsPanel = 2;
inline constexpr int kToolsPanel = 3;
inline constexpr int kSettingsPanel = 4;
inline constexpr int kHelpPanel = 5;
// A command that leaves the sub-options area as it is.
inline constexpr int kPanelUnchanged = -1;

// What the main window refreshes after the command's dialog closes.
enum class Refresh {
  None,
  Stat,         // SetStatPanels
  StatAndName,  // the catalog name panel from ActiveCatalog, then SetStatPanels
};

struct CommandDef {
  std::string name;      // the menu item: "CatalogDisks1"
  std::string handler;   // "CatalogDisks1Click"
  std::string caption;   // with its & access key: "&Catalog / Re-Catalog Disk(s)"
  std::string shortcut;  // "F2"; empty when none
  int panel = kPanelUnchanged;
  bool needs_catalog = false;         // check C
  bool refused_with_reports = false;  // check R
  Refresh refresh = Refresh::None;
};

const std::vector<CommandDef>& Commands();
// nullptr when no command has that menu item name.
const CommandDef* FindCommand(std::string_view name);

struct MenuEntry {
  enum class Kind { Command, Separator, Submenu };
  Kind kind = Kind::Command;
  std::string text;                   // the command's name, or the submenu's caption
  std::vector<std::string> commands;  // a submenu's commands, in order
};

struct MenuDef {
  std::string caption;  // "&Cataloging"
  std::vector<MenuEntry> entries;
};

// The menu bar, left to right.
const std::vector<MenuDef>& MenuBar();

struct PopupItem {
  std::string caption;
  std::string command;
};

// A panel button runs `command`, or, when `popup` is not empty, opens that pop-up menu.
struct PanelButton {
  std::string caption;
  std::string command;
  std::vector<PopupItem> popup;
};

struct PanelDef {
  int type = kNoPanel;     // 1..5
  std::string class_name;  // "TFrameCataloging"
  std::vector<PanelButton> buttons;
};

const std::vector<PanelDef>& Panels();
// The panel of type 1..5; nullptr for any other number.
const PanelDef* PanelOf(int type);

// The sub-options header for a panel number: "Sub-Options" for none.
std::string SubOptionsHeader(int type);
// The caption of the group button of a panel number ("Cataloging" ... "Help").
std::string GroupButtonCaption(int type);

}  // namespace tembrel
