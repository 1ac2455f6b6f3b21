#pragma once

#include <QObject>

#include "design/display_controller.h"
#include "ui/stores/display_file.h"

class MainWindow;
class QAction;
class QKeyEvent;
class QMenu;

// The display modes on Qt: Ctrl+Plus, Ctrl+Minus, Ctrl+0, F11 and Alt+Enter, the right-click
// menu, and the main window and its screen as the display controller sees them. The choice is
// kept in its display file.
class DisplayModes final : public QObject, private DisplayWindow, private ScreenAreas {
  Q_OBJECT

 public:
  DisplayModes(MainWindow& window, DisplayFile file);

  // Shows the window as the player last left it.
  void restore();
  void apply(DisplayCommand command);
  // The right-click menu once it has been shown.
  QMenu* menu() const { return menu_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  PixelSize designSize() const override;
  PixelSize frameSize() const override;
  PixelRect frame() const override;
  void moveFrameTo(int x, int y) override;
  void showZoomed(int zoom, bool fullScreen) override;
  PixelRect wholeScreen() const override;
  PixelRect workArea() const override;

  QAction* addAction(const QString& text, const QList<QKeySequence>& keys, DisplayCommand command);
  QAction* keyedAction(DisplayCommand command) const;
  bool isDisplayKey(const QKeyEvent& key) const;
  void fillMenu();

  MainWindow& window_;
  DisplayFile file_;
  DisplayController controller_;
  QMenu* menu_ = nullptr;
  QAction* zoomIn_;
  QAction* zoomOut_;
  QAction* actualSize_;
  QAction* fullScreen_;
};
