// A bare Qt window of the game window's size, the yardstick for its start-up time and memory.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Bare");
  window.setFixedSize(492, 498);
  window.show();
  return QApplication::exec();
}
