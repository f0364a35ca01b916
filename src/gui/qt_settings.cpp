#include "gui/qt_settings.h"

#include <QDir>
#include <QString>
#include <cstdlib>

namespace tembrel::gui {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString FullKey(std::string_view group, std::string_view key) { return Q(group) + QLatin1Char('/') + Q(key); }

}  // namespace

std::string QtSettings::DefaultPath() {
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    base = xdg;
  else
    base = QDir::homePath().toStdString() + "/.config";
  return base + "/Tembrel/Tembrel.ini";
}

QtSettings::QtSettings() : QtSettings(DefaultPath()) {}

QtSettings::QtSettings(const std::string& path)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat)) {}

QtSettings::~QtSettings() { settings_->sync(); }

std::string QtSettings::Path() const { return settings_->fileName().toStdString(); }

std::optional<std::string> QtSettings::Get(std::string_view group, std::string_view key) const {
  QVariant v = settings_->value(FullKey(group, key));
  if (!v.isValid()) return std::nullopt;
  // A value written by hand with commas reads back as a list; take it as the text it was.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(',')).toStdString();
  return v.toString().toStdString();
}

void QtSettings::Set(std::string_view group, std::string_view key, std::string_view value) {
  settings_->setValue(FullKey(group, key), Q(value));
}

void QtSettings::Remove(std::string_view group, std::string_view key) { settings_->remove(FullKey(group, key)); }

std::vector<std::string> QtSettings::Keys(std::string_view group) const {
  settings_->beginGroup(Q(group));
  const QStringList keys = settings_->childKeys();
  settings_->endGroup();
  std::vector<std::string> out;
  for (const auto& k : keys) out.push_back(k.toStdString());
  return out;
}

void QtSettings::Sync() { settings_->sync(); }

}  // namespace tembrel::gui
