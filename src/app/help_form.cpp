#include "app/help_form.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tembrel {
namespace {

constexpr std::array<HelpTopic, 14> kContents = {{
    {"Contents", "contents"},
    {"Starting Tembrel", "starting"},
    {"The Main Window", "main-window"},
    {"The Status Panels", "status"},
    {"Catalogs And The Active Catalog", "catalogs"},
    {"Cataloging Disks", "cataloging"},
    {"Reports", "reports"},
    {"Tools", "tools"},
    {"Folder For Catalogs", "data-folder"},
    {"Include/Exclude Specs", "include-exclude"},
    {"Offload And Cleanup Tools Settings", "squelch"},
    {"Shortcut Keys", "keys"},
    {"Tips And Tricks", "tips"},
    {"How To Use Help", "using-help"},
}};

constexpr std::array<HelpTopic, 32> kIndex = {{
    {"Active Catalog", "catalogs"},
    {"Archives", "cataloging"},
    {"Bonus Utility Settings", "squelch"},
    {"Catalog Folder", "data-folder"},
    {"Cataloging", "cataloging"},
    {"Catalogs", "catalogs"},
    {"Cleanup Squelch Settings", "squelch"},
    {"Comments", "cataloging"},
    {"Data Folder", "data-folder"},
    {"Disks Cataloged", "status"},
    {"Exclude Specs", "include-exclude"},
    {"Exit Program", "main-window"},
    {"Files Cataloged", "status"},
    {"First Start", "starting"},
    {"Folder For Catalogs", "data-folder"},
    {"Function Keys", "keys"},
    {"Group Buttons", "main-window"},
    {"Help", "using-help"},
    {"Include Specs", "include-exclude"},
    {"Main Options", "main-window"},
    {"Menu Bar", "main-window"},
    {"Offload Squelch Settings", "squelch"},
    {"Open Reports", "reports"},
    {"Reports", "reports"},
    {"Settings", "data-folder"},
    {"Shortcut Keys", "keys"},
    {"Squelch Settings", "squelch"},
    {"Status Panels", "status"},
    {"Sub-Options", "main-window"},
    {"Tips", "tips"},
    {"Tools", "tools"},
    {"Wildcards", "include-exclude"},
}};

bool StartsWithNoCase(std::string_view text, std::string_view key) {
  if (key.size() > text.size()) return false;
  return std::equal(key.begin(), key.end(), text.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
}

}  // namespace

THelpForm::THelpForm(HelpMode mode) : mode_(mode), anchor_(mode == HelpMode::HowToUseHelp ? "using-help" : "contents") {}

std::span<const HelpTopic> THelpForm::Contents() { return kContents; }
std::span<const HelpTopic> THelpForm::Index() { return kIndex; }

std::vector<HelpTopic> THelpForm::IndexMatches() const {
  std::vector<HelpTopic> out;
  for (const auto& t : kIndex)
    if (StartsWithNoCase(t.keyword, index_key)) out.push_back(t);
  return out;
}

}  // namespace tembrel
