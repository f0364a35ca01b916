#include "app/command_table.h"

#include "app/version.h"

namespace tembrel {
namespace {

constexpr bool C = true;   // catalog required
constexpr bool R = true;   // refused while reports are open
constexpr bool _ = false;  // check not made
constexpr int U = kPanelUnchanged;

CommandDef Cmd(std::string name, std::string caption, std::string shortcut, int panel, bool c, bool r,
               Refresh refresh = Refresh::None, std::string handler = {}) {
  CommandDef d;
  d.handler = handler.empty() ? name + "Click" : std::move(handler);
  d.name = std::move(name);
  d.caption = std::move(caption);
  d.shortcut = std::move(shortcut);
  d.panel = panel;
  d.needs_catalog = c;
  d.refused_with_reports = r;
  d.refresh = refresh;
  return d;
}

std::vector<CommandDef> BuildCommands() {
  using enum Refresh;
  return {
      // Cataloging
      Cmd("CatalogDisks1", "&Catalog / Re-Catalog Disk(s)", "F2", 1, C, R, Stat),
      Cmd("UnCatalogDisks1", "&UnCatalog Disk(s)", "F3", 1, C, R, Stat),
      Cmd("TextFileImport1", "&Text File Import", "", 1, C, R),
      Cmd("AByFileSpec1", "&A. By FileSpec", "", 1, C, R),
      Cmd("BByVolumeID1", "&B. By Volume ID", "", 1, C, R),
      Cmd("CByFolderName1", "&C. By FolderName", "", 1, C, R),
      Cmd("DByArchiveID1", "&D. By Archive ID", "", 1, C, R),
      Cmd("EByFileSize1", "&E. By File Size", "", 1, C, R),
      Cmd("FByFileDate1", "&F. By File Date", "", 1, C, R),
      Cmd("GByCategory1", "&G. By Category", "", 1, C, R),
      Cmd("HByEmptyCategory1", "&H. By Empty Category", "", 1, C, R),
      Cmd("IByFileComment1", " &I. By File Comment", "", 1, C, R),
      Cmd("JByEmptyFileComment1", "&J. By Empty File Comment", "", 1, C, R),
      Cmd("ModifyDiskComments1", "&Modify Disk Comments", "", 1, C, R),
      Cmd("ImportFileComments1", "&Import File Comments", "", 1, C, R),
      Cmd("LabelADisk1", "&Label A Disk", "", 1, _, R),
      Cmd("DirectoryOfADisk1", "&Directory Of A Disk", "", 1, _, R),
      Cmd("FileCategories1", "&File Category Maintenance", "", 1, _, R),
      Cmd("ViewPurgeCatalogActivityLog1", "&View/Purge Catalog Activity Log", "", 1, C, R),
      Cmd("KillSpecificFileEntriesInThisCatalog1", "&Erase Specific File Entries In This Catalog", "", 1, C, R, Stat),
      Cmd("ExitProgram1", "&Exit Program", "", U, _, _),
      // Reports
      Cmd("ADiskSummaryAllDisksSortedByVolumeID1", "&A. Disk Summary - All Disks Sorted By Volume ID", "F4", 2, C, _),
      Cmd("BDiskSummaryAllDisksSortedByHighestFreeSpace1", "&B. Disk Summary - All Disks Sorted By Free Space", "", 2, C, _),
      Cmd("CCustomSummaryReports1", "&C. Custom Summary Reports", "F5", 2, C, _),
      Cmd("DFilesForWildcardFilespec1", "&D. Files For Wildcard Filespec", "F6", 2, C, _),
      Cmd("EFilesForWildcardVolumeLabel1", "&E. Files For Wildcard Volume Label", "", 2, C, _),
      Cmd("FFilesForWildcardFolderName1", "&F. Files For Wildcard Folder Name", "", 2, C, _),
      Cmd("GFilesForWildcardArchiveID1", "&G. Files For Wildcard Archive ID", "", 2, C, _),
      Cmd("HFilesByCategory1", "&H. Files By Category", "", U, C, _, None, "HFilesForACategory1Click"),
      Cmd("IFilesByCommentTextKeywords1", " &I. Files By Comment Text / Keywords", "", 2, C, _, None,
          "IFilesByComment1Click"),
      Cmd("JFilesByFilenameCommentText1", "&J. Files By Filename / Comment Text", "", 2, C, _),
      Cmd("KDuplicateFilesInCatalog1", "&K. Duplicate Files In Catalog", "", 2, C, _),
      Cmd("LUniqueFilesInCatalog1", "&L. Unique Files In Catalog", "", 2, C, _),
      Cmd("MVolumeSummaryFileContents1", "&M. Volume Summary/File Contents", "", 2, C, _),
      Cmd("ASortByFileName1", "&A. Sort By FileName", "", 2, C, _),
      Cmd("BSortByFileExtension1", "&B. Sort By File Extension", "", 2, C, _),
      Cmd("CSortByVolumeLabel1", "&C. Sort By Volume Label", "", 2, C, _),
      Cmd("DSortByFolderName1", "&D. Sort By Folder Name", "", 2, C, _),
      Cmd("ESortByArchiveID1", "&E. Sort By Archive ID", "", 2, C, _),
      Cmd("FSortByFileSize1", "&F. Sort By File Size", "", 2, C, _),
      Cmd("GSortByFileDateTime1", "&G. Sort By File Date/Time", "", 2, C, _),
      Cmd("HSortByCategoryCode1", "&H. Sort By Category Code", "", 2, C, _),
      Cmd("OCustomFileReports1", "&O. Custom File Reports", "F7", 2, C, _),
      // Tools
      Cmd("ManageCatalogs1", "&Manage Catalogs", "F8", 3, _, R, Stat),
      Cmd("CompareCatalogs1", "&Compare Catalogs ", "", 3, C, R),
      Cmd("OffloadFilesToRemovableDisks1", "&Offload Files To Removable Disks", "F9", 3, C, R, StatAndName,
          "OffloadFilesToOfflineMedia1Click"),
      Cmd("DuplicateRedundantFileCleanup1", "&Duplicate/Redundant File Cleanup", "F10", 3, C, R, StatAndName),
      Cmd("GeneralFileCleanup1", "&General File Cleanup", "", 3, C, R, StatAndName),
      Cmd("RetrieveCatalogedFiles1", "&Retrieve Cataloged Files", "F11", 3, C, R, StatAndName),
      // Settings
      Cmd("SelectCreateCatalog1", "&Select/Create/Configure Catalog", "F12", 4, _, R, StatAndName),
      Cmd("FolderForCatalogs1", "&Folder For Catalogs", "", 4, _, R, Stat),
      Cmd("MainWindowAppearanceOptions1", "&Main Window Appearance Options", "", 4, _, R),
      Cmd("IncludeExcludeSpecs1", "&Include/Exclude Specs", "", 4, _, R),
      Cmd("ToolsSettings1", "&Offload && Cleanup Tools Settings", "", 4, _, R),
      // Convert, Diagnose
      Cmd("ConvertTembrelForDOSWin16Catalogs1", "&Convert Tembrel For DOS/Win16 Catalogs", "", U, _, R, Stat,
          "ConvertTembrelForDosWin16Catalogs1Click"),
      Cmd("DiagnoseRepairTembrelsTables1", "&Diagnose/Repair Tembrel's Tables", "", U, _, R),
      // Help
      Cmd("Contents1", "&Contents", "", 5, _, _),
      Cmd("Index1", "&Index", "", 5, _, _),
      Cmd("HowToUseHelp1", "&How To Use Help", "", 5, _, _),
      Cmd("TipsTricks1", "&Tips && Tricks", "", U, _, _),
      Cmd("AboutWindows1", "&About Windows", "", U, _, _),
      Cmd("About1", AboutCaption(), "", 5, _, _),
  };
}

MenuEntry Item(std::string command) { return {MenuEntry::Kind::Command, std::move(command), {}}; }
MenuEntry Separator() { return {MenuEntry::Kind::Separator, {}, {}}; }
MenuEntry Submenu(std::string caption, std::vector<std::string> commands) {
  return {MenuEntry::Kind::Submenu, std::move(caption), std::move(commands)};
}

const std::vector<std::string> kCommentCommands = {
    "AByFileSpec1",  "BByVolumeID1",  "CByFolderName1",    "DByArchiveID1",   "EByFileSize1",
    "FByFileDate1",  "GByCategory1",  "HByEmptyCategory1", "IByFileComment1", "JByEmptyFileComment1"};
const std::vector<std::string> kSortCommands = {
    "ASortByFileName1", "BSortByFileExtension1", "CSortByVolumeLabel1",  "DSortByFolderName1",
    "ESortByArchiveID1", "FSortByFileSize1",     "GSortByFileDateTime1", "HSortByCategoryCode1"};

std::vector<MenuDef> BuildMenuBar() {
  return {
      {"&Cataloging",
       {Item("CatalogDisks1"), Item("UnCatalogDisks1"), Item("TextFileImport1"), Separator(),
        Submenu("&Add/Change File Comments", kCommentCommands), Item("ModifyDiskComments1"),
        Item("ImportFileComments1"), Separator(), Item("LabelADisk1"), Item("DirectoryOfADisk1"),
        Item("FileCategories1"), Item("ViewPurgeCatalogActivityLog1"), Item("KillSpecificFileEntriesInThisCatalog1"),
        Separator(), Item("ExitProgram1")}},
      {"&Reports",
       {Item("ADiskSummaryAllDisksSortedByVolumeID1"), Item("BDiskSummaryAllDisksSortedByHighestFreeSpace1"),
        Item("CCustomSummaryReports1"), Separator(), Item("DFilesForWildcardFilespec1"),
        Item("EFilesForWildcardVolumeLabel1"), Item("FFilesForWildcardFolderName1"),
        Item("GFilesForWildcardArchiveID1"), Item("HFilesByCategory1"), Item("IFilesByCommentTextKeywords1"),
        Item("JFilesByFilenameCommentText1"), Item("KDuplicateFilesInCatalog1"), Item("LUniqueFilesInCatalog1"),
        Item("MVolumeSummaryFileContents1"), Submenu("&N. Sorted Listings Of All Files", kSortCommands),
        Item("OCustomFileReports1")}},
      {"&Tools",
       {Item("ManageCatalogs1"), Item("CompareCatalogs1"), Separator(), Item("OffloadFilesToRemovableDisks1"),
        Item("DuplicateRedundantFileCleanup1"), Item("GeneralFileCleanup1"), Item("RetrieveCatalogedFiles1")}},
      {"&Settings",
       {Item("SelectCreateCatalog1"), Item("FolderForCatalogs1"), Separator(), Item("MainWindowAppearanceOptions1"),
        Item("IncludeExcludeSpecs1"), Item("ToolsSettings1")}},
      {"C&onvert", {Item("ConvertTembrelForDOSWin16Catalogs1")}},
      {"&Diagnose", {Item("DiagnoseRepairTembrelsTables1")}},
      {"&Help",
       {Item("Contents1"), Item("Index1"), Item("HowToUseHelp1"), Separator(), Item("TipsTricks1"), Separator(),
        Item("AboutWindows1"), Item("About1")}},
  };
}

PanelButton Button(std::string caption, std::string command) { return {std::move(caption), std::move(command), {}}; }

std::vector<PanelDef> BuildPanels() {
  std::vector<PopupItem> comments = {
      {"&A. By Filespec", "AByFileSpec1"},          {"&B. By Volume ID", "BByVolumeID1"},
      {"&C. By Folder Name", "CByFolderName1"},     {"&D. By Archive ID", "DByArchiveID1"},
      {"&E. By File Size", "EByFileSize1"},         {"&F. By File Date", "FByFileDate1"},
      {"&G. By Category", "GByCategory1"},          {"&H. By Empty Category", "HByEmptyCategory1"},
      {" &I. By File Comment", "IByFileComment1"}, {"&J. By Empty File Comment", "JByEmptyFileComment1"}};
  std::vector<PopupItem> sorts;
  for (const auto& name : kSortCommands) sorts.push_back({FindCommand(name)->caption, name});
  return {
      {kCatalogingPanel,
       "TFrameCataloging",
       {Button("Catalog/ReCatalog Disk(s)", "CatalogDisks1"), Button("UnCatalog Disk(s)", "UnCatalogDisks1"),
        Button("Text File Import", "TextFileImport1"),
        Button("View/Purge Catalog Activity Log", "ViewPurgeCatalogActivityLog1"),
        Button("Modify Disk Comments", "ModifyDiskComments1"), Button("Import File Comments", "ImportFileComments1"),
        Button("Label A Disk", "LabelADisk1"), Button("Directory Of A Disk", "DirectoryOfADisk1"),
        Button("File Category Maintenance", "FileCategories1"),
        Button("Erase Specific File Entries In This Catalog", "KillSpecificFileEntriesInThisCatalog1"),
        Button("Exit Program", "ExitProgram1"), PanelButton{"Add/Change File Comments", {}, comments}}},
      {kReportsPanel,
       "TFrameReports",
       {Button("Disk Summary - All Disks Sorted By Volume ID", "ADiskSummaryAllDisksSortedByVolumeID1"),
        Button("Disk Summary - All Disks Sorted By Free Space", "BDiskSummaryAllDisksSortedByHighestFreeSpace1"),
        Button("Custom Summary Reports", "CCustomSummaryReports1"),
        Button("Custom File Reports", "OCustomFileReports1"),
        Button("Files For Wildcard Filespec", "DFilesForWildcardFilespec1"),
        Button("Files For Wildcard Volume Label", "EFilesForWildcardVolumeLabel1"),
        Button("Files For Wildcard Folder Name", "FFilesForWildcardFolderName1"),
        Button("Files For Wildcard Archive ID", "GFilesForWildcardArchiveID1"),
        Button("Files By Category", "HFilesByCategory1"),
        Button("Files By Comment Text/Keywords", "IFilesByCommentTextKeywords1"),
        Button("Files By Filename/Comment Text", "JFilesByFilenameCommentText1"),
        Button("Duplicate Files In Catalog", "KDuplicateFilesInCatalog1"),
        Button("Unique Files In Catalog", "LUniqueFilesInCatalog1"),
        Button("Volume Summary/File Contents", "MVolumeSummaryFileContents1"),
        PanelButton{"Sorted Listings Of All Files", {}, sorts}}},
      {kToolsPanel,
       "TFrameTools",
       {Button("Manage Catalogs", "ManageCatalogs1"), Button("Compare Catalogs", "CompareCatalogs1"),
        Button("Offload Files To Removable Disks", "OffloadFilesToRemovableDisks1"),
        Button("Duplicate/Redundant File Cleanup", "DuplicateRedundantFileCleanup1"),
        Button("General File Cleanup", "GeneralFileCleanup1"),
        Button("Retrieve Cataloged Files", "RetrieveCatalogedFiles1")}},
      {kSettingsPanel,
       "TFrameSettings",
       {Button("Select/Create/Configure Catalog", "SelectCreateCatalog1"),
        Button("Folder For Catalogs", "FolderForCatalogs1"),
        Button("Main Window Appearance Options", "MainWindowAppearanceOptions1"),
        Button("Include/Exclude Specs", "IncludeExcludeSpecs1"),
        Button("Offload And Cleanup Tools Settings", "ToolsSettings1")}},
      {kHelpPanel,
       "TFrameHelp",
       {Button("Contents", "Contents1"), Button("Index", "Index1"), Button("How To Use Help", "HowToUseHelp1"),
        Button(AboutCaption(), "About1"), Button("About Windows", "AboutWindows1"),
        Button("Tips And Tricks", "TipsTricks1")}},
  };
}

}  // namespace

const std::vector<CommandDef>& Commands() {
  static const std::vector<CommandDef> commands = BuildCommands();
  return commands;
}

const CommandDef* FindCommand(std::string_view name) {
  for (const auto& c : Commands())
    if (c.name == name) return &c;
  return nullptr;
}

const std::vector<MenuDef>& MenuBar() {
  static const std::vector<MenuDef> menus = BuildMenuBar();
  return menus;
}

const std::vector<PanelDef>& Panels() {
  static const std::vector<PanelDef> panels = BuildPanels();
  return panels;
}

const PanelDef* PanelOf(int type) {
  for (const auto& p : Panels())
    if (p.type == type) return &p;
  return nullptr;
}

std::string SubOptionsHeader(int type) {
  switch (type) {
    case kCatalogingPanel: return "Cataloging Sub-Options";
    case kReportsPanel: return "Report Sub-Options";
    case kToolsPanel: return "Tools Sub-Options";
    case kSettingsPanel: return "Settings Sub-Options";
    case kHelpPanel: return "Help Sub-Options";
    default: return "Sub-Options";
  }
}

std::string GroupButtonCaption(int type) {
  switch (type) {
    case kCatalogingPanel: return "Cataloging";
    case kReportsPanel: return "Reports";
    case kToolsPanel: return "Tools";
    case kSettingsPanel: return "Settings";
    case kHelpPanel: return "Help";
    default: return {};
  }
}

}  // namespace tembrel
