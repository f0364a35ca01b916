#pragma once
// The program's one version text and build date, and the captions made from them.
#include <string>
#include <string_view>

namespace tembrel {

inline constexpr std::string_view kVersionText = "2003(1.05A)";
inline constexpr std::string_view kBuildDate = "20 October 2003";

// Characters 1 to 4 of the version text.
inline std::string Edition() { return std::string(kVersionText.substr(0, 4)); }
// Characters 6 to 10 of the version text.
inline std::string VersionNumber() { return std::string(kVersionText.substr(5, 5)); }

// "Tembrel 2003 Version 1.05A  (Created 20 October 2003)"
inline std::string MainCaption() {
  return "Tembrel " + Edition() + " Version " + VersionNumber() + "  (Created " + std::string(kBuildDate) + ")";
}
// "About Tembrel 2003": the help menu item and the Help panel's button.
inline std::string AboutCaption() { return "About Tembrel " + Edition(); }
// "Tembrel 2003 Tips & Tricks"
inline std::string TipsTitle() { return "Tembrel " + Edition() + " Tips & Tricks"; }
// The two lines of the splash and About windows.
inline std::string VersionLine() { return "Version " + VersionNumber(); }
inline std::string CreatedLine() { return "(Created " + std::string(kBuildDate) + ")"; }

}  // namespace tembrel
