#include "ui/main_window/qt_wave_player.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include "play/wave_header.h"
#include "ui/stderr_report.h"

QtWavePlayer::QtWavePlayer(QObject* parent) : QObject(parent) {}

QtWavePlayer::~QtWavePlayer() = default;

void QtWavePlayer::refuse(const QString& path, const QString& why) {
  if (reportedPath_ == path + why) return;
  reportedPath_ = path + why;
  tellOnStderr("cannot play the music file " + printable(QFile::encodeName(path).toStdString()) +
               ": " + printable(why.toStdString()));
}

void QtWavePlayer::play(const std::string& fileName) {
  const QString path = QDir::current().absoluteFilePath(QString::fromStdString(fileName));
  const QFileInfo info(path);
  // Each request replaces the sound before it, even one that ends up playing nothing.
  if (effect_) effect_->stop();
  if (!info.exists()) return;
  if (!info.isFile()) return refuse(path, "it is not a file");
  if (info.size() > kMaxMusicBytes) return refuse(path, "it is larger than 64 MiB");
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return refuse(path, file.errorString());
  const QByteArray head = file.read(kWaveHeadBytes);
  const std::string problem =
      waveFileProblem(std::string_view(head.constData(), head.size()), info.size());
  if (!problem.empty()) return refuse(path, QString::fromStdString(problem));

  // Each request plays the file found there now. An unchanged file is not decoded anew; one
  // replaced since it was loaded goes to a new effect, as an effect keeps the sample format of
  // the first sound it played, and the old sound goes with the old effect.
  const FileVersion version{path, info.size(), info.lastModified()};
  if (!effect_ || version != loadedVersion_) {
    delete effect_;
    effect_ = new QSoundEffect(this);
    connect(effect_, &QSoundEffect::statusChanged, this, [this] {
      if (effect_->status() == QSoundEffect::Error) {
        refuse(effect_->source().toLocalFile(), "it is not a playable wave file");
      }
    });
    effect_->setSource(QUrl::fromLocalFile(path));
    loadedVersion_ = version;
  }
  effect_->play();
}
