#include "ui/stores/qsettings_store.h"

#include <QSettings>
#include <memory>

#include "game/option_rules.h"
#include "ui/stderr_report.h"

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

void QSettingsStore::tellOnce(const std::string& line) {
  if (told_.insert(line).second) tellOnStderr(line);
}

std::string QSettingsStore::get(const std::string& key) {
  if (const auto held = unsaved_.find(key); held != unsaved_.end()) return held->second;
  const auto settings = openStore();
  const QString text = settings->value(QString::fromStdString(key)).toString();
  const std::string where = printable(settings->fileName().toStdString());
  if (settings->status() != QSettings::NoError) {
    tellOnce("could not read the options in " + where + "; missing options take their defaults");
  }
  if (static_cast<std::size_t>(text.size()) > options::kMaxOptionChars) {
    tellOnce("the option " + key + " in " + where + " is " + std::to_string(text.size()) +
             " characters long; it is ignored and takes its default");
    return {};
  }
  return text.toStdString();
}

void QSettingsStore::save(const std::string& key, const std::string& text) {
  const auto settings = openStore();
  settings->setValue(QString::fromStdString(key), QString::fromStdString(text));
  settings->sync();
  if (settings->status() == QSettings::NoError) {
    unsaved_.erase(key);
    return;
  }
  unsaved_[key] = text;
  const char* why =
      settings->status() == QSettings::AccessError ? "it cannot be written" : "it is damaged";
  tellOnce("could not save the option " + key + " to " +
           printable(settings->fileName().toStdString()) + ": " + why +
           "; the new value holds until the game ends");
}
