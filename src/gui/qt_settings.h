#pragma once
// The settings store as an INI file: $XDG_CONFIG_HOME/Tembrel/Tembrel.ini, else
// ~/.config/Tembrel/Tembrel.ini; one INI section per dialog class name.
#include <QSettings>
#include <memory>
#include <string>

#include "platform/settings/settings.h"

namespace tembrel::gui {

class QtSettings final : public Settings {
 public:
  QtSettings();  // the per-user file
  explicit QtSettings(const std::string& path);
  ~QtSettings() override;

  static std::string DefaultPath();
  std::string Path() const;

  std::optional<std::string> Get(std::string_view group, std::string_view key) const override;
  void Set(std::string_view group, std::string_view key, std::string_view value) override;
  void Remove(std::string_view group, std::string_view key) override;
  std::vector<std::string> Keys(std::string_view group) const override;
  void Sync() override;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace tembrel::gui
