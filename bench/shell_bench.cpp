// Figures of the Qt shell, one line each as "name value unit": a tick with the frame it draws,
// unzoomed and zoomed, the game timer's period, and one music step with the real wave player.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "design/display_rules.h"
#include "game/time_mixed_random.h"
#include "tests/fakes/fake_ports.h"
#include "ui/game_font.h"
#include "ui/main_window/lazy_wave_player.h"
#include "ui/main_window/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<size_t>(p * values.size()))];
}

void print(const char* name, double value, const char* unit) {
  std::printf("%s %.3f %s\n", name, value, unit);
  std::fflush(stdout);
}

// Keeps the player far above the ledge so that no level ends during a measurement.
void keepFlying(MainWindow& form) { form.game().state().playerY = 0; }

void frame(MainWindow& form, const char* name) {
  QWidget* inner = form.playfield()->inner();
  QImage image(inner->size() * inner->devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(inner->devicePixelRatioF());
  std::vector<double> us;
  for (int i = 0; i < 3000; ++i) {
    keepFlying(form);
    const auto start = Clock::now();
    form.playTick();
    inner->render(&image);
    us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
  }
  print(name, median(us), "us");
}

void period(MainWindow& form, int ticks) {
  std::vector<double> stamps;
  QElapsedTimer clock;
  clock.start();
  QTimer& timer1 = form.timer(TimerId::Tick);
  QObject::connect(&timer1, &QTimer::timeout, [&] {
    stamps.push_back(clock.nsecsElapsed() / 1e6);
    keepFlying(form);
    if (static_cast<int>(stamps.size()) > ticks) QCoreApplication::quit();
  });
  form.setTimer(TimerId::Tick, true);
  QApplication::exec();
  form.setTimer(TimerId::Tick, false);
  std::vector<double> periods, deviations;
  for (size_t i = 1; i < stamps.size(); ++i) {
    periods.push_back(stamps[i] - stamps[i - 1]);
    deviations.push_back(std::abs(periods.back() - 60.0));
  }
  double sum = 0;
  for (double p : periods) sum += p;
  print("period_mean_ms", sum / periods.size(), "ms");
  print("period_p99_dev_ms", percentile(deviations, 0.99), "ms");
}

void musicStep() {
  QTemporaryDir dir;
  QFile::copy(QString(ZUNDABAR_MUSIC_FILE), dir.filePath("Music.wav"));
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  FakeStore store;
  store.values["Music"] = "True";
  LazyWavePlayer player({ZUNDABAR_AUDIO_MODULE});
  Music music(store, player);
  std::vector<double> ms;
  for (int i = 0; i < 21; ++i) {
    const auto start = Clock::now();
    music.step();
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    QElapsedTimer pause;
    pause.start();
    while (pause.elapsed() < 50) QCoreApplication::processEvents();
  }
  print("music_step_first_ms", ms.front(), "ms");
  print("music_step_ms", median(ms), "ms");
  QDir::setCurrent(previous);
}

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir config;
  setenv("XDG_CONFIG_HOME", qPrintable(config.path()), 1);
  QApplication app(argc, argv);
  useGameFont();
  const int ticks = argc > 1 ? std::atoi(argv[1]) : 500;
  FakeKeys keys;
  FakeStore store;
  FakeWavePlayer silent;
  TimeMixedRandom random;
  MainWindow form(keys, store, silent, random);
  form.start();
  frame(form, "frame_us");
  // The same at the largest zoom a 1920 x 1080 screen takes.
  const QSize design = MainWindow::designGeometry().size();
  form.showZoomed(largestZoomFitting({1920, 1080}, {design.width(), design.height()}), false);
  frame(form, "frame_zoom_us");
  form.showZoomed(1, false);
  period(form, ticks);
  musicStep();
  return 0;
}
