#include "evaluation/ephemeris_note.h"
#include "evaluation/enlarged_dial_window.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "evaluation/axis_graphic_window.h"
#include "evaluation/diagram_files.h"
#include "evaluation/diagram_prints.h"
#include "evaluation/picture_export_actions.h"
#include "evaluation/picture_print.h"
#include "info/help_window.h"
#include "pictures/calculating_dial.h"
#include "platform/colors.h"
#include "platform/prompter.h"
#include "platform/window_kit.h"
#include "session/session.h"

namespace gyrolux {

namespace {

constexpr int kHintMilliseconds = 15000;
constexpr int kNoRotation = 180;  // the scroll bar's middle

QPushButton* MakeButton(QWidget* parent, const char* objectName, const char* caption, QRect geometry,
                        const char* hint = nullptr) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setGeometry(geometry);
  if (hint) {
    button->setToolTip(QString::fromUtf8(hint));
    button->setToolTipDuration(kHintMilliseconds);
  }
  return button;
}

}  // namespace

EnlargedDialWindow::EnlargedDialWindow(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      session_(session) {
  setObjectName(QStringLiteral("enlargedDialWindow"));
  setWindowTitle(QString(67, u' ') + QStringLiteral("Diagramm-Vergrößerung"));
  setWindowIcon(QIcon(QPixmap::fromImage(DrawEnlargedDialIcon().toImage())));
  setFixedSize(kEnlargedDialSize, kEnlargedDialSize);
  setFont(WindowFont("MS Sans Serif", kEightPointPixels));
  SetBackground(this, clWhite);

  view_ = new DialView(this);
  view_->setObjectName(QStringLiteral("enlargedDialView"));
  view_->setGeometry(0, 0, kEnlargedDialSize, kEnlargedDialSize);
  AddPictureExportActions(
      view_, session_.prompter, [this] { return picture_; },
      [this] { return ExportBaseName(QStringLiteral("Diagramm_"), session_.chart); });

  auto* circles = new Panel(this, clSilver, 2, true);
  circles->setObjectName(QStringLiteral("houseCirclePanel"));
  circles->setGeometry(652, 565, 63, 97);
  circles->setToolTip(QStringLiteral(" Hier wählen Sie einen anderen als den MC-Häuserkreis "));
  circles->setToolTipDuration(kHintMilliseconds);
  QLabel* heading = MakeLabel(circles, QStringLiteral("Häuser:"), {6, 2});
  heading->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
  heading->adjustSize();
  const char* const names[6] = {"MC", "WI", "SO", "AS", "MO", "KN"};
  for (int factor = 0; factor < 6; ++factor) {
    auto* button = new QRadioButton(QString::fromLatin1(names[factor]), circles);
    button->setObjectName(QStringLiteral("circle%1Button").arg(QString::fromLatin1(names[factor])));
    button->setGeometry(6, 16 + 13 * factor, 52, 13);
    button->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
    SetBackground(button, clSilver);
    connect(button, &QRadioButton::clicked, this, [this, factor] { chooseCircle(factor); });
    circleButtons_[factor] = button;
  }

  rotationBar_ = new QScrollBar(Qt::Horizontal, this);
  rotationBar_->setObjectName(QStringLiteral("rotationScrollBar"));
  rotationBar_->setGeometry(440, 664, 185, 12);
  rotationBar_->setRange(0, 360);
  rotationBar_->setSingleStep(1);
  rotationBar_->setPageStep(10);
  rotationBar_->setValue(kNoRotation);
  rotationBar_->setToolTip(QStringLiteral(" Dreht den Häuserkreis in 1°- und 10°-Schritten "));
  rotationBar_->setToolTipDuration(kHintMilliseconds);
  connect(rotationBar_, &QScrollBar::valueChanged, this, [this](int position) {
    circle_.rotation = RotationOfScrollPosition(position);
    draw();
  });
  rotationLabel_ = MakeLabel(this, RotationLabel(0), {536, 684}, QStringLiteral("rotationLabel"));

  calculatingDialButton_ = MakeButton(
      this, "calculatingDialButton", "&R-Scheibe drucken", {16, 664, 121, 22},
      " Druckt das Diagramm in der für die astrologische Rechenscheibe erforderlichen Form und Größe ");
  printButton_ = MakeButton(this, "printButton", "&Drucken", {152, 664, 75, 22},
                            " Druckt das Diagramm in der dargestellten Form sowie die aktuelle Faktorenliste ");
  saveButton_ = MakeButton(this, "saveButton", "&Speichern", {232, 664, 75, 22},
                           " Speichert in einem Programmlauf auch mehrere Diagramme nacheinander mit fortlaufenden "
                           "Nummern als Metafile (*.WMF) ");
  axisGraphicButton_ = MakeButton(this, "axisGraphicButton", "&Achsen-Darstellung", {320, 664, 113, 22},
                                  " Zeigt eine 22,5°-Grafik mit der Lage aller Faktoren ");
  QPushButton* helpButton = MakeButton(this, "helpButton", "&Hilfe", {16, 632, 75, 22});
  backButton_ = MakeButton(this, "backButton", "&Zurück", {640, 672, 75, 22});
  backButton_->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));

  connect(calculatingDialButton_, &QPushButton::clicked, this, &EnlargedDialWindow::printCalculatingDial);
  connect(printButton_, &QPushButton::clicked, this, &EnlargedDialWindow::printDial);
  connect(saveButton_, &QPushButton::clicked, this, &EnlargedDialWindow::save);
  connect(axisGraphicButton_, &QPushButton::clicked, this, &EnlargedDialWindow::showAxisGraphic);
  connect(backButton_, &QPushButton::clicked, this, &QDialog::reject);

  axisGraphic_ = new AxisGraphicWindow(session_, this);
  help_ = new HelpWindow(this);
  connect(helpButton, &QPushButton::clicked, this, [this] { help_->run(); });
}

