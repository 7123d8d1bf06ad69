#include "clock/main_window.h"

#include <algorithm>
#include <vector>

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

#include "clock/interval_dialog.h"
#include "clock/start_up.h"
#include "clock/start_up_texts.h"
#include "clock/title_window.h"
#include "engine/formatting.h"
#include "evaluation/evaluation_window.h"
#include "evaluation/enlarged_dial_window.h"
#include "info/about_window.h"
#include "info/introduction_window.h"
#include "dialogs/ephemeris_setting.h"
#include "dialogs/moment_dialog.h"
#include "dialogs/settings_window.h"
#include "dialogs/search_dialog.h"
#include "events/event_list_window.h"
#include "events/radix_lists_window.h"
#include "pictures/dial_picture.h"
#include "platform/clipboard.h"
#include "platform/colors.h"
#include "platform/bundled_images.h"
#include "platform/printing.h"
#include "platform/window_kit.h"
#include "radix/radix_settings.h"
#include "radix/radix_window.h"
#include "evaluation/ephemeris_window.h"
#include "session/session.h"

namespace gyrolux {

namespace {

constexpr int kWindowWidth = 1023;
constexpr int kHintMilliseconds = 15000;

// Where a button stands: on the window itself or on one of its panels.
enum class Place { Window, ControlPanel, HaltPanel, SearchPanel, BottomPanel };

struct ButtonLayout {
  MainButton which;
  const char* objectName;
  Place place;
  QRect geometry;
  const char* caption;
  const char* hint;
};

// The twelve buttons that `buttons` switches, in the order of MainButton.
const ButtonLayout kButtons[kMainButtonCount] = {
    {MainButton::Exit, "exitButton", Place::BottomPanel, {70, 32, 95, 22}, "&Beenden",
     " Das Programm 'merkt' sich End-Datum, -Zeit und -Koordinaten für die Taste "
     "'Alt-Datum/Zeit'; es startet generell mit den letzten Koordinaten und der Real-Time des "
     "Systems. "},
    {MainButton::Moment, "momentButton", Place::ControlPanel, {10, 65, 95, 22}, "&Datum/Zeit/Ort",
     " Öffnet ein Fenster zum Vorgeben eines anderen Anfangs-Datums, einer anderen Zeit und der "
     "Koordinaten eines beliebigen Ortes  "},
    {MainButton::Interval, "intervalButton", Place::ControlPanel, {130, 29, 93, 22}, "&Intervall",
     " Öffnet ein Fenster zum Einstellen der Rechenintervalle = Schrittweite der "
     "Diagramm-Bewegungen "},
    {MainButton::Halt, "haltButton", Place::HaltPanel, {12, 11, 81, 72}, "&Weiter",
     " Die Aufschrift wechselt zwischen 'Halt' und 'Weiter'; nach 'Halt' sind die drei Optionen "
     "neben dieser Taste verfügbar."},
    {MainButton::LastMoment, "lastMomentButton", Place::ControlPanel, {130, 111, 93, 22},
     "&Alt-Datum/Zeit", " Hiermit laden Sie Datum, Zeit und Koordinaten der letzten Anwendung "},
    {MainButton::Evaluate, "evaluateButton", Place::SearchPanel, {13, 12, 95, 22}, "A&uswerten",
     " Bietet insgesamt sieben Auswertungs-Möglichkeiten; alle Ergebnisse sind speicher- und "
     "ausdruckbar. "},
    {MainButton::About, "aboutButton", Place::BottomPanel, {18, 8, 95, 22}, "&Quell-Information",
     " Schaltet das Info-Fenster ein und auch wieder aus "},
    {MainButton::PictureSearch, "pictureSearchButton", Place::SearchPanel, {13, 36, 95, 22},
     "&Pl.-Bild-Suche",
     " Der 'Wecker' der Gyrolux. Sie geben ein Planetenbild ein; beim Auftreten des "
     "Planetenbildes bleibt die Suche stehen. "},
    {MainButton::Enlarge, "enlargeButton", Place::Window, {84, 523, 344, 22},
     "&Vergrößern  (R-Scheibe Drucken,  Diagramm Drucken / Speichern)",
     " Zeigt das Diagramm in vergrößerter Form mit Druck- sowie Speichermöglichkeit als Metafile "},
    {MainButton::MidpointSearch, "midpointSearchButton", Place::SearchPanel, {13, 60, 95, 22},
     "&Halbs.-Suche",
     " Sie geben eine Halbsumme und einen 22,5°-Winkel ein; das Programm sucht wie bei "
     "PL.-Bild-Suche "},
    {MainButton::Introduction, "introductionButton", Place::BottomPanel, {122, 8, 95, 22},
     "Progr.&Einführung", " Zeigt einen Hilfe/Einführungstext zum Programm "},
    {MainButton::RealTime, "realTimeButton", Place::ControlPanel, {10, 91, 95, 22}, "&Real Time  ",
     " Setzt Datum, Zeit und Diagramm auf Real-Time = System-Datum und -Zeit "},
};

// The command that opens a modal window, by its button.
struct ModalCommand {
  MainButton button;
  ModalWindow window;
};
constexpr ModalCommand kModalCommands[] = {
    {MainButton::Moment, ModalWindow::MomentDialog},
    {MainButton::Interval, ModalWindow::Interval},
    {MainButton::Evaluate, ModalWindow::Evaluation},
    {MainButton::PictureSearch, ModalWindow::PictureSearch},
    {MainButton::MidpointSearch, ModalWindow::MidpointSearch},
    {MainButton::Enlarge, ModalWindow::Enlarged},
    {MainButton::Introduction, ModalWindow::Introduction},
};

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

QPlainTextEdit* MakeAxisList(QWidget* parent, const char* objectName, const QString& name, QRect geometry,
                             bool readOnly, QRgb base) {
  QPlainTextEdit* list = MakeTextPanel(parent, QString::fromLatin1(objectName), name, geometry,
                                       WindowFont("Courier New", 13, true), base);
  list->setReadOnly(readOnly);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetTextColor(list, clNavy);
  return list;
}

}  // namespace

QString MainButtonObjectName(MainButton which) {
  return QString::fromLatin1(kButtons[static_cast<int>(which)].objectName);
}

MainWindow::MainWindow(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), controller_(session, ApplicationIconImage()) {
  setObjectName(QStringLiteral("mainWindow"));
  AnnounceAsWindow(this);
  setWindowTitle(MainWindowCaption());
  setWindowIcon(QIcon(QPixmap::fromImage(ApplicationIconImage())));
  setFixedSize(kWindowWidth, controller_.state().windowHeight);
  setFont(WindowFont("MS Sans Serif", kEightPointPixels));
  buildLayout();
  buildMenuBar();
  setFixedSize(kWindowWidth, controller_.state().windowHeight + menuBarHeight());

  // The printable page of the default printer, each side rounded up to the next hundred.
  const QSize page = DefaultPrinterPageSize();
  session_.printerPage.width = static_cast<uint16_t>(std::clamp(NextHundredAbove(page.width()), 0, 65500));
  session_.printerPage.height = static_cast<uint16_t>(std::clamp(NextHundredAbove(page.height()), 0, 65500));

  // The windows this one opens, made once after it.
  intervalDialog_ = new IntervalDialog(session_.clock, this);
  titleWindow_ = new TitleWindow(session_.prompter, this);
  momentDialog_ = new MomentDialog(session_, this);
  pictureSearchDialog_ = new SearchDialog(session_, AlarmKind::Picture, this);
  midpointSearchDialog_ = new SearchDialog(session_, AlarmKind::MidpointAngle, this);
  setModalWindow(ModalWindow::Interval, [this] { intervalDialog_->run(); });
  evaluationWindow_ = new EvaluationWindow(session_, this);
  setModalWindow(ModalWindow::Evaluation, [this] { evaluationWindow_->run(); });
  controller_.showSearchResult = [this] { evaluationWindow_->showSearchResult(session_.search.resultLine); };
  // A lookup's "&Nächster Tag" steps the date while the evaluation is open: the date label
  // follows at once.
  evaluationWindow_->onDateChanged = [this] {
    controller_.state().dateLabel = DateLabel(session_.chart);
    SetLabelText(dateLabel_, controller_.state().dateLabel);
  };
  auto* enlarged = new EnlargedDialWindow(session_, this);
  setModalWindow(ModalWindow::Enlarged, [enlarged] { enlarged->run(); });
  auto* introduction = new IntroductionWindow(this);
  setModalWindow(ModalWindow::Introduction, [introduction] { introduction->run(); });
  setModalWindow(ModalWindow::MomentDialog, [this] { momentDialog_->run(); });
  setModalWindow(ModalWindow::PictureSearch, [this] { pictureSearchDialog_->run(); });
  setModalWindow(ModalWindow::MidpointSearch, [this] { midpointSearchDialog_->run(); });

  // One timer: a tick that falls due while another is handled is delivered once.
  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("clockTimer"));
  timer_->setTimerType(Qt::PreciseTimer);
  timer_->setInterval(session_.clock.periodMs);
  connect(timer_, &QTimer::timeout, this, &MainWindow::tick);
  controller_.onRunningChanged = [this](bool running) { followClock(running); };

