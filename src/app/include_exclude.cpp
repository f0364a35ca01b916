#include "app/include_exclude.h"

namespace tembrel {

IncludeExcludeRule::IncludeExcludeRule(const SpecCopies& specs) {
  auto add = [](std::vector<Spec>& out, const std::string& s) {
    if (s.empty()) return;
    out.push_back({FileMask(s), s.find('\\') != std::string::npos || s.find(':') != std::string::npos});
  };
  for (const auto& s : specs.include) add(include_, s);
  for (const auto& s : specs.exclude) add(exclude_, s);
}

bool IncludeExcludeRule::AnyMatches(const std::vector<Spec>& specs, std::string_view folder_path,
                                    std::string_view name) {
  std::string full;
  for (const Spec& s : specs) {
    if (s.with_path) {
      if (full.empty()) full = std::string(folder_path) + std::string(name);
      if (s.mask.Matches(full)) return true;
    } else if (s.mask.Matches(name)) {
      return true;
    }
  }
  return false;
}

bool IncludeExcludeRule::TakesIn(std::string_view folder_path, std::string_view name) const {
  if (!include_.empty() && !AnyMatches(include_, folder_path, name)) return false;
  return !AnyMatches(exclude_, folder_path, name);
}

SquelchRule::SquelchRule(const std::array<std::string, kSquelchSpecs>& specs, const std::array<bool, kDrives>& drives)
    : drives_(drives) {
  for (const auto& s : specs)
    if (!s.empty()) specs_.emplace_back(s);
}

bool SquelchRule::Squelched(std::string_view label, std::string_view cataloged_from) const {
  for (const FileMask& m : specs_)
    if (m.Matches(label)) return true;
  if (cataloged_from.empty()) return false;
  char c = cataloged_from[0];
  if (c == '*') return true;
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return c >= 'A' && c <= 'Z' && drives_[c - 'A'];
}

}  // namespace tembrel