void EnlargedDialWindow::run() {
  circle_ = HouseCircle{};
  circleButtons_[MC]->setChecked(true);
  {
    const QSignalBlocker block(rotationBar_);
    rotationBar_->setValue(kNoRotation);
  }
  draw();
  move(1, 0);
  exec();
}

void EnlargedDialWindow::done(int result) {
  // The working picture goes; what was saved stays in its MCPic file.
  QFile::remove(QLatin1String(kEnlargedDialFileName));
  QDialog::done(result);
}

void EnlargedDialWindow::draw() {
  SetLabelText(rotationLabel_, RotationLabel(circle_.rotation));
  std::optional<Picture> drawn = RedrawEnlargedDial(session_, circle_);
  if (!drawn) return;
  picture_ = std::move(drawn);
  view_->setPicture(*picture_);
}

void EnlargedDialWindow::chooseCircle(int factor) {
  circle_.factor = factor;
  const QSignalBlocker block(rotationBar_);
  rotationBar_->setValue(kNoRotation);
  circle_.rotation = 0;
  draw();
}

void EnlargedDialWindow::printDial() {
  if (!picture_) return;
  const Chart& chart = session_.chart;
  PrintDiagramPage(session_.prompter, *picture_, [&](int pageWidth, int printerDpi) {
    return WithEphemerisNote(
        DialPrintPage(chart, circle_, session_.placeLabel, pageWidth, session_.printerPage.height, printerDpi),
        chart.moment);
  });
}

void EnlargedDialWindow::printCalculatingDial() {
  const bool longLines = session_.prompter.question(CalculatingDialQuestion());
  const Picture dial =
      DrawCalculatingDial(session_.chart, longLines, session_.flags.symbolFontPresent, session_.placeLabel);
  PrintDiagramPage(session_.prompter, dial, [this](int pageWidth, int) {
    return WithEphemerisNote(CalculatingDialPrintPage(pageWidth), session_.chart.moment);
  });
}

void EnlargedDialWindow::save() {
  if (picture_) SaveDiagram(*picture_, session_);
}

void EnlargedDialWindow::setCommandsEnabled(bool on) {
  for (QPushButton* button : {backButton_, saveButton_, printButton_, calculatingDialButton_, axisGraphicButton_}) {
    button->setEnabled(on);
  }
}

void EnlargedDialWindow::showAxisGraphic() {
  setCommandsEnabled(false);
  axisGraphic_->run();
  setCommandsEnabled(true);
}

}  // namespace gyrolux