  session_.flags.dialShown = true;
  addExtrasMenu();
  showState();
  CentreOnDesktop(this);
}

void MainWindow::addExtrasMenu() {
  TakeEphemerisFromSettings(session_);
  settingsWindow_ = new SettingsWindow(session_, this);
  settingsWindow_->onEphemerisChanged = [this] { controller_.draw(); };
  QMenuBar* bar = menuBar_.bar;
  // Before the Hilfe menu, which stays last.
  auto* extras = new QMenu(QStringLiteral("&Extras"), bar);
  extras->setObjectName(QStringLiteral("extrasMenu"));
  QMenu* help = bar->findChild<QMenu*>(QStringLiteral("helpMenu"));
  if (help) {
    bar->insertMenu(help->menuAction(), extras);
  } else {
    bar->addMenu(extras);
  }
  QAction* settings = extras->addAction(QStringLiteral("Einstellungen …"));
  settings->setObjectName(QStringLiteral("settingsAction"));
  // Ticks falling due while the window is open are dropped (busy), as during a command.
  connect(settings, &QAction::triggered, this, [this] {
    if (busy_ > 0) return;
    run([this] { settingsWindow_->run(); });
    showEphemeris();
  });
  // The sky's name left of the radix's, both in the bar's corner.
  auto* corner = new QWidget(bar);
  auto* row = new QHBoxLayout(corner);
  row->setContentsMargins(0, 0, 0, 0);
  ephemerisLabel_ = new QLabel(corner);
  ephemerisLabel_->setObjectName(QStringLiteral("ephemerisLabel"));
  row->addWidget(ephemerisLabel_);
  row->addWidget(menuBar_.radixName);
  bar->setCornerWidget(corner, Qt::TopRightCorner);
  showEphemeris();
}

