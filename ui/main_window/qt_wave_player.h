#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <memory>

#include "play/wave_player.h"

class QSoundEffect;

// Plays wave files with QSoundEffect. The audio stack is loaded at the first request, not at
// start-up. A missing file plays nothing; a file that cannot be played is told on stderr once.
// A file is decoded again only when its size or modification time has changed.
class QtWavePlayer final : public QObject, public WavePlayer {
  Q_OBJECT

 public:
  // Far above any music this game needs; a larger file is refused rather than loaded.
  static constexpr qint64 kMaxMusicBytes = 64 * 1024 * 1024;

  explicit QtWavePlayer(QObject* parent = nullptr);
  ~QtWavePlayer() override;
  void play(const std::string& fileName) override;

 private:
  void refuse(const QString& path, const QString& why);

  struct FileVersion {
    QString path;
    qint64 size = -1;
    QDateTime modified;
    bool operator==(const FileVersion&) const = default;
  };

  QSoundEffect* effect_ = nullptr;
  FileVersion loadedVersion_;
  QString reportedPath_;
};
