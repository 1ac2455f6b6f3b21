#include "ui/stores/qsettings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <cstdio>
#include <memory>

#include "game/option_rules.h"

namespace {

// Larger than any options file this game writes by far, small enough to read at once.
constexpr qint64 kMaxPlausibleFileBytes = 4 * 1024 * 1024;
// Far longer than any text the game stores ("Progression" at most "10", the others "False").
constexpr qsizetype kMaxOptionChars = 64;

// A fresh view of the store each time: nothing is cached between uses.
std::unique_ptr<QSettings> openStore() {
  auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                              "VB and VBA Program Settings",
                                              QString::fromStdString(options::kApplication));
  settings->beginGroup(QString::fromStdString(options::kSection));
  return settings;
}

// The first line that is neither blank, a comment, a [section] nor a key=value pair, counting
// from 1; 0 when every line is one of them.
int firstDamagedLine(const QByteArray& text) {
  int number = 0;
  for (const QByteArray& raw : text.split('\n')) {
    ++number;
    const QByteArray line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(';') || line.startsWith('#') || line.contains('='))
      continue;
    if (line.startsWith('[') && line.endsWith(']')) continue;
    return number;
  }
  return 0;
}

void tell(const QString& line) {
  std::fprintf(stderr, "zundabar: %s\n", qPrintable(line));
  std::fflush(stderr);
}

}  // namespace

QString QSettingsStore::location() { return openStore()->fileName(); }

QSettingsStore::FileCheck QSettingsStore::checkFile() const {
  QFile file(location());
  if (!QFileInfo(file).isFile()) return {};
  if (file.size() > kMaxPlausibleFileBytes) return {true, 0};
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  if (bytes.contains('\0')) return {true, 0};
  QStringDecoder utf8(QStringDecoder::Utf8);
  (void)QString(utf8(bytes));
  if (utf8.hasError()) return {true, 0};
  return {false, firstDamagedLine(bytes)};
}

void QSettingsStore::reportOnce(bool& reported, const QString& line) {
  if (reported) return;
  reported = true;
  tell(line);
}

std::string QSettingsStore::get(const std::string& key) {
  const FileCheck check = checkFile();
  if (check.damagedLine != 0) {
    // The store reads the lines around it; the options on them still count.
    reportOnce(damagedReported_, QString("line %1 of the options file %2 is damaged; the "
                                         "options on the other lines are used")
                                     .arg(check.damagedLine)
                                     .arg(location()));
  }
  if (check.unreadable) {
    reportOnce(corruptReported_, QString("the options file %1 is corrupt; the options take "
                                         "their defaults until one is saved")
                                     .arg(location()));
    return {};
  }
  const auto settings = openStore();
  const QString text = settings->value(QString::fromStdString(key)).toString();
  // A damaged line is the format error the store finds, and it has been told already.
  const bool toldAlready = check.damagedLine != 0 && settings->status() == QSettings::FormatError;
  if (settings->status() != QSettings::NoError && !toldAlready) {
    reportOnce(readErrorReported_,
               QString("could not read the options file %1; missing options take their "
                       "defaults")
                   .arg(settings->fileName()));
  }
  if (text.size() > kMaxOptionChars) {
    reportOnce(tooLongReported_, QString("the option %1 in %2 is %3 characters long; it is "
                                         "ignored and takes its default")
                                     .arg(QString::fromStdString(key), settings->fileName())
                                     .arg(text.size()));
    return {};
  }
  return text.toStdString();
}

void QSettingsStore::save(const std::string& key, const std::string& text) {
  const FileCheck check = checkFile();
  if (check.unreadable) {
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
  // A damaged line, told already, makes the store report a format error although it wrote the
  // new text and every readable line; only that line is gone.
  const bool toldAlready = check.damagedLine != 0 && settings->status() == QSettings::FormatError;
  if (settings->status() != QSettings::NoError && !toldAlready) {
    const char* why =
        settings->status() == QSettings::AccessError ? "it cannot be written" : "it is corrupt";
    tell(QString("could not save the option %1 to %2: %3")
             .arg(QString::fromStdString(key), settings->fileName(), why));
  }
}