void MainWindow::showEphemeris() {
  if (!ephemerisLabel_) return;
  const QString indicator = EphemerisIndicator(session_);
  if (indicator == ephemerisLabel_->text() && ephemerisLabel_->isHidden() == indicator.isEmpty()) return;
  ephemerisLabel_->setText(indicator);
  ephemerisLabel_->setVisible(!indicator.isEmpty());
}

MainWindow::~MainWindow() {
  controller_.onRunningChanged = nullptr;
  timer_->stop();
}

void MainWindow::setModalWindow(ModalWindow which, std::function<void()> show) {
  modalWindows_[static_cast<size_t>(which)] = std::move(show);
}

void MainWindow::buildMenuBar() {
  menuBar_ = AddMainMenuBar(this);
  radixWindow_ = new RadixWindow(session_, this);
  radixWindow_->onRadixLoaded = [this] {
    showRadixName();
    if (startUpDone_) run([this] { controller_.redrawForRadix(); });
  };
  QAction* library = menuBar_.radix->addAction(QStringLiteral("Radix-Kartei …"));
  library->setObjectName(QStringLiteral("radixLibraryAction"));
  connect(library, &QAction::triggered, this, [this] {
    run([this] { radixWindow_->run(); });
  });
  QAction* events = menuBar_.radix->addAction(QStringLiteral("Ereignisliste …"));
  events->setObjectName(QStringLiteral("eventListAction"));
  connect(events, &QAction::triggered, this, [this] {
    run([this] {
      EventListWindow window(session_, this);
      window.run();
    });
  });
  QAction* lists = menuBar_.radix->addAction(QStringLiteral("Radix-Listen …"));
  lists->setObjectName(QStringLiteral("radixListsAction"));
  connect(lists, &QAction::triggered, this, [this] {
    run([this] {
      RadixListsWindow window(session_, this);
      window.run();
    });
  });
  QAction* hide = menuBar_.radix->addAction(QStringLiteral("Radix ausblenden"));
  hide->setObjectName(QStringLiteral("hideRadixAction"));
  hide->setCheckable(true);
  connect(hide, &QAction::toggled, this, [this](bool hidden) {
    if (session_.radixHidden == hidden) return;
    session_.radixHidden = hidden;
    showRadixName();
    if (startUpDone_) run([this] { controller_.redrawForRadix(); });
  });
  // The graphic ephemeris halts the clock while it is open, as the date dialog does: a
  // click in it sets the moment.
  ephemerisWindow_ = new EphemerisWindow(session_, this);
  QAction* ephemeris = menuBar_.bar->addMenu(QStringLiteral("&Grafik"))->addAction(QStringLiteral("Grafische Ephemeride …"));
  ephemeris->setObjectName(QStringLiteral("graphicEphemerisAction"));
  connect(ephemeris, &QAction::triggered, this, [this] {
    run([this] {
      controller_.openModal(ModalWindow::MomentDialog, [this] {
        showState();
        ephemerisWindow_->run();
      });
    });
  });
  // The program's licence and the works it uses; the clock waits while it is open.
  QMenu* help = menuBar_.bar->addMenu(QStringLiteral("&Hilfe"));
  help->setObjectName(QStringLiteral("helpMenu"));
  QAction* about = help->addAction(QStringLiteral("Über Gyrolux …"));
  about->setObjectName(QStringLiteral("aboutAction"));
  connect(about, &QAction::triggered, this, [this] {
    run([this] {
      AboutWindow window(this);
      window.run();
    });
  });
  // The radix of the last run, as the settings remember it.
  QString error;
  session_.radix = LoadRememberedRadix(error);
  showRadixName();
}

