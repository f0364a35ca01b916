#pragma once
// The per-user settings store: one group per dialog class name, values by name.
// The desktop program backs it with an INI file; tests use MemorySettings.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tembrel {

class Settings {
 public:
  virtual ~Settings() = default;
  virtual std::optional<std::string> Get(std::string_view group, std::string_view key) const = 0;
  virtual void Set(std::string_view group, std::string_view key, std::string_view value) = 0;
  virtual void Remove(std::string_view group, std::string_view key) = 0;
  virtual std::vector<std::string> Keys(std::string_view group) const = 0;
  virtual void Sync() {}

  std::string GetString(std::string_view group, std::string_view key, std::string_view fallback = {}) const;
  bool GetBool(std::string_view group, std::string_view key, bool fallback) const;
  long long GetInt(std::string_view group, std::string_view key, long long fallback) const;
  void SetBool(std::string_view group, std::string_view key, bool value);
  void SetInt(std::string_view group, std::string_view key, long long value);
};

class MemorySettings final : public Settings {
 public:
  std::optional<std::string> Get(std::string_view group, std::string_view key) const override;
  void Set(std::string_view group, std::string_view key, std::string_view value) override;
  void Remove(std::string_view group, std::string_view key) override;
  std::vector<std::string> Keys(std::string_view group) const override;

 private:
  std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> groups_;
};

}  // namespace tembrel
