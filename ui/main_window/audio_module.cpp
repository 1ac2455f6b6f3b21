#include "ui/main_window/audio_module.h"

#include "ui/main_window/qt_wave_player.h"

extern "C" Q_DECL_EXPORT QObject* zundabarCreateWavePlayer(WavePlayer** player) {
  auto* created = new QtWavePlayer();
  *player = created;
  return created;
}
