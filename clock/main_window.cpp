#include "clock/main_window.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>

#include "clock/axis_strip.h"
#include "clock/diagramm.h"
#include "clock/dial_picture.h"
#include "clock/interval_dialog.h"
#include "clock/session.h"
#include "clock/start_up_texts.h"
#include "clock/state_file.h"
#include "clock/text_files.h"
#include "clock/title_window.h"
#include "clock/window_fonts.h"
#include "dialogs/places_file.h"
#include "platform/clipboard.h"
#include "platform/colors.h"
#include "platform/pictures.h"
#include "platform/symbol_font.h"
#include "platform/printing.h"
#include "platform/prompter.h"
#include "platform/wmf_writer.h"

namespace gyrolux {

namespace {

constexpr int kWindowWidth = 1023;
constexpr int kHintMilliseconds = 15000;

void SetBackground(QWidget* widget, QRgb color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, QColor(color));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetTextColor(QWidget* widget, QRgb color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, QColor(color));
  palette.setColor(QPalette::Text, QColor(color));
  widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, QPoint at) {
  auto* label = new QLabel(text, parent);
  label->move(at);
  label->adjustSize();
  return label;
}

void SetLabelText(QLabel* label, const QString& text) {
  if (label->text() == text) return;
  label->setText(text);
  label->adjustSize();
}

// The small clock picture right of the real-time caption.
QIcon RealTimeIcon() {
  QPixmap pixmap(12, 12);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(clNavy), 1.2));
  p.setBrush(QColor(clWhite));
  p.drawEllipse(QRectF(0.6, 0.6, 10.8, 10.8));
  p.drawLine(QPointF(6, 6), QPointF(6, 2.5));
  p.drawLine(QPointF(6, 6), QPointF(8.5, 7));
  return QIcon(pixmap);
}

QPlainTextEdit* MakeAxisList(QWidget* parent, QRect geometry, bool readOnly, QRgb base) {
  auto* list = new QPlainTextEdit(parent);
  list->setGeometry(geometry);
  list->setReadOnly(readOnly);
  list->setFont(WindowFont("Courier New", 13, true));
  list->setLineWrapMode(QPlainTextEdit::NoWrap);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette palette = list->palette();
  palette.setColor(QPalette::Base, QColor(base));
  palette.setColor(QPalette::Text, QColor(clNavy));
  list->setPalette(palette);
  return list;
}

// The same drawing in a larger frame. The axis strip is recorded 460 pixels wide, but its
// scale lines for 21 and 22 degrees, the factors near 22 degrees and the last legend
// column lie beyond that; on the window they are shown on the background.
Picture Reframed(const Picture& picture, int width, int height) {
  Picture framed(width, height);
  for (const PictureOp& op : picture.ops()) {
    framed.setPen(op.pen.color, op.pen.width);
    framed.setBrush(op.brush);
    framed.setFont(op.font.face, op.font.pointSize, op.font.bold, op.font.color);
    switch (op.kind) {
      case PictureOp::Kind::Line: framed.line(op.x1, op.y1, op.x2, op.y2); break;
      case PictureOp::Kind::Rectangle: framed.rectangle(op.x1, op.y1, op.x2, op.y2); break;
      case PictureOp::Kind::Ellipse: framed.ellipse(op.x1, op.y1, op.x2, op.y2); break;
      case PictureOp::Kind::Pixel: framed.pixel(op.x1, op.y1, op.color); break;
      case PictureOp::Kind::Text: framed.text(op.x1, op.y1, op.text, op.escapement); break;
      case PictureOp::Kind::Image: framed.image(op.x1, op.y1, op.image); break;
    }
  }
  return framed;
}

}  // namespace

// ---- DialView, Panel --------------------------------------------------------------------

DialView::DialView(QWidget* parent) : QWidget(parent) {}

void DialView::setPicture(Picture picture) {
  picture_ = std::move(picture);
  update();
}

