#include "ui/stores/qsettings_store.h"

#include <QSettings>
#include <memory>

#include "game/option_rules.h"
#include "play/outside_text.h"

namespace {

// A fresh view of the store each time: nothing is cached between uses.
std::unique_ptr<QSettings> openStore() {
  auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                              QString::fromStdString(options::kStoreFolder),
                                              QString::fromStdString(options::kApplication));
  settings->beginGroup(QString::fromStdString(options::kSection));
  return settings;
}

}  // namespace

QString QSettingsStore::location() { return openStore()->fileName(); }

std::string QSettingsStore::shownLocation() const { return printable(location().toStdString()); }

OptionsStorage::Found QSettingsStore::read(const std::string& key) {
  const auto settings = openStore();
  const QVariant value = settings->value(QString::fromStdString(key));
  Found found;
  if (settings->status() != QSettings::NoError) {
    found.problems.push_back("could not read the options in " + shownLocation() +
                             "; missing options take their defaults");
  }
  if (value.isValid()) found.text = value.toString().toStdString();
  return found;
}

OptionsStorage::Written QSettingsStore::write(const std::map<std::string, std::string>& values) {
  const auto settings = openStore();
  for (const auto& [key, text] : values) {
    settings->setValue(QString::fromStdString(key), QString::fromStdString(text));
  }
  settings->sync();
  Written written;
  if (settings->status() == QSettings::NoError) return written;
  const char* why =
      settings->status() == QSettings::AccessError ? "it cannot be written" : "it is damaged";
  for (const auto& [key, text] : values) written.failed[key] = why;
  return written;
}
