#include "platform/settings/settings.h"

#include <charconv>

namespace tembrel {

std::string Settings::GetString(std::string_view group, std::string_view key, std::string_view fallback) const {
  auto v = Get(group, key);
  return v ? *v : std::string(fallback);
}

bool Settings::GetBool(std::string_view group, std::string_view key, bool fallback) const {
  auto v = Get(group, key);
  if (!v) return fallback;
  if (*v == "true" || *v == "1" || *v == "True") return true;
  if (*v == "false" || *v == "0" || *v == "False") return false;
  return fallback;
}

long long Settings::GetInt(std::string_view group, std::string_view key, long long fallback) const {
  auto v = Get(group, key);
  if (!v) return fallback;
  long long out = 0;
  auto [p, ec] = std::from_chars(v->data(), v->data() + v->size(), out);
  if (ec != std::errc() || p != v->data() + v->size()) return fallback;
  return out;
}

void Settings::SetBool(std::string_view group, std::string_view key, bool value) {
  Set(group, key, value ? "true" : "false");
}

void Settings::SetInt(std::string_view group, std::string_view key, long long value) {
  Set(group, key, std::to_string(value));
}

std::optional<std::string> MemorySettings::Get(std::string_view group, std::string_view key) const {
  auto g = groups_.find(group);
  if (g == groups_.end()) return std::nullopt;
  auto k = g->second.find(key);
  if (k == g->second.end()) return std::nullopt;
  return k->second;
}

void MemorySettings::Set(std::string_view group, std::string_view key, std::string_view value) {
  auto g = groups_.find(group);
  if (g == groups_.end()) g = groups_.emplace(std::string(group), std::map<std::string, std::string, std::less<>>{}).first;
  g->second.insert_or_assign(std::string(key), std::string(value));
}

void MemorySettings::Remove(std::string_view group, std::string_view key) {
  auto g = groups_.find(group);
  if (g == groups_.end()) return;
  auto k = g->second.find(key);
  if (k != g->second.end()) g->second.erase(k);
}

std::vector<std::string> MemorySettings::Keys(std::string_view group) const {
  std::vector<std::string> out;
  auto g = groups_.find(group);
  if (g == groups_.end()) return out;
  for (auto& [k, v] : g->second) out.push_back(k);
  return out;
}

}  // namespace tembrel
