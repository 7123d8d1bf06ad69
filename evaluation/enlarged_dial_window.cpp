#include "evaluation/enlarged_dial_window.h"

#include <QComboBox>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QWheelEvent>
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
#include "midpoints/midpoint_tree.h"
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

  // The dial mode and the pointer with its midpoint tree, below the house circles.
  MakeLabel(this, QStringLiteral("Modus:"), {kColumnLeft, 352}, QStringLiteral("modeLabel"));
  modeBox_ = new QComboBox(this);
  modeBox_->setObjectName(QStringLiteral("dialModeBox"));
  modeBox_->setAccessibleName(QStringLiteral("Modus der Scheibe"));
  modeBox_->addItems({QStringLiteral("360° Tierkreis"), QStringLiteral("90°"), QStringLiteral("45°"),
                      QStringLiteral("22,5°")});
  modeBox_->setGeometry(kColumnLeft + 50, 348, kColumnWidth - 50, 22);
  modeBox_->setToolTip(QStringLiteral(" Zeigt die Faktoren auf der Scheibe des gewählten Modus "));
  modeBox_->setToolTipDuration(kHintMilliseconds);
  connect(modeBox_, &QComboBox::activated, this, &EnlargedDialWindow::chooseMode);
  pointerLabel_ = MakeLabel(this, QStringLiteral("Zeiger: –"), {kColumnLeft, 378}, QStringLiteral("pointerLabel"));
  pointerLabel_->setMinimumWidth(kColumnWidth);
  tree_ = new QListWidget(this);
  tree_->setObjectName(QStringLiteral("midpointTree"));
  tree_->setAccessibleName(QStringLiteral("Mittelpunktsbaum am Zeiger"));
  tree_->setGeometry(kColumnLeft, 396, kColumnWidth, kEnlargedDialSize - 38 - 396 - 8);
  tree_->setToolTip(QStringLiteral(" Faktoren und Halbsummen im Orbis des Zeigers; ein Klick stellt den Zeiger darauf "));
  tree_->setToolTipDuration(kHintMilliseconds);
  connect(tree_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    setPointer(item->data(Qt::UserRole).toDouble());
  });
  view_->setFocusPolicy(Qt::StrongFocus);
  view_->setToolTip(QStringLiteral(" Ziehen, Mausrad oder Pfeiltasten drehen den Zeiger (mit Umschalt 0,1°) "));
  view_->installEventFilter(this);

  axisGraphic_ = new AxisGraphicWindow(session_, this);
  help_ = new HelpWindow(this);
  connect(helpButton, &QPushButton::clicked, this, [this] { help_->run(); });
}

void EnlargedDialWindow::run() {
  writeErrorShown_ = false;
  circle_ = HouseCircle{};
  drawing_.pointer.reset();
  drawing_.mode = RememberedDialMode(QStringLiteral("enlargedDial"), kMode360);
  constexpr DialMode kShown[] = {kMode360, kMode90, kMode45, kMode22_5};
  modeBox_->setCurrentIndex(static_cast<int>(std::find(std::begin(kShown), std::end(kShown), drawing_.mode) - std::begin(kShown)));
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
  EnlargedDialDrawing drawn = RedrawEnlargedDial(session_, circle_, drawing_);
  picture_ = std::move(drawn.picture);
  view_->setPicture(*picture_);
  tree_->clear();
  if (drawing_.pointer) {
    SetLabelText(pointerLabel_, QStringLiteral("Zeiger: ") + ModeDegreesText(*drawing_.pointer));
    const ChartState* radix = ShownRadix(session_);
    const std::vector<TreeEntry> tree =
        MidpointTree(session_.chart.state, radix, drawing_.mode, *drawing_.pointer, session_.pictureOrb);
    for (const TreeEntry& entry : tree) {
      auto* item = new QListWidgetItem(QStringLiteral("%1  %2  (%3)").arg(entry.name.leftJustified(8),
                                                                           ModeDegreesText(entry.position),
                                                                           ModeDegreesText(entry.distance)),
                                       tree_);
      item->setData(Qt::UserRole, entry.position);
    }
    // The picture the branches form, "SO = MA/JU = r SO/MO".
    pointerLabel_->setToolTip(TreePicture(tree));
  } else {
    SetLabelText(pointerLabel_, QStringLiteral("Zeiger: –"));
    pointerLabel_->setToolTip(QString());
  }
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
  if (watched == view_ && pointerEvent(event)) return true;
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

void EnlargedDialWindow::chooseMode(int index) {
  constexpr DialMode kModes[] = {kMode360, kMode90, kMode45, kMode22_5};
  const DialMode mode = kModes[std::clamp(index, 0, 3)];
  if (mode == drawing_.mode) return;
  // The pointer keeps its place on the zodiac's fold: its degrees in the new mode.
  if (drawing_.pointer) drawing_.pointer = mode.Reduce(*drawing_.pointer);
  drawing_.mode = mode;
  RememberDialMode(QStringLiteral("enlargedDial"), mode);
  draw();
}

void EnlargedDialWindow::setPointer(double position) {
  const double width = drawing_.mode.Width();
  double p = std::fmod(position, width);
  if (p < 0) p += width;
  // Tenths of a degree stay exact under repeated steps.
  p = std::round(p * 1e6) / 1e6;
  drawing_.pointer = p >= width ? 0.0 : p;
  draw();
}

// Dragging with the left button, the wheel and the arrow keys turn the pointer.
bool EnlargedDialWindow::pointerEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (!(mouse->buttons() & Qt::LeftButton)) return false;
      view_->setFocus();
      const QPointF at = mouse->position() * (static_cast<double>(kEnlargedDialSize) / std::max(1, view_->width()));
      if (const std::optional<double> position = DialPositionAtPoint(drawing_.mode, at.x(), at.y())) setPointer(*position);
      return true;
    }
    case QEvent::Wheel: {
      const int steps = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
      if (steps == 0) return false;
      setPointer(drawing_.pointer.value_or(0.0) + steps);
      return true;
    }
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      const double step = key->modifiers() & Qt::ShiftModifier ? 0.1 : 1.0;
      if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Up) {
        setPointer(drawing_.pointer.value_or(0.0) + step);
      } else if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Down) {
        setPointer(drawing_.pointer.value_or(0.0) - step);
      } else {
        return false;
      }
      return true;
    }
    default: return false;
  }
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
