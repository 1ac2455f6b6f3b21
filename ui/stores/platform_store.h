#pragma once

#include <QString>
#include <memory>

#include "game/settings_store.h"

// The options store of this platform: the registry on Windows and the preferences on macOS
// through QSettings, and on Linux a file of our own where QSettings would keep it.
std::unique_ptr<SettingsStore> makePlatformStore();
// Where that store keeps the options: a file's path, or the registry key.
QString platformStoreLocation();
