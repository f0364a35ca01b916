#include "platform/fs/paths.h"

namespace tembrel::fs {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Real paths split on "/" only: a backslash is an ordinary character in a Linux name.
std::vector<std::string_view> SplitReal(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t pos = 0;
  while (pos < path.size()) {
    while (pos < path.size() && path[pos] == '/') ++pos;
    const size_t start = pos;
    while (pos < path.size() && path[pos] != '/') ++pos;
    if (pos > start) parts.push_back(path.substr(start, pos - start));
  }
  return parts;
}

}  // namespace

std::optional<std::vector<std::string>> SplitStoredPath(std::string_view path) {
  std::vector<std::string> parts;
  size_t pos = 0;
  while (pos < path.size()) {
    while (pos < path.size() && IsSeparator(path[pos])) ++pos;
    const size_t start = pos;
    while (pos < path.size() && !IsSeparator(path[pos])) ++pos;
    if (pos == start) continue;
    std::string_view part = path.substr(start, pos - start);
    if (part == "." || part == "..") return std::nullopt;
    parts.emplace_back(part);
  }
  return parts;
}

std::string JoinStoredPath(const std::vector<std::string>& parts) {
  if (parts.empty()) return "\\";
  std::string out;
  for (const auto& p : parts) {
    out.push_back('\\');
    out += p;
  }
  return out;
}

std::optional<std::string> NormalizeStoredPath(std::string_view path) {
  auto parts = SplitStoredPath(path);
  if (!parts) return std::nullopt;
  return JoinStoredPath(*parts);
}

std::string ChildStoredPath(std::string_view folder, std::string_view name) {
  std::string out(folder);
  if (out.empty() || out.back() != '\\') out.push_back('\\');
  out += name;
  return out;
}

std::optional<std::string> ToRealPath(std::string_view root, std::string_view stored) {
  auto parts = SplitStoredPath(stored);
  if (!parts) return std::nullopt;
  while (root.size() > 1 && root.back() == '/') root.remove_suffix(1);
  std::string out(root.empty() ? std::string_view("/") : root);
  for (const auto& p : *parts) {
    if (out.back() != '/') out.push_back('/');
    out += p;
  }
  return out;
}

std::optional<std::string> ToStoredPath(std::string_view root, std::string_view real) {
  const auto root_parts = SplitReal(root);
  const auto real_parts = SplitReal(real);
  if (real_parts.size() < root_parts.size()) return std::nullopt;
  for (size_t i = 0; i < root_parts.size(); ++i)
    if (root_parts[i] != real_parts[i]) return std::nullopt;
  std::vector<std::string> rest;
  for (size_t i = root_parts.size(); i < real_parts.size(); ++i) {
    if (real_parts[i] == "." || real_parts[i] == "..") return std::nullopt;
    rest.emplace_back(real_parts[i]);
  }
  return JoinStoredPath(rest);
}

std::optional<DrivePathText> ParseDrivePath(std::string_view text) {
  if (text.size() < 2 || text[1] != ':') return std::nullopt;
  char letter = text[0];
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  if (letter < 'A' || letter > 'Z') return std::nullopt;
  auto folder = NormalizeStoredPath(text.substr(2));
  if (!folder) return std::nullopt;
  return DrivePathText{letter, *folder};
}

}  // namespace tembrel::fs
