#include "app/command_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tembrel {
namespace {

TEST(CommandTable, EveryCommandIsOnTheMenuBarExactlyOnce) {
  std::map<std::string, int> seen;
  for (const auto& menu : MenuBar())
    for (const auto& e : menu.entries) {
      if (e.kind == MenuEntry::Kind::Command) ++seen[e.text];
      for (const auto& c : e.commands) ++seen[c];
    }
  for (const auto& c : Commands()) EXPECT_EQ(seen[c.name], 1) << c.name;
  EXPECT_EQ(seen.size(), Commands().size());
  std::vector<std::string> menus;
  for (const auto& m : MenuBar()) menus.push_back(m.caption);
  EXPECT_EQ(menus, (std::vector<std::string>{"&Cataloging", "&Reports", "&Tools", "&Settings", "C&onvert",
                                             "&Diagnose", "&Help"}));
}

TEST(CommandTable, ShortcutsAreTheFunctionKeysTwoToTwelveEachOnce) {
  std::map<std::string, std::string> by_key;
  for (const auto& c : Commands())
    if (!c.shortcut.empty()) EXPECT_TRUE(by_key.emplace(c.shortcut, c.name).second) << c.shortcut;
  EXPECT_EQ(by_key, (std::map<std::string, std::string>{{"F2", "CatalogDisks1"},
                                                        {"F3", "UnCatalogDisks1"},
                                                        {"F4", "ADiskSummaryAllDisksSortedByVolumeID1"},
                                                        {"F5", "CCustomSummaryReports1"},
                                                        {"F6", "DFilesForWildcardFilespec1"},
                                                        {"F7", "OCustomFileReports1"},
                                                        {"F8", "ManageCatalogs1"},
                                                        {"F9", "OffloadFilesToRemovableDisks1"},
                                                        {"F10", "DuplicateRedundantFileCleanup1"},
                                                        {"F11", "RetrieveCatalogedFiles1"},
                                                        {"F12", "SelectCreateCatalog1"}}));
}

TEST(CommandTable, RowsKeepTheirCaptionsChecksAndRefresh) {
  struct Row {
    const char* name;
    const char* caption;
    int panel;
    bool c, r;
    Refresh refresh;
    const char* handler;
  };
  const Row rows[] = {
      {"CatalogDisks1", "&Catalog / Re-Catalog Disk(s)", 1, true, true, Refresh::Stat, "CatalogDisks1Click"},
      {"LabelADisk1", "&Label A Disk", 1, false, true, Refresh::None, "LabelADisk1Click"},
      {"IByFileComment1", " &I. By File Comment", 1, true, true, Refresh::None, "IByFileComment1Click"},
      {"HFilesByCategory1", "&H. Files By Category", kPanelUnchanged, true, false, Refresh::None,
       "HFilesForACategory1Click"},
      {"IFilesByCommentTextKeywords1", " &I. Files By Comment Text / Keywords", 2, true, false, Refresh::None,
       "IFilesByComment1Click"},
      {"CompareCatalogs1", "&Compare Catalogs ", 3, true, true, Refresh::None, "CompareCatalogs1Click"},
      {"OffloadFilesToRemovableDisks1", "&Offload Files To Removable Disks", 3, true, true, Refresh::StatAndName,
       "OffloadFilesToOfflineMedia1Click"},
      {"SelectCreateCatalog1", "&Select/Create/Configure Catalog", 4, false, true, Refresh::StatAndName,
       "SelectCreateCatalog1Click"},
      {"ToolsSettings1", "&Offload && Cleanup Tools Settings", 4, false, true, Refresh::None, "ToolsSettings1Click"},
      {"ConvertTembrelForDOSWin16Catalogs1", "&Convert Tembrel For DOS/Win16 Catalogs", kPanelUnchanged, false,
       true, Refresh::Stat, "ConvertTembrelForDosWin16Catalogs1Click"},
      {"TipsTricks1", "&Tips && Tricks", kPanelUnchanged, false, false, Refresh::None, "TipsTricks1Click"},
      {"About1", "About Tembrel 2003", 5, false, false, Refresh::None, "About1Click"},
      {"ExitProgram1", "&Exit Program", kPanelUnchanged, false, false, Refresh::None, "ExitProgram1Click"},
  };
  for (const auto& row : rows) {
    const CommandDef* c = FindCommand(row.name);
    ASSERT_NE(c, nullptr) << row.name;
    EXPECT_EQ(c->caption, row.caption);
    EXPECT_EQ(c->panel, row.panel) << row.name;
    EXPECT_EQ(c->needs_catalog, row.c) << row.name;
    EXPECT_EQ(c->refused_with_reports, row.r) << row.name;
    EXPECT_EQ(c->refresh, row.refresh) << row.name;
    EXPECT_EQ(c->handler, row.handler);
  }
  EXPECT_EQ(FindCommand("NoSuchCommand1"), nullptr);
}

TEST(CommandTable, PanelButtonsRunExistingCommandsOfTheirOwnGroup) {
  std::map<int, size_t> counts;
  for (const auto& panel : Panels()) {
    counts[panel.type] = panel.buttons.size();
    for (const auto& b : panel.buttons) {
      std::vector<std::string> targets;
      if (b.popup.empty()) targets.push_back(b.command);
      for (const auto& p : b.popup) targets.push_back(p.command);
      for (const auto& t : targets) {
        const CommandDef* c = FindCommand(t);
        ASSERT_NE(c, nullptr) << b.caption << " -> " << t;
        EXPECT_TRUE(c->panel == panel.type || c->panel == kPanelUnchanged) << b.caption;
      }
    }
  }
  EXPECT_EQ(counts, (std::map<int, size_t>{{1, 12}, {2, 15}, {3, 6}, {4, 5}, {5, 6}}));
  EXPECT_EQ(PanelOf(kHelpPanel)->buttons[3].caption, "About Tembrel 2003");
  EXPECT_EQ(PanelOf(kCatalogingPanel)->buttons[11].popup.size(), 10u);
  EXPECT_EQ(PanelOf(kReportsPanel)->buttons[14].popup[7].caption, "&H. Sort By Category Code");
  EXPECT_EQ(PanelOf(0), nullptr);
}

}  // namespace
}  // namespace tembrel