void MainWindow::showRadixName() {
  const QString name = session_.radix ? session_.radix->name : QString();
  SetLabelText(menuBar_.radixName, RadixNameText(name, session_.radixHidden));
  if (auto* hide = findChild<QAction*>(QStringLiteral("hideRadixAction"))) {
    QSignalBlocker blocker(hide);
    hide->setEnabled(session_.radix.has_value());
    hide->setChecked(session_.radixHidden);
  }
}

void MainWindow::buildLayout() {
  dialView_ = new DialView(this);
  dialView_->setObjectName(QStringLiteral("dialView"));
  dialView_->setAccessibleName(QStringLiteral("Diagramm"));
  dialView_->setGeometry(0, 0, 520, 525);

  cover_ = new QLabel(this);
  cover_->setObjectName(QStringLiteral("coverPicture"));
  cover_->setGeometry(0, 0, 525, 553);
  cover_->setScaledContents(true);
  cover_->setPixmap(QPixmap::fromImage(CoverPicture()));
  cover_->hide();

  const char* optionNames[3] = {"withMcBox", "withAsBox", "withTransplutoBox"};
  const QString optionCaptions[3] = {QStringLiteral("Mit MC"), QStringLiteral("Mit AS"),
                                     QStringLiteral("Mit Transpluto-Faktoren")};
  const QRect optionPlaces[3] = {{96, 488, 70, 17}, {176, 488, 70, 17}, {256, 488, 161, 17}};
  for (int i = 0; i < 3; ++i) {
    auto* box = new QCheckBox(optionCaptions[i], this);
    box->setObjectName(QString::fromLatin1(optionNames[i]));
    box->setGeometry(optionPlaces[i]);
    box->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
    SetBackground(box, clSilver);
    box->hide();
    connect(box, &QCheckBox::toggled, this, [this, i](bool on) {
      AxisStripOptions& options = controller_.state().stripOptions;
      (i == 0 ? options.withMc : i == 1 ? options.withAs : options.withTranspluto) = on;
      run([this] { controller_.draw(); });
    });
    optionBoxes_[i] = box;
  }

  statusLabel_ = MakeLabel(this, StatusText(false), {390, 460}, QStringLiteral("statusLabel"));
  statusLabel_->setFont(WindowFont("Courier New", 13, true));
  statusLabel_->adjustSize();

  searchResultLabel_ = MakeLabel(this, QString(), {436, 531}, QStringLiteral("searchResultLabel"));
  searchResultLabel_->setFont(WindowFont("MS Sans Serif", 13, true));
  SetTextColor(searchResultLabel_, clYellow);

  // About panel over the dial area.
  auto* about = new Panel(this, clMoneyGreen, 4, false);
  about->setObjectName(QStringLiteral("aboutPanel"));
  about->setGeometry(77, 184, 367, 105);
  QPlainTextEdit* aboutText = MakeTextPanel(about, QStringLiteral("aboutText"), QStringLiteral("Quell-Information"),
                                            {16, 16, 337, 73}, font(), clSilver, AboutText());
  aboutText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  aboutText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  aboutText->document()->setDocumentMargin(2);
  about->hide();
  aboutPanel_ = about;

  auto* control = new Panel(this, clMoneyGreen, 3, true);
  control->setGeometry(528, 6, 233, 145);
  auto* haltPanel = new Panel(this, clYellow, 3, true);
  haltPanel->setGeometry(528, 154, 105, 93);
  auto* searchPanel = new Panel(this, clGreen, 3, true);
  searchPanel->setGeometry(640, 154, 120, 93);
  // Bottom panel: a click on the green field itself covers or uncovers the dial.
  auto* bottomPanel = new Panel(this, clTeal, 3, true);
  bottomPanel->setObjectName(QStringLiteral("bottomPanel"));
  bottomPanel->setGeometry(528, 486, 233, 62);
  bottomPanel->onClick = [this] { run([this] { controller_.toggleCover(); }); };

  dateLabel_ = MakeLabel(control, QString(), {15, 14}, QStringLiteral("dateLabel"));
  timeLabel_ = MakeLabel(control, QString(), {15, 31}, QStringLiteral("timeLabel"));
  timeLabel_->setFont(WindowFont("MS Sans Serif", 11, true));
  timeLabel_->adjustSize();
  placeLabel_ = MakeLabel(control, QString(), {15, 48}, QStringLiteral("placeLabel"));
  intervalLabel_ = MakeLabel(control, QStringLiteral("Sek/Takt:1"), {145, 14}, QStringLiteral("intervalLabel"));
  ticksLabel_ = MakeLabel(control, QStringLiteral("Takte/Sek:1"), {137, 57}, QStringLiteral("ticksLabel"));
  tempoLabel_ = MakeLabel(control, QStringLiteral("1"), {166, 89}, QStringLiteral("tempoLabel"));

  for (const ButtonLayout& layout : kButtons) {
    QWidget* parent = layout.place == Place::ControlPanel  ? control
                      : layout.place == Place::HaltPanel   ? haltPanel
                      : layout.place == Place::SearchPanel ? searchPanel
                      : layout.place == Place::BottomPanel ? static_cast<QWidget*>(bottomPanel)
                                                           : this;
    auto* button = new QPushButton(QString::fromUtf8(layout.caption), parent);
    button->setObjectName(QString::fromLatin1(layout.objectName));
    button->setGeometry(layout.geometry);
    button->setToolTip(QString::fromUtf8(layout.hint));
    button->setToolTipDuration(kHintMilliseconds);
    buttons_[static_cast<int>(layout.which)] = button;
  }
  button(MainButton::Halt)->setFont(WindowFont("MS Sans Serif", 16, true));
  button(MainButton::Exit)->setFont(WindowFont("MS Sans Serif", 13, true));
  for (MainButton b : {MainButton::Evaluate, MainButton::PictureSearch, MainButton::MidpointSearch}) {
    button(b)->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
  }
  button(MainButton::RealTime)->setIcon(RealTimeIcon());
  button(MainButton::RealTime)->setLayoutDirection(Qt::RightToLeft);

  for (const ModalCommand& command : kModalCommands) {
    connect(button(command.button), &QPushButton::clicked, this,
            [this, window = command.window] { openModal(window); });
  }
  connect(button(MainButton::Halt), &QPushButton::clicked, this,
          [this] { run([this] { controller_.haltOrContinue(); }); });
  connect(button(MainButton::RealTime), &QPushButton::clicked, this,
          [this] { run([this] { controller_.realTime(); }); });
  connect(button(MainButton::LastMoment), &QPushButton::clicked, this,
          [this] { run([this] { controller_.lastMoment(); }); });
  connect(button(MainButton::About), &QPushButton::clicked, this,
          [this] { run([this] { controller_.toggleAbout(); }); });
  connect(button(MainButton::Exit), &QPushButton::clicked, this, &QWidget::close);

  tempoScrollBar_ = new QScrollBar(Qt::Horizontal, control);
  tempoScrollBar_->setObjectName(QStringLiteral("tempoScrollBar"));
  tempoScrollBar_->setAccessibleName(QStringLiteral("Tempo und Richtung der Uhr"));
  tempoScrollBar_->setFocusPolicy(Qt::StrongFocus);
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

  auto* linearBox = new QCheckBox(QStringLiteral("Linear-Grafik"), control);
  linearBox->setObjectName(QStringLiteral("linearGraphicBox"));
  linearBox->setGeometry(10, 118, 97, 17);
  connect(linearBox, &QCheckBox::toggled, this, [this](bool on) {
    controller_.state().linearGraphic = on;
    run([this] { controller_.draw(); });
  });

  axisLists_[0] = MakeAxisList(this, "mcAxisList", QStringLiteral("Halbsummen MC/MC"), {528, 250, 234, 233}, true, clCream);
  axisLists_[0]->setToolTip(QStringLiteral(" Hier sehen Sie alle Halbsummen im Orbis der Achse MC/MC "));
  axisLists_[0]->setToolTipDuration(kHintMilliseconds);
  axisLists_[1] = MakeAxisList(this, "soAxisList", QStringLiteral("Halbsummen SO/SO"), {768, 6, 234, 182}, false, clWhite);
  axisLists_[2] = MakeAxisList(this, "asAxisList", QStringLiteral("Halbsummen AS/AS"), {768, 184, 234, 182}, false, clWhite);
  axisLists_[3] = MakeAxisList(this, "moAxisList", QStringLiteral("Halbsummen MO/MO"), {768, 366, 234, 182}, false, clWhite);

  // Tab runs down the control panel's columns, to the halt button, the search panel, the
  // four lists, the enlarge button and its options, and the bottom panel.
  const std::vector<QWidget*> tabOrder = {button(MainButton::Moment), button(MainButton::RealTime), linearBox,
                                          button(MainButton::Interval), tempoScrollBar_,
                                          button(MainButton::LastMoment), button(MainButton::Halt),
                                          button(MainButton::Evaluate), button(MainButton::PictureSearch),
                                          button(MainButton::MidpointSearch), axisLists_[0], axisLists_[1],
                                          axisLists_[2], axisLists_[3], button(MainButton::Enlarge),
                                          optionBoxes_[0], optionBoxes_[1], optionBoxes_[2],
                                          button(MainButton::About), button(MainButton::Introduction),
                                          button(MainButton::Exit)};
  for (size_t i = 0; i + 1 < tabOrder.size(); ++i) setTabOrder(tabOrder[i], tabOrder[i + 1]);

  // What lies on top: the cover over the dial, the about panel and the labels over both.
  cover_->raise();
  button(MainButton::Enlarge)->raise();
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
  if (TitlePictureWanted()) titleWindow_->run();
  applyHintSettings();
  run([this] { RunStartUp(controller_, MachineStartUpEnvironment()); });
}