void DialView::paintEvent(QPaintEvent*) {
  if (!picture_) return;
  QPainter painter(this);
  picture_->render(painter, QRectF(0, 0, picture_->width(), picture_->height()));
}

Panel::Panel(QWidget* parent, QRgb color, int bevel, bool raised) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | (raised ? QFrame::Raised : QFrame::Sunken));
  setLineWidth(bevel);
  SetBackground(this, color);
}

void Panel::mousePressEvent(QMouseEvent* event) {
  QFrame::mousePressEvent(event);
  if (onClick) onClick();
}

// ---- MainWindow -------------------------------------------------------------------------

MainWindow::MainWindow(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), controller_(session), icon_(ApplicationIconImage()) {
  setWindowTitle(MainWindowCaption());
  setWindowIcon(QIcon(QPixmap::fromImage(icon_)));
  setFixedSize(kWindowWidth, controller_.state().windowHeight);
  setFont(WindowFont("MS Sans Serif", kEightPointPixels));
  buildLayout();

  // The printable page of the default printer, each side rounded up to the next hundred.
  const QSize page = DefaultPrinterPageSize();
  session_.printerPage.width = static_cast<uint16_t>(std::clamp(NextHundredAbove(page.width()), 0, 65500));
  session_.printerPage.height = static_cast<uint16_t>(std::clamp(NextHundredAbove(page.height()), 0, 65500));

  // The windows this one opens, made once after it.
  intervalDialog_ = new IntervalDialog(session_.clock, this);
  titleWindow_ = new TitleWindow(session_.prompter, this);

  controller_.drawDial = [this] { refreshDial(); };
  // One timer: a tick that falls due while another is handled is delivered once.
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(session_.clock.periodMs);
  connect(&timer_, &QTimer::timeout, this, &MainWindow::tick);

  session_.flags.dialShown = true;
  showState();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

MainWindow::~MainWindow() { timer_.stop(); }

QPushButton* MainWindow::makeButton(MainButton which, QWidget* parent, const QString& caption,
                                    const QString& hint, QRect geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(geometry);
  button->setToolTip(hint);
  button->setToolTipDuration(kHintMilliseconds);
  buttons_[static_cast<int>(which)] = button;
  return button;
}

void MainWindow::buildLayout() {
  dialView_ = new DialView(this);
  dialView_->setGeometry(0, 0, 520, 525);

  cover_ = new QLabel(this);
  cover_->setGeometry(0, 0, 525, 553);
  cover_->setScaledContents(true);
  cover_->setPixmap(QPixmap::fromImage(CoverPicture()));
  cover_->hide();

  QPushButton* enlarge = makeButton(
      MainButton::Enlarge, this,
      QStringLiteral("&Vergrößern  (R-Scheibe Drucken,  Diagramm Drucken / Speichern)"),
      QStringLiteral(" Zeigt das Diagramm in vergrößerter Form mit Druck- sowie "
                     "Speichermöglichkeit als Metafile "),
      {84, 523, 344, 22});
  connect(enlarge, &QPushButton::clicked, this, [this] {
    // The enlarged diagram comes with a later window; until then it opens nothing.
    run([this] {
      controller_.beforeEnlarge();
      controller_.setButtons(true);
    });
  });

  const QString optionCaptions[3] = {QStringLiteral("Mit MC"), QStringLiteral("Mit AS"),
                                     QStringLiteral("Mit Transpluto-Faktoren")};
  const QRect optionPlaces[3] = {{96, 488, 70, 17}, {176, 488, 70, 17}, {256, 488, 161, 17}};
  for (int i = 0; i < 3; ++i) {
    auto* box = new QCheckBox(optionCaptions[i], this);
    box->setGeometry(optionPlaces[i]);
    box->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
    SetBackground(box, clSilver);
    box->hide();
    connect(box, &QCheckBox::toggled, this, [this, i](bool on) {
      AxisStripOptions& options = controller_.state().stripOptions;
      (i == 0 ? options.withMc : i == 1 ? options.withAs : options.withTranspluto) = on;
      run([this] { refreshDial(); });
    });
    optionBoxes_[i] = box;
  }

  statusLabel_ = MakeLabel(this, StatusText(false), {390, 460});
  statusLabel_->setFont(WindowFont("Courier New", 13, true));
  statusLabel_->adjustSize();

  searchResultLabel_ = MakeLabel(this, QString(), {436, 531});
  searchResultLabel_->setFont(WindowFont("MS Sans Serif", 13, true));
  SetTextColor(searchResultLabel_, clYellow);

  // About panel over the dial area.
  auto* about = new Panel(this, clMoneyGreen, 4, false);
  about->setGeometry(77, 184, 367, 105);
  auto* aboutText = new QPlainTextEdit(about);
  aboutText->setGeometry(16, 16, 337, 73);
  aboutText->setReadOnly(true);
  aboutText->setPlainText(AboutText());
  aboutText->setLineWrapMode(QPlainTextEdit::NoWrap);
  aboutText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  aboutText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  aboutText->document()->setDocumentMargin(2);
  QPalette aboutPalette = aboutText->palette();
  aboutPalette.setColor(QPalette::Base, QColor(clSilver));
  aboutText->setPalette(aboutPalette);
  about->hide();
  aboutPanel_ = about;

  // Control panel.
  auto* control = new Panel(this, clMoneyGreen, 3, true);
  control->setGeometry(528, 6, 233, 145);
  dateLabel_ = MakeLabel(control, QString(), {15, 14});
  timeLabel_ = MakeLabel(control, QString(), {15, 31});
  timeLabel_->setFont(WindowFont("MS Sans Serif", 11, true));
  timeLabel_->adjustSize();
  placeLabel_ = MakeLabel(control, QString(), {15, 48});
  intervalLabel_ = MakeLabel(control, QStringLiteral("Sek/Takt:1"), {145, 14});
  ticksLabel_ = MakeLabel(control, QStringLiteral("Takte/Sek:1"), {137, 57});
  tempoLabel_ = MakeLabel(control, QStringLiteral("1"), {166, 89});

  QPushButton* moment = makeButton(
      MainButton::Moment, control, QStringLiteral("&Datum/Zeit/Ort"),
      QStringLiteral(" Öffnet ein Fenster zum Vorgeben eines anderen Anfangs-Datums, einer "
                     "anderen Zeit und der Koordinaten eines beliebigen Ortes  "),
      {10, 65, 95, 22});
  connect(moment, &QPushButton::clicked, this, [this] {
    // The date, time and place dialog comes with a later window.
    run([this] {
      controller_.beforeMomentDialog();
      controller_.afterMomentDialog();
    });
  });

  QPushButton* interval = makeButton(
      MainButton::Interval, control, QStringLiteral("&Intervall"),
      QStringLiteral(" Öffnet ein Fenster zum Einstellen der Rechenintervalle = Schrittweite "
                     "der Diagramm-Bewegungen "),
      {130, 29, 93, 22});
  connect(interval, &QPushButton::clicked, this, [this] {
    run([this] {
      controller_.runIntervalCommand([this] {
        showState();
        intervalDialog_->run();
      });
    });
  });

  tempoScrollBar_ = new QScrollBar(Qt::Horizontal, control);
  tempoScrollBar_->setGeometry(130, 72, 93, 14);
  tempoScrollBar_->setRange(0, 40);
  tempoScrollBar_->setPageStep(1);
  // The arrow keys move the bar the way they point (left: slower or backwards).
  tempoScrollBar_->setInvertedControls(false);
  tempoScrollBar_->setValue(21);
  tempoScrollBar_->setToolTip(QStringLiteral(" Hiermit regeln Sie Tempo und Richtung der Uhr "));
  tempoScrollBar_->setToolTipDuration(kHintMilliseconds);
  connect(tempoScrollBar_, &QScrollBar::valueChanged, this,
          [this](int position) { run([this, position] { controller_.moveScrollBar(position); }); });

  QPushButton* realTime = makeButton(
      MainButton::RealTime, control, QStringLiteral("&Real Time  "),
      QStringLiteral(" Setzt Datum, Zeit und Diagramm auf Real-Time = System-Datum und -Zeit "),
      {10, 91, 95, 22});
  realTime->setIcon(RealTimeIcon());
  realTime->setLayoutDirection(Qt::RightToLeft);
  connect(realTime, &QPushButton::clicked, this, [this] { run([this] { controller_.realTime(); }); });

  QPushButton* lastMoment = makeButton(
      MainButton::LastMoment, control, QStringLiteral("&Alt-Datum/Zeit"),
      QStringLiteral(" Hiermit laden Sie Datum, Zeit und Koordinaten der letzten Anwendung "),
      {130, 111, 93, 22});
  connect(lastMoment, &QPushButton::clicked, this,
          [this] { run([this] { controller_.lastMoment(); }); });

  linearBox_ = new QCheckBox(QStringLiteral("Linear-Grafik"), control);
  linearBox_->setGeometry(10, 118, 97, 17);
  connect(linearBox_, &QCheckBox::toggled, this, [this](bool on) {
    controller_.state().linearGraphic = on;
    run([this] { refreshDial(); });
  });

  // Halt panel.
  auto* haltPanel = new Panel(this, clYellow, 3, true);
  haltPanel->setGeometry(528, 154, 105, 93);
  QPushButton* halt = makeButton(
      MainButton::Halt, haltPanel, HaltCaption(false),
      QStringLiteral(" Die Aufschrift wechselt zwischen 'Halt' und 'Weiter'; nach 'Halt' sind "
                     "die drei Optionen neben dieser Taste verfügbar."),
      {12, 11, 81, 72});
  halt->setFont(WindowFont("MS Sans Serif", 16, true));
  connect(halt, &QPushButton::clicked, this, [this] { run([this] { controller_.haltOrContinue(); }); });

  // Search panel: the commands of the halted clock.
  auto* searchPanel = new Panel(this, clGreen, 3, true);
  searchPanel->setGeometry(640, 154, 120, 93);
  QPushButton* evaluate = makeButton(
      MainButton::Evaluate, searchPanel, QStringLiteral("A&uswerten"),
      QStringLiteral(" Bietet insgesamt sieben Auswertungs-Möglichkeiten; alle Ergebnisse sind "
                     "speicher- und ausdruckbar. "),
      {13, 12, 95, 22});
  connect(evaluate, &QPushButton::clicked, this, [this] {
    // The evaluation window comes later; it would switch the buttons on when it closes.
    run([this] {
      controller_.beforeEvaluation();
      controller_.setButtons(true);
    });
  });
  QPushButton* pictureSearch = makeButton(
      MainButton::PictureSearch, searchPanel, QStringLiteral("&Pl.-Bild-Suche"),
      QStringLiteral(" Der 'Wecker' der Gyrolux. Sie geben ein Planetenbild ein; beim Auftreten "
                     "des Planetenbildes bleibt die Suche stehen. "),
      {13, 36, 95, 22});
  QPushButton* midpointSearch = makeButton(
      MainButton::MidpointSearch, searchPanel, QStringLiteral("&Halbs.-Suche"),
      QStringLiteral(" Sie geben eine Halbsumme und einen 22,5°-Winkel ein; das Programm sucht "
                     "wie bei PL.-Bild-Suche "),
      {13, 60, 95, 22});
  for (auto [button, kind] : {std::pair{pictureSearch, SearchKind::Picture},
                              std::pair{midpointSearch, SearchKind::Midpoint}}) {
    // The search dialogs come later: a search that finds nothing returns to real time.
    connect(button, &QPushButton::clicked, this, [this, kind = kind] {
      run([this, kind] {
        controller_.beforeSearch(kind);
        controller_.afterSearch(kind);
      });
    });
  }
  for (QPushButton* b : {evaluate, pictureSearch, midpointSearch}) {
    b->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
  }

  axisLists_[0] = MakeAxisList(this, {528, 250, 234, 233}, true, clCream);
  axisLists_[0]->setToolTip(QStringLiteral(" Hier sehen Sie alle Halbsummen im Orbis der Achse MC/MC "));
  axisLists_[0]->setToolTipDuration(kHintMilliseconds);
  axisLists_[1] = MakeAxisList(this, {768, 6, 234, 182}, false, clWhite);
  axisLists_[2] = MakeAxisList(this, {768, 184, 234, 182}, false, clWhite);
  axisLists_[3] = MakeAxisList(this, {768, 366, 234, 182}, false, clWhite);

  // Bottom panel: a click on the green field itself covers or uncovers the dial.
  bottomPanel_ = new Panel(this, clTeal, 3, true);
  bottomPanel_->setGeometry(528, 486, 233, 62);
  bottomPanel_->onClick = [this] { run([this] { controller_.toggleCover(); }); };
  QPushButton* aboutButton = makeButton(MainButton::About, bottomPanel_,
                                        QStringLiteral("&Quell-Information"),
                                        QStringLiteral(" Schaltet das Info-Fenster ein und auch wieder aus "),
                                        {18, 8, 95, 22});
  connect(aboutButton, &QPushButton::clicked, this, [this] { run([this] { controller_.toggleAbout(); }); });
  makeButton(MainButton::Introduction, bottomPanel_, QStringLiteral("Progr.&Einführung"),
             QStringLiteral(" Zeigt einen Hilfe/Einführungstext zum Programm "), {122, 8, 95, 22});
  // The introduction window comes later; its button opens nothing for now.
  QPushButton* exit = makeButton(
      MainButton::Exit, bottomPanel_, QStringLiteral("&Beenden"),
      QStringLiteral(" Das Programm 'merkt' sich End-Datum, -Zeit und -Koordinaten für die Taste "
                     "'Alt-Datum/Zeit'; es startet generell mit den letzten Koordinaten und der "
                     "Real-Time des Systems. "),
      {70, 32, 95, 22});
  exit->setFont(WindowFont("MS Sans Serif", 13, true));
  connect(exit, &QPushButton::clicked, this, &QWidget::close);

  // What lies on top: the cover over the dial, the about panel and the labels over both.
  cover_->raise();
  enlarge->raise();
  for (QCheckBox* box : optionBoxes_) box->raise();
  aboutPanel_->raise();
  statusLabel_->raise();
  searchResultLabel_->raise();
}

void MainWindow::applyHintSettings() {
  QPalette palette = QToolTip::palette();
  palette.setColor(QPalette::ToolTipBase, QColor(clYellow));
  palette.setColor(QPalette::ToolTipText, QColor(clBlack));
  QToolTip::setPalette(palette);
  QToolTip::setFont(WindowFont("ms sans serif", kEightPointPixels));
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!startUpDone_) QTimer::singleShot(0, this, [this] { startUp(); });
}

