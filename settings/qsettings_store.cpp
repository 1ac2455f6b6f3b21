#include "settings/qsettings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <cstdio>
#include <memory>

#include "settings/option_rules.h"

namespace {

// Larger than any options file this game writes by far, small enough to read at once.
constexpr qint64 kMaxPlausibleFileBytes = 4 * 1024 * 1024;

// A fresh view of the store each time: nothing is cached between uses.
std::unique_ptr<QSettings> openStore() {
  auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                              "VB and VBA Program Settings",
                                              QString::fromStdString(options::kApplication));
  settings->beginGroup(QString::fromStdString(options::kSection));
  return settings;
}

void tell(const QString& line) {
  std::fprintf(stderr, "zundabar: %s\n", qPrintable(line));
  std::fflush(stderr);
}

}  // namespace

QString QSettingsStore::location() { return openStore()->fileName(); }

bool QSettingsStore::fileLooksCorrupt() const {
  QFile file(location());
  if (!QFileInfo(file).isFile()) return false;
  if (file.size() > kMaxPlausibleFileBytes) return true;
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  if (bytes.contains('\0')) return true;
  QStringDecoder utf8(QStringDecoder::Utf8);
  (void)QString(utf8(bytes));
  return utf8.hasError();
}

void QSettingsStore::reportOnce(bool& reported, const QString& line) {
  if (reported) return;
  reported = true;
  tell(line);
}

std::string QSettingsStore::get(const std::string& key) {
  if (fileLooksCorrupt()) {
    reportOnce(corruptReported_, QString("the options file %1 is corrupt; the options take "
                                         "their defaults until one is saved")
                                     .arg(location()));
    return {};
  }
  const auto settings = openStore();
  const QString text = settings->value(QString::fromStdString(key)).toString();
  if (settings->status() != QSettings::NoError) {
    reportOnce(readErrorReported_,
               QString("could not read the options file %1; missing options take their "
                       "defaults")
                   .arg(settings->fileName()));
  }
  return text.toStdString();
}

void QSettingsStore::save(const std::string& key, const std::string& text) {
  if (fileLooksCorrupt()) {
    // Keep the unreadable file beside the new one rather than writing over it.
    const QString file = location();
    const QString kept = file + ".corrupt";
    QFile::remove(kept);
    if (QFile::rename(file, kept)) {
      tell(QString("the options file %1 was corrupt; it is kept as %2 and a new one is written")
               .arg(file, kept));
      corruptReported_ = true;
    }
  }
  const auto settings = openStore();
  settings->setValue(QString::fromStdString(key), QString::fromStdString(text));
  settings->sync();
  if (settings->status() != QSettings::NoError) {
    const char* why =
        settings->status() == QSettings::AccessError ? "it cannot be written" : "it is corrupt";
    tell(QString("could not save the option %1 to %2: %3")
             .arg(QString::fromStdString(key), settings->fileName(), why));
  }
}