void MainWindow::tick() {
  if (busy_ > 0) return;
  run([this] { controller_.tick(); });
}

void MainWindow::openModal(ModalWindow which) {
  run([this, which] {
    const std::function<void()>& show = modalWindows_[static_cast<size_t>(which)];
    controller_.openModal(which, [this, &show] {
      // The buttons switched off and the clock halted are seen while the window is open.
      showState();
      if (show) show();
    });
  });
}

void MainWindow::run(const std::function<void()>& operation) {
  ++busy_;
  operation();
  --busy_;
  showState();
}

void MainWindow::followClock(bool running) {
  if (!running) {
    timer_->stop();
    return;
  }
  if (timer_->interval() != session_.clock.periodMs) timer_->setInterval(session_.clock.periodMs);
  if (!timer_->isActive()) timer_->start();
}

void MainWindow::showDrawing() {
  const MainDrawing& drawing = controller_.state().drawing;
  if (drawing.serial == shownDrawing_) return;
  shownDrawing_ = drawing.serial;
  if (drawing.picture) {
    CopyPictureToClipboard(*drawing.picture);
    dialView_->setPicture(*drawing.picture);
  }
  for (int i = 0; i < 4; ++i) {
    const QString text = drawing.lists[i].join(u'\n');
    if (axisLists_[i]->toPlainText() != text) axisLists_[i]->setPlainText(text);
  }
}

