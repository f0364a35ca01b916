#pragma once
// The one shared state object of the program: folders, the active catalog, the report
// count and the include, exclude and squelch specs every operation reads.
#include <array>
#include <string>

namespace tembrel {

inline constexpr int kIncludeSpecs = 20;
inline constexpr int kExcludeSpecs = 20;
inline constexpr int kSquelchSpecs = 40;
inline constexpr int kDrives = 26;

struct SpecCopies {
  std::array<std::string, kIncludeSpecs> include;
  std::array<std::string, kExcludeSpecs> exclude;
  std::array<std::string, kSquelchSpecs> squelch;
  std::array<bool, kDrives> squelch_drive{};
  std::array<std::string, kSquelchSpecs> dc_squelch;
  std::array<bool, kDrives> dc_squelch_drive{};
};

struct SharedState {
  std::string program_folder;  // ends in "/"; holds the global tables
  std::string data_folder;     // ends in "/"; holds the catalogs' tables
  std::string active_catalog;  // empty: none
  std::string last_volume_label;
  int open_report_count = 0;
  int current_panel = 0;  // 0 none, 1 Cataloging, 2 Reports, 3 Tools, 4 Settings, 5 Help
  bool custom_summary_defs_open = false;
  bool custom_file_defs_open = false;
  bool abort_requested = false;
  SpecCopies specs;
};

}  // namespace tembrel
