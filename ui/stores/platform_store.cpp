#include "ui/stores/platform_store.h"

#include <QtGlobal>

#include "play/options_store.h"
#include "ui/stderr_report.h"

#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
#include "ui/stores/qsettings_store.h"

std::unique_ptr<SettingsStore> makePlatformStore() {
  return std::make_unique<OptionsStore>(std::make_unique<QSettingsStore>(), tellOnStderr);
}

QString platformStoreLocation() { return QSettingsStore::location(); }

#else
#include <QFile>
#include <QStandardPaths>

#include "game/option_rules.h"
#include "ui/stores/options_file_store.h"

std::unique_ptr<SettingsStore> makePlatformStore() {
  return std::make_unique<OptionsStore>(
      std::make_unique<OptionsFileStore>(QFile::encodeName(platformStoreLocation()).toStdString()),
      tellOnStderr);
}

// The path QSettings gives the same options: it must not be asked, since it reads the whole
// file as soon as it is made.
QString platformStoreLocation() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" +
         QString::fromStdString(options::kStoreFolder) + "/" +
         QString::fromStdString(options::kApplication) + ".conf";
}
#endif