void MainWindow::showState() {
  MainWindowState& state = controller_.state();
  const bool running = controller_.running();

  showDrawing();
  showButtons();
  showEphemeris();  // the moment may have left the modern sky's years
  button(MainButton::Halt)->setText(HaltCaption(running));
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

  setFixedHeight(state.windowHeight + menuBarHeight());
  aboutPanel_->setVisible(state.aboutPanelShown);
  cover_->setVisible(state.coverShown);
  button(MainButton::Enlarge)->setVisible(state.enlargeButtonVisible);
  for (QCheckBox* box : optionBoxes_) box->setVisible(state.optionBoxesVisible);
  if (palette().color(QPalette::Window) != QColor(state.background)) SetBackground(this, state.background);

  switch (state.focus) {
    case FocusRequest::HaltButton:
      button(MainButton::Halt)->setFocus();
      break;
    case FocusRequest::EnlargeButton:
      button(MainButton::Enlarge)->setFocus();
      break;
    case FocusRequest::AboutButton:
      button(MainButton::About)->setFocus();
      break;
    case FocusRequest::None:
      break;
  }
  state.focus = FocusRequest::None;
  followClock(running);
}

void MainWindow::showButtons() {
  const MainWindowState& state = controller_.state();
  QPushButton* halt = button(MainButton::Halt);
  const bool haltOn = state.isEnabled(MainButton::Halt);
  // Enter means "&Halt"/"&Weiter" unless the user put the focus on another button. A
  // focused button that goes off would pass the focus on to the next button in the row,
  // and Enter would then run that command: the focus goes to the halt button instead, or
  // to the window itself while that is off too, and back to the halt button when it
  // comes on again.
  QWidget* focused = focusWidget();
  const auto* focusedButton = std::find(buttons_.begin(), buttons_.end(), focused);
  const bool focusFalls = focusedButton != buttons_.end() &&
                          !state.enabled[static_cast<size_t>(focusedButton - buttons_.begin())];
  if (focusFalls) {
    if (haltOn && !halt->isEnabled()) halt->setEnabled(true);
    if (haltOn) {
      halt->setFocus();
    } else {
      setFocus();
    }
  }
  for (int i = 0; i < kMainButtonCount; ++i) buttons_[i]->setEnabled(state.enabled[i]);
  if (haltOn && focusWidget() == this) halt->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool closed = false;
  run([this, &closed] { closed = controller_.close(); });
  if (!closed) {
    event->ignore();
    return;
  }
  timer_->stop();
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
