#include "evaluation/enlarged_dial_window.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "evaluation/ephemeris_note.h"
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
// The commands stand in a column of their own right of the dial, so that they hide none
// of its glyphs: as wide as the scroll bar, with a margin on both sides.
constexpr int kColumnLeft = kEnlargedDialSize + 8;
constexpr int kColumnWidth = 185;
constexpr int kWindowWidth = kColumnLeft + kColumnWidth + 8;

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
    : KitWindow(parent, {QStringLiteral("enlargedDialWindow"),
                         QString(67, u' ') + QStringLiteral("Diagramm-Vergrößerung"),
                         {kWindowWidth, kEnlargedDialSize},
                         clWhite,
                         WindowFrame::TitleAndClose,
                         WindowPlace::TopLeft}),
      session_(session) {
  setWindowIcon(QIcon(QPixmap::fromImage(DrawEnlargedDialIcon().toImage())));

  view_ = new DialView(this);
  view_->setObjectName(QStringLiteral("enlargedDialView"));
  view_->setAccessibleName(QStringLiteral("Diagramm-Vergrößerung"));
  view_->setGeometry(0, 0, kEnlargedDialSize, kEnlargedDialSize);
  AddPictureExportActions(
      view_, session_.prompter, [this]() -> std::optional<Picture> {
        if (!picture_) return std::nullopt;
        return WithEphemerisNote(*picture_, session_.chart.moment);
      },
      [this] { return ExportBaseName(QStringLiteral("Diagramm_"), session_.chart); });

  auto* circles = new Panel(this, clSilver, 2, true);
  circles->setObjectName(QStringLiteral("houseCirclePanel"));
  circles->setAccessibleName(QStringLiteral("Häuser:"));
  circles->setGeometry(kColumnLeft, 240, 63, 97);
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
  rotationBar_->setAccessibleName(QStringLiteral("Drehung des Häuserkreises"));
  rotationBar_->setFocusPolicy(Qt::StrongFocus);
  rotationBar_->setGeometry(kColumnLeft, 186, kColumnWidth, 12);
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
  rotationBar_->installEventFilter(this);
  rotationLabel_ = MakeLabel(this, RotationLabel(0), {kColumnLeft + 96, 204}, QStringLiteral("rotationLabel"));

  calculatingDialButton_ = MakeButton(
      this, "calculatingDialButton", "&R-Scheibe drucken", {kColumnLeft, 56, 121, 22},
      " Druckt das Diagramm in der für die astrologische Rechenscheibe erforderlichen Form und Größe ");
  printButton_ = MakeButton(this, "printButton", "&Drucken", {kColumnLeft, 86, 75, 22},
                            " Druckt das Diagramm in der dargestellten Form sowie die aktuelle Faktorenliste ");
  saveButton_ = MakeButton(this, "saveButton", "&Speichern", {kColumnLeft, 116, 75, 22},
                           " Speichert in einem Programmlauf auch mehrere Diagramme nacheinander mit fortlaufenden "
                           "Nummern als Metafile (*.WMF) ");
  axisGraphicButton_ = MakeButton(this, "axisGraphicButton", "&Achsen-Darstellung", {kColumnLeft, 146, 113, 22},
                                  " Zeigt eine 22,5°-Grafik mit der Lage aller Faktoren ");
  QPushButton* helpButton = MakeButton(this, "helpButton", "&Hilfe", {kColumnLeft, 16, 75, 22});
  backButton_ = MakeButton(this, "backButton", "&Zurück", {kColumnLeft + kColumnWidth - 75, kEnlargedDialSize - 38, 75, 22});
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
  writeErrorShown_ = false;
  circle_ = HouseCircle{};
  circleButtons_[MC]->setChecked(true);
  {
    const QSignalBlocker block(rotationBar_);
    rotationBar_->setValue(kNoRotation);
  }
  draw();
  runModal();
}

void EnlargedDialWindow::done(int result) {
  // The working picture goes; what was saved stays in its MCPic file.
  QFile::remove(QLatin1String(kEnlargedDialFileName));
  QDialog::done(result);
}

void EnlargedDialWindow::draw() {
  EnlargedDialDrawing drawn = RedrawEnlargedDial(session_, circle_);
  picture_ = std::move(drawn.picture);
  view_->setPicture(*picture_);
  SetLabelText(rotationLabel_, RotationLabel(circle_.rotation));
  if (drawn.writeError.isEmpty()) {
    writeErrorShown_ = false;
    return;
  }
  // One box per action of the user: the steps a held arrow repeats say nothing new. The
  // box takes the mouse, so the bar would never see the button go up and would go on
  // stepping under it: its press ends first.
  if (writeErrorShown_) return;
  writeErrorShown_ = true;
  EndMousePress(rotationBar_);
  session_.prompter.error(drawn.writeError);
}

bool EnlargedDialWindow::eventFilter(QObject* watched, QEvent* event) {
  // A new press of the mouse or a key on the bar is a new action: a failing img.wmf is
  // reported again.
  if (watched == rotationBar_) {
    if (event->type() == QEvent::MouseButtonPress ||
        (event->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->isAutoRepeat())) {
      writeErrorShown_ = false;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void EnlargedDialWindow::chooseCircle(int factor) {
  writeErrorShown_ = false;
  circle_.factor = factor;
  const QSignalBlocker block(rotationBar_);
  rotationBar_->setValue(kNoRotation);
  circle_.rotation = 0;
  draw();
}

void EnlargedDialWindow::printDial() {
  if (!picture_) return;
  const Chart& chart = session_.chart;
  PrintDiagramPage(session_.prompter, *picture_, [&](QSize page, int printerDpi) {
    return WithEphemerisNote(
        DialPrintPage(chart, circle_, session_.placeLabel, page.width(), page.height(), printerDpi), chart.moment);
  });
}

void EnlargedDialWindow::printCalculatingDial() {
  const bool longLines = session_.prompter.question(CalculatingDialQuestion());
  const Picture dial =
      DrawCalculatingDial(session_.chart, longLines, session_.flags.symbolFontPresent, session_.placeLabel);
  PrintDiagramPage(session_.prompter, dial, [this](QSize page, int) {
    return WithEphemerisNote(CalculatingDialPrintPage(page.width()), session_.chart.moment);
  });
}

void EnlargedDialWindow::save() {
  if (picture_) SaveDiagram(WithEphemerisNote(*picture_, session_.chart.moment), session_);
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