void MainWindow::startUp() {
  if (startUpDone_) return;
  startUpDone_ = true;
  setWindowTitle(MainWindowCaption());
  if (FindWorkingFileIgnoringCase(QLatin1String(kTitleFlagLookupName)).isEmpty()) {
    titleWindow_->exec();
  }
  applyHintSettings();

  run([this] { controller_.beginStartUp(ReadStateFile()); });

  session_.flags.symbolFontPresent = SymbolFontPresent();
  if (!session_.flags.symbolFontPresent) session_.prompter.information(SymbolFontMissingMessage());
  LoadPlacesTable(session_);
  session_.flags.stopAtStellium = session_.prompter.question(StelliumQuestion());

  run([this] {
    controller_.finishStartUp();
    refreshDial();
  });
}

void MainWindow::tick() {
  // A message box shown by a tick lets the timer fire again inside it: that tick waits.
  if (inTick_) return;
  inTick_ = true;
  run([this] { controller_.tick(); });
  inTick_ = false;
}

void MainWindow::run(const std::function<void()>& operation) {
  operation();
  showState();
}

void MainWindow::refreshDial() {
  DiagrammResult result = Diagramm(controller_, icon_);
  if (result.abandoned) return;
  if (result.picture) {
    if (result.isAxisStrip) {
      QString error;
      if (!WriteWmf(*result.picture, QLatin1String(kAxisStripFileName), &error)) {
        session_.prompter.error(error);
        return;
      }
    }
    CopyPictureToClipboard(*result.picture);
    if (result.isAxisStrip) {
      dialView_->setPicture(Reframed(*result.picture, kDialSize, kAxisStripHeight));
    } else {
      dialView_->setPicture(std::move(*result.picture));
    }
  }
  for (int i = 0; i < 4; ++i) {
    const QString text = result.lists[i].join(u'\n');
    if (axisLists_[i]->toPlainText() != text) axisLists_[i]->setPlainText(text);
  }
}

