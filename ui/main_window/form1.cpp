#include "ui/main_window/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>

#include "ui/about_window/frm_about.h"
#include "ui/game_font.h"
#include "ui/main_window/message_box.h"
#include "ui/main_window/twips.h"
#include "ui/options_window/frm_options.h"
#include "ui/window_parts.h"

namespace {

constexpr double kLargeFontPoints = 13.5;
const QString kStartPrompt =
    "Press 'F1' for configuration options.       Press 'Space' to begin game";

constexpr QColor toColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

// The credit banner reports a click.
class ClickableLabel final : public QLabel {
 public:
  ClickableLabel(QWidget* parent, std::function<void()> onClick)
      : QLabel(parent), onClick_(std::move(onClick)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      onClick_();
    }
  }

 private:
  std::function<void()> onClick_;
};

}  // namespace

Form1::Form1(KeyState& keys, SettingsStore& store, WavePlayer& player, RandomSource& random,
             QString optionsLocation)
    : store_(store),
      playfield_((loadAssets(), new PlayfieldWidget(this))),
      game_(GamePorts{keys, *playfield_, *this, store, random}),
      music_(store, player),
      playControl_(keys, *this, store, music_),
      optionsLocation_(std::move(optionsLocation)) {
  setObjectName("Form1");
  setUpGameWindow(this, "Zundabar");
  setGeometry(kClientGeometryPx);
  setFixedSize(kClientGeometryPx.size());
  playfield_->setGeometry(kPlayfieldGeometryPx);

  // The labels in creation order; all but Label1, the start prompt, lie on the grass.
  QWidget* inner = playfield_->inner();
  QLabel* level = ::addLabel(inner, "Label3", twipsRect(5840, 6390, 435, 225), "Level:");
  addRuntimeLabel(LabelId::lblLevel, "lblLevel", inner, twipsRect(6510, 6289, 150, 360), "L");
  addRuntimeLabel(LabelId::lblJump, "lblJump", inner, twipsRect(3360, 6289, 840, 360), "Jumps");
  addRuntimeLabel(LabelId::Label2, "Label2", inner, twipsRect(105, 6405, 3105, 195),
                  "SuperHappyUltraHyperMegaMonkeyJumps:");
  addRuntimeLabel(LabelId::Label1, "Label1", inner, twipsRect(2430, 1575, 2535, 435), kStartPrompt);
  ::addLabel(this, "Label4", twipsRect(5145, 6975, 465, 195), "Score:");
  addRuntimeLabel(LabelId::lblScore, "lblScore", this, twipsRect(5775, 7005, 1515, 360), "0");

  const QColor designGreen(0, 255, 0);
  for (QLabel* l :
       {level, label(LabelId::lblLevel), label(LabelId::lblJump), label(LabelId::Label2)}) {
    QPalette p = l->palette();
    p.setColor(QPalette::Window, designGreen);
    l->setPalette(p);
  }
  QPalette prompt = label(LabelId::Label1)->palette();
  prompt.setColor(QPalette::Window, QColor(0, 0, 255));
  prompt.setColor(QPalette::WindowText, Qt::black);
  label(LabelId::Label1)->setPalette(prompt);
  for (LabelId number : {LabelId::lblLevel, LabelId::lblJump, LabelId::lblScore}) {
    QFont f = label(number)->font();
    f.setPointSizeF(kLargeFontPoints);
    f.setUnderline(true);
    f.setBold(false);
    label(number)->setFont(f);
  }

  image1_ = new ClickableLabel(this, [this] { playControl_.Image1_Click(); });
  image1_->setObjectName("Image1");
  image1_->setPixmap(QPixmap(":/assets/credit_banner.bmp"));
  image1_->setGeometry(twipsRect(2460, 6975, 2475, 420));
  image1_->setCursor(Qt::PointingHandCursor);
  image1_->setToolTip("About Zundabar");
  playfield_->raiseDrawingLayer();

  struct TimerSetup {
    TimerId id;
    const char* name;
    int intervalMs;
    bool on;
    std::function<void()> handler;
  };
  const TimerSetup setups[] = {
      {TimerId::Timer1, "Timer1", kTickIntervalMs, false, [this] { game_.Timer1_Timer(); }},
      {TimerId::tmrMusic, "tmrMusic", kMusicReplayIntervalMs, false,
       [this] { music_.tmrMusic_Timer(); }},
      {TimerId::tmrListen, "tmrListen", kListenIntervalMs, true,
       [this] { playControl_.tmrListen_Timer(); }},
  };
  for (const TimerSetup& setup : setups) {
    auto* timer = new QTimer(this);
    timer->setObjectName(setup.name);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(setup.intervalMs);
    connect(timer, &QTimer::timeout, this, setup.handler);
    if (setup.on) timer->start();
    timers_[setup.id] = timer;
  }

  game_.Form_Load();
}

Form1::~Form1() = default;

void Form1::addRuntimeLabel(LabelId id, const char* name, QWidget* parent, QRect geometry,
                            const QString& caption) {
  labels_[id] = ::addLabel(parent, name, geometry, caption);
  designWidths_[id] = geometry.width();
}

void Form1::fitWidth(LabelId id) {
  // The number labels grow with their captions and shrink back to their designed width.
  if (id != LabelId::lblLevel && id != LabelId::lblJump && id != LabelId::lblScore) return;
  QLabel* l = label(id);
  const int needed = l->fontMetrics().horizontalAdvance(l->text());
  l->resize(std::max(designWidths_.at(id), needed), l->height());
}

void Form1::setCaption(LabelId id, const std::string& caption) {
  label(id)->setText(QString::fromStdString(caption));
  fitWidth(id);
}

void Form1::setBackColor(LabelId id, Rgb colour) {
  QPalette p = label(id)->palette();
  p.setColor(QPalette::Window, toColor(colour));
  label(id)->setPalette(p);
}

void Form1::setLabelVisible(LabelId id, bool visible) { label(id)->setVisible(visible); }

void Form1::setTimer(TimerId id, bool on) {
  // Switching on a timer that already runs must not restart its period.
  QTimer& t = timer(id);
  if (on && !ended_ && !t.isActive()) t.start();
  if (!on) t.stop();
}

bool Form1::timerOn(TimerId id) const { return timers_.at(id)->isActive(); }

void Form1::restoreGeometry() {
  setFixedSize(kClientGeometryPx.size());
  playfield_->setGeometry(kPlayfieldGeometryPx);
}

void Form1::showMessage(const std::string& text) {
  showGameMessage(this, QString::fromStdString(text));
  // Play goes on at once: the keys must reach this window again, with or without a window
  // manager to hand the focus back.
  activateWindow();
}

frmOptions* Form1::optionsWindow() const { return static_cast<frmOptions*>(options_.data()); }

frmAbout* Form1::aboutWindow() const { return static_cast<frmAbout*>(about_.data()); }

// Both windows are modeless: showing them waits for nothing.
void Form1::showOptions() {
  if (!options_) options_ = new frmOptions(this, OptionsBehaviour(game_, store_, music_, *this));
  options_->show();
  options_->raise();
  options_->activateWindow();
}

void Form1::showAbout() {
  if (!about_) about_ = new frmAbout(this, *this, optionsLocation_);
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void Form1::endProgram() {
  ended_ = true;
  for (auto& [id, t] : timers_) t->stop();
  QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event) {
  playControl_.Form_QueryUnload();
  event->accept();
}
