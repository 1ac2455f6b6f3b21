// A bare Qt window of the game window's size, the yardstick for its start-up time and memory.
// With --label it shows one caption, so that the cost of showing any text at all (the font
// database, the font engine) is in the yardstick too.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Bare");
  window.setFixedSize(492, 498);
  if (argc > 1 && std::strcmp(argv[1], "--label") == 0) new QLabel("Score:", &window);
  window.show();
  return QApplication::exec();
}
