#pragma once

#include <QObject>
#include <QSize>
#include <functional>

#include "ui/stores/display_file.h"

class MainWindow;
class QAction;
class QKeyEvent;
class QMenu;

// How large the player sees the main window: Ctrl+Plus and Ctrl+Minus step its zoom through
// whole factors up to the largest that fits the screen, Ctrl+0 goes back to 1x, F11 and
// Alt+Enter switch full screen, and a right click on the window offers the same in a menu.
// The choice is kept in its display file.
class DisplayModes final : public QObject {
  Q_OBJECT

 public:
  DisplayModes(MainWindow& window, DisplayFile file);

  // Shows the window as the player last left it; a zoom that no longer fits takes the largest
  // that does.
  void restore();
  // In full screen these first go back to the window.
  void zoomBy(int step);
  void zoomTo(int zoom);
  void toggleFullScreen();

  // The largest whole factor at which the window, with its frame, fits the screen's work area.
  int largestWindowZoom() const;
  // The largest whole factor at which the picture fits the whole screen.
  int fullScreenZoom() const;
  static int largestZoomFitting(QSize area, QSize frame = {});
  // The right-click menu once it has been shown.
  QMenu* menu() const { return menu_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* addAction(const QString& text, const QList<QKeySequence>& keys,
                     const std::function<void()>& act);
  void show(DisplayChoice choice);
  bool isDisplayKey(const QKeyEvent& key) const;
  void fillMenu();
  void keepOnScreen();

  MainWindow& window_;
  DisplayFile file_;
  DisplayChoice choice_;
  QMenu* menu_ = nullptr;
  QAction* zoomIn_;
  QAction* zoomOut_;
  QAction* actualSize_;
  QAction* fullScreen_;
};
