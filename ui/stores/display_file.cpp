#include "ui/stores/display_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "ui/stderr_report.h"

namespace {

// Far more than the three lines the game writes.
constexpr qint64 kMaxFileBytes = 4096;

// The line names a path from outside, so control characters in it are shown escaped.
void tell(const QString& line) { tellOnStderr(printable(line.toStdString())); }

}  // namespace

DisplayFile::DisplayFile(QString path) : path_(std::move(path)) {}

QString DisplayFile::defaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         "/Zundabar/display.conf";
}

DisplayChoice DisplayFile::load() const {
  const QFileInfo info(path_);
  if (!info.exists()) return {};
  QFile file(path_);
  // Only a regular file of a plausible size is read, so that reading never blocks.
  const bool readable =
      info.isFile() && info.size() <= kMaxFileBytes && file.open(QIODevice::ReadOnly);
  DisplayChoice choice;
  bool damaged = !readable;
  if (readable) {
    for (const QByteArray& raw : file.readAll().split('\n')) {
      const QByteArray line = raw.trimmed();
      bool number = true;
      if (line.startsWith("Zoom=")) {
        choice.zoom = line.mid(5).toInt(&number);
        damaged |= !number || choice.zoom < 1 || choice.zoom > kMaxZoom;
      } else if (line == "FullScreen=true" || line == "FullScreen=false") {
        choice.fullScreen = line.endsWith("true");
      } else {
        damaged |= !line.isEmpty() && line != "[Display]";
      }
    }
  }
  if (damaged) {
    tell(QString("the display settings in %1 cannot be read; the window opens at its own size")
             .arg(path_));
    return {};
  }
  return choice;
}

void DisplayFile::save(const DisplayChoice& choice) const {
  QDir().mkpath(QFileInfo(path_).absolutePath());
  QSaveFile file(path_);
  const QByteArray text = QString("[Display]\nZoom=%1\nFullScreen=%2\n")
                              .arg(choice.zoom)
                              .arg(choice.fullScreen ? "true" : "false")
                              .toUtf8();
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
    tell(QString("could not save the display settings to %1: %2").arg(path_, file.errorString()));
  }
}