void MainWindow::showState() {
  MainWindowState& state = controller_.state();
  const bool running = controller_.running();

  for (int i = 0; i < kMainButtonCount; ++i) buttons_[i]->setEnabled(state.enabled[i]);
  buttons_[static_cast<int>(MainButton::Halt)]->setText(HaltCaption(running));
  SetLabelText(statusLabel_, StatusText(running));
  SetTextColor(statusLabel_, StatusColor(running));
  statusLabel_->move(state.statusPos);

  {
    const QSignalBlocker block(tempoScrollBar_);
    tempoScrollBar_->setValue(state.scrollPosition);
  }
  SetLabelText(tempoLabel_, state.tempoLabel);
  SetLabelText(ticksLabel_, state.ticksLabel);
  SetLabelText(intervalLabel_, state.intervalLabel);
  SetLabelText(dateLabel_, state.dateLabel);
  SetTextColor(dateLabel_, state.dateLabelColor);
  SetLabelText(timeLabel_, state.timeLabel);
  SetTextColor(timeLabel_, state.timeLabelColor);
  SetLabelText(placeLabel_, session_.placeLabel);
  SetLabelText(searchResultLabel_, state.searchResultText);
  searchResultLabel_->move(state.searchResultPos);

  setFixedHeight(state.windowHeight);
  aboutPanel_->setVisible(state.aboutPanelShown);
  cover_->setVisible(state.coverShown);
  buttons_[static_cast<int>(MainButton::Enlarge)]->setVisible(state.enlargeButtonVisible);
  for (QCheckBox* box : optionBoxes_) box->setVisible(state.optionBoxesVisible);
  if (palette().color(QPalette::Window) != QColor(state.background)) {
    SetBackground(this, state.background);
  }

  switch (state.focus) {
    case FocusRequest::HaltButton:
      buttons_[static_cast<int>(MainButton::Halt)]->setFocus();
      break;
    case FocusRequest::EnlargeButton:
      buttons_[static_cast<int>(MainButton::Enlarge)]->setFocus();
      break;
    case FocusRequest::AboutButton:
      buttons_[static_cast<int>(MainButton::About)]->setFocus();
      break;
    case FocusRequest::None:
      break;
  }
  state.focus = FocusRequest::None;

  if (session_.clock.running) {
    if (timer_.interval() != session_.clock.periodMs) timer_.setInterval(session_.clock.periodMs);
    if (!timer_.isActive()) timer_.start();
  } else {
    timer_.stop();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!controller_.close()) {
    event->ignore();
    return;
  }
  timer_.stop();
  event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      // The halt button is the default button; a focused button takes Enter itself.
      auto* focused = qobject_cast<QPushButton*>(focusWidget());
      QPushButton* target = focused ? focused : button(MainButton::Halt);
      if (target->isEnabled() && target->isVisible()) target->click();
      return;
    }
    case Qt::Key_Escape:
      // Of the two cancel buttons, "&Quell-Information" takes Esc.
      if (button(MainButton::About)->isEnabled()) button(MainButton::About)->click();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace gyrolux
