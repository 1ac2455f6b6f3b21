#include "ui/about_window/about_window.h"

#include <QCloseEvent>
#include <QLabel>

#include "ui/main_window/twips.h"
#include "ui/pictures.h"
#include "ui/window_parts.h"

namespace {

constexpr QSize kClientSizePx{312, 289};
constexpr double kLocationFontPoints = 6.75;

const QString kAboutParagraph =
    "    Zundabar was made by the Zundabar developers and may be freely distributed without "
    "their permission. You can write to them at  developers@zundabar.example.org ." +
    QString(19, ' ') +
    "ZNDBR! uses four self-created registry keys, to store the options from the options "
    "dialogue:";

QLabel* addImage(QWidget* parent, const char* name, QRect geometry, const char* picture) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setGeometry(geometry);
  l->setPixmap(gamePicture(picture));
  return l;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* mainWindow, PlayControl& play, const QString& optionsLocation)
    : QWidget(mainWindow, Qt::Window), play_(play) {
  setObjectName("aboutWindow");
  setUpGameWindow(this, "About Zundabar");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kClientSizePx);

  closeButton = addButton(this, "closeButton", twipsRect(1860, 3465, 960, 330), "Close");
  connect(closeButton, &QPushButton::clicked, this, [this] { closeAndPlayOn(); });

  addLabel(this, "copyright", twipsRect(1125, 3920, 2430, 225),
           "\u00a9 2026 the Zundabar developers");
  addLabel(this, "musicCredit", twipsRect(1050, 2100, 3165, 225),
           "    Music played by the Zundabar team.");
  addLabel(this, "makerAddress", twipsRect(825, 3150, 3045, 225), "https://zundabar.example.org/");
  QLabel* location = addLabel(this, "optionsLocation", twipsRect(315, 1785, 4095, 225),
                              "HKEY_CURRENT_USER\\VB and VBA Program Settings\\ZNDBR\\");
  // A narrow serif keeps the location on its one line.
  QFont serif("DejaVu Serif Condensed");
  serif.setStyleHint(QFont::Serif);
  serif.setPointSizeF(kLocationFontPoints);
  serif.setBold(false);
  location->setFont(serif);
  location->setWordWrap(false);
  // The path comes from outside: escaped, and marked as rich text so that Qt never guesses.
  location->setToolTip("<p style='white-space:pre'>On this computer the options are kept in " +
                       optionsLocation.toHtmlEscaped() + "</p>");
  addImage(this, "makerBanner", twipsRect(555, 2625, 3570, 480), "maker_banner");
  addLabel(this, "aboutText", twipsRect(1050, 210, 3165, 1380), kAboutParagraph);
  addImage(this, "piSign", twipsRect(210, 210, 630, 585), "pi_sign");

  closeButton->setFocus();
}

void AboutWindow::closeAndPlayOn() {
  hide();
  play_.closeAbout();
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  // Closed by the window manager or the keyboard rather than by Close: play runs on all the same.
  if (isVisible()) play_.closeAbout();
  event->accept();
}
