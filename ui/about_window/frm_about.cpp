#include "ui/about_window/frm_about.h"

#include <QLabel>

#include "ui/main_window/twips.h"
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

QLabel* addImage(QWidget* parent, const char* name, QRect geometry, const QString& path) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setGeometry(geometry);
  l->setPixmap(QPixmap(path));
  return l;
}

}  // namespace

frmAbout::frmAbout(QWidget* mainWindow, MainWindowControls& main, const QString& optionsLocation)
    : QWidget(mainWindow, Qt::Window), main_(main) {
  setObjectName("frmAbout");
  setUpGameWindow(this, "About Zundabar");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kClientSizePx);

  cmdClose = new QPushButton("Close", this);
  cmdClose->setObjectName("cmdClose");
  cmdClose->setGeometry(twipsRect(1860, 3465, 960, 330));
  connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });

  addLabel(this, "Label5", twipsRect(1125, 3920, 2430, 225), "\u00a9 2026 the Zundabar developers");
  addLabel(this, "Label4", twipsRect(1050, 2100, 3165, 225),
           "    Music played by the Zundabar team.");
  addLabel(this, "Label3", twipsRect(825, 3150, 3045, 225), "https://zundabar.example.org/");
  QLabel* location = addLabel(this, "Label2", twipsRect(315, 1785, 4095, 225),
                              "HKEY_CURRENT_USER\\VB and VBA Program Settings\\ZNDBR\\");
  // A narrow serif keeps the location on its one line.
  QFont serif("DejaVu Serif Condensed");
  serif.setStyleHint(QFont::Serif);
  serif.setPointSizeF(kLocationFontPoints);
  serif.setBold(false);
  location->setFont(serif);
  location->setWordWrap(false);
  location->setToolTip("On this computer the options are kept in " + optionsLocation);
  addImage(this, "Image2", twipsRect(555, 2625, 3570, 480), ":/assets/maker_banner.png");
  addLabel(this, "Label1", twipsRect(1050, 210, 3165, 1380), kAboutParagraph);
  addImage(this, "Image1", twipsRect(210, 210, 630, 585), ":/assets/pi_sign.png");

  cmdClose->setFocus();
}

void frmAbout::cmdClose_Click() {
  hide();
  main_.setLabelVisible(LabelId::Label1, false);
  main_.setTimer(TimerId::Timer1, true);
}
