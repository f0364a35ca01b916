#pragma once
// Which files a disk run or an import takes in, and which volumes the tools leave alone.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/file_mask.h"
#include "app/shared_state.h"

namespace tembrel {

// The include and exclude lists, compiled once per run.
class IncludeExcludeRule {
 public:
  IncludeExcludeRule(const SpecCopies& specs);
  // folder_path ends in a separator ("\GAMES\"); name is the file's name.
  bool TakesIn(std::string_view folder_path, std::string_view name) const;

 private:
  struct Spec {
    FileMask mask;
    bool with_path;
  };
  static bool AnyMatches(const std::vector<Spec>& specs, std::string_view folder_path, std::string_view name);
  std::vector<Spec> include_;
  std::vector<Spec> exclude_;
};

// One squelch set: 40 label specs and 26 drive flags.
class SquelchRule {
 public:
  SquelchRule(const std::array<std::string, kSquelchSpecs>& specs, const std::array<bool, kDrives>& drives);
  bool Squelched(std::string_view catalog_volume_label, std::string_view cataloged_from) const;

 private:
  std::vector<FileMask> specs_;
  std::array<bool, kDrives> drives_;
};

}  // namespace tembrel
