#pragma once

#include <QLibrary>
#include <QObject>
#include <QString>
#include <memory>

#include "play/wave_player.h"

// The wave player the game starts with: the audio stack (Qt Multimedia and the sound server's
// libraries) lives in a module of its own, loaded at the first request rather than at start-up.
// When the module cannot be loaded the game plays silently and says so once on stderr.
class LazyWavePlayer final : public QObject, public WavePlayer {
  Q_OBJECT

 public:
  // paths: where to look for the module, first found wins.
  explicit LazyWavePlayer(QStringList paths = modulePaths(), QObject* parent = nullptr);
  ~LazyWavePlayer() override;
  void play(const std::string& fileName) override;
  bool loaded() const { return player_ != nullptr; }

  // Where the module is looked for: beside the program, then in the installed library folder.
  static QStringList modulePaths();

 private:
  QStringList paths_;
  bool tried_ = false;
  QLibrary library_;
  WavePlayer* player_ = nullptr;
  QObject* playerObject_ = nullptr;
};
