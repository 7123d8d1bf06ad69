#include "clock/clock_controller.h"

#include <algorithm>
#include <cstdlib>

#include "clock/clock_step.h"
#include "clock/system_moment.h"
#include "dialogs/search_report.h"
#include "engine/formatting.h"
#include "engine/integer_conversion.h"
#include "midpoints/stellium_file.h"
#include "platform/prompter.h"
#include "platform/wmf_writer.h"
#include "session/session.h"

namespace gyrolux {

namespace {

constexpr int kStartPeriodMs = 950;

const QString kStelliumSavedMessage = QStringLiteral(
    "Die gefundenen Stellia sind gespeichert in STELLIA.TXT  im aktuellen Verzeichnis.");

// The four commands of the halted clock.
constexpr std::array<MainButton, 4> kHaltedCommands = {
    MainButton::Evaluate, MainButton::PictureSearch, MainButton::Enlarge,
    MainButton::MidpointSearch};

bool IsHaltedCommand(MainButton b) {
  return std::find(kHaltedCommands.begin(), kHaltedCommands.end(), b) != kHaltedCommands.end();
}

}  // namespace

QString StatusText(bool running) {
  return running ? QStringLiteral(" Diagramm dreht ") : QStringLiteral(" Diagramm steht ");
}
QRgb StatusColor(bool running) { return running ? clLime : clRed; }
QString HaltCaption(bool running) {
  return running ? QStringLiteral("&Halt") : QStringLiteral("&Weiter");
}

ClockController::ClockController(Session& session, QImage icon) : session_(session), icon_(std::move(icon)) {}

bool ClockController::running() const { return session_.clock.running; }

void ClockController::resetSearchLabel() {
  state_.windowHeight = 588;
  state_.searchResultText.clear();
  state_.searchResultPos = {0, 300};
}

void ClockController::showMomentLabels() {
  state_.dateLabel = DateLabel(session_.chart);
  state_.timeLabel = TimeLabel(session_.chart.moment.hours);
}

void ClockController::resetToSecondsUnit() {
  ClockState& clock = session_.clock;
  clock.unit = IntervalUnit::Seconds;
  clock.tempo = 1;
  clock.intervalMinutes = 1.0 / 60.0;
  state_.intervalLabel = IntervalLabel(clock);
  state_.ticksLabel = QStringLiteral("Takte/Sek:1");
}

// Tempo 1 with the scroll bar at 21; from elsewhere the move restarts the clock.
void ClockController::setTempoOne() {
  session_.clock.tempo = 1;
  moveScrollBar(21);
  state_.tempoLabel = QStringLiteral("1");
}

void ClockController::beginStartUp(const std::optional<StoredMoment>& stored) {
  Chart& chart = session_.chart;
  resetSearchLabel();
  session_.flags.altDatAvailable = stored.has_value();
  SetMomentFromSystemClock(chart, session_.now());
  if (stored) {
    SetStoredPlace(chart, *stored);
  } else {
    SetDefaultPlace(chart);
  }
  state_.setEnabled(MainButton::LastMoment, session_.flags.altDatAvailable);
  session_.placeLabel = PlaceLabel(chart.moment);
  showMomentLabels();

  resetToSecondsUnit();
  state_.scrollPosition = 21;

  session_.stelliumFile = {};
  setButtons(false);
  stopTimer();
}

void ClockController::finishStartUp() {
  setButtons(true);
  session_.pictureOrb = kPictureOrb;
  session_.clock.periodMs = kStartPeriodMs;
  startTimer();
  vierButtons();
  state_.tempoLabel = QStringLiteral("1");
  session_.counters = {};
  state_.focus = FocusRequest::HaltButton;
  draw();
}

void ClockController::setButtons(bool on) {
  for (int i = 0; i < kMainButtonCount; ++i) {
    const auto button = static_cast<MainButton>(i);
    bool enable = on;
    if (button == MainButton::LastMoment) enable = on && session_.flags.altDatAvailable;
    // The commands of the halted clock never come on while it runs.
    if (IsHaltedCommand(button)) enable = on && !running() && !session_.search.pictureSearchInProgress;
    state_.setEnabled(button, enable);
  }
}

void ClockController::vierButtons() {
  const bool enable = !running() && !session_.search.pictureSearchInProgress;
  for (MainButton b : kHaltedCommands) state_.setEnabled(b, enable);
}

void ClockController::stopTimer() {
  session_.clock.running = false;
  if (onRunningChanged) onRunningChanged(false);
}

void ClockController::startTimer() {
  session_.clock.running = true;
  if (onRunningChanged) onRunningChanged(true);
}

void ClockController::drawIfShown() {
  if (session_.flags.dialShown) draw();
}

bool ClockController::recordStellium(const Stellium& stellium) {
  if (session_.flags.stopAtStellium) stelliumStop(StelliumMemberNames(stellium));
  // With the halt the line names the moment one step on, as the clock now stands.
  const QString line =
      StelliumLogLine(stellium, session_.chart.texts.dateText, session_.chart.moment.hours);
  QString error;
  if (!RecordStellium(session_.stelliumFile, line, &error)) {
    session_.prompter.error(error);
    return false;
  }
  return true;
}

DiagrammSettings ClockController::diagrammSettings() {
  DiagrammSettings settings{session_.flags.dialShown, state_.linearGraphic, state_.stripOptions,
                            session_.flags.symbolFontPresent, session_.pictureOrb, icon_};
  if (session_.radix && !session_.radixHidden) {
    // The radix is drawn in the sky the clock computes in.
    Chart& radix = session_.radix->chart;
    if (radix.moment.ephemeris != session_.chart.moment.ephemeris) {
      radix.moment.ephemeris = session_.chart.moment.ephemeris;
      RecomputeChart(radix);
    }
    settings.radix = &radix.state;
  }
  return settings;
}

void ClockController::redrawForRadix() {
  if (!session_.flags.dialShown) return;
  DiagrammResult result = Diagramm(session_.chart, diagrammSettings());
  MainDrawing& drawing = state_.drawing;
  ++drawing.serial;
  if (result.picture) drawing.picture = std::move(result.picture);
  drawing.lists = std::move(result.lists);
}

void ClockController::draw() {
  DiagrammResult result = Diagramm(session_.chart, diagrammSettings());
  if (result.optionBoxesVisible) state_.optionBoxesVisible = *result.optionBoxesVisible;
  if (result.statusPos) state_.statusPos = *result.statusPos;
  if (result.stellium && !recordStellium(*result.stellium)) return;
  if (result.isAxisStrip && result.picture) {
    QString error;
    if (!WriteWmf(*result.picture, QLatin1String(kAxisStripFileName), &error)) {
      session_.prompter.error(error);
      return;
    }
  }
  if (result.background) state_.background = *result.background;
  MainDrawing& drawing = state_.drawing;
  ++drawing.serial;
  if (result.picture) drawing.picture = std::move(result.picture);
  drawing.isAxisStrip = result.isAxisStrip;
  drawing.lists = std::move(result.lists);
}

void ClockController::moveScrollBar(int position) {
  position = std::clamp(position, 0, 40);
  if (position == state_.scrollPosition) return;
  state_.scrollPosition = position;

  ClockState& clock = session_.clock;
  state_.aboutPanelShown = false;
  clock.tempo = TempoOfScrollPosition(position);
  state_.tempoLabel = QString::number(clock.tempo);
  if (clock.tempo != 0) {
    startTimer();
    vierButtons();
    clock.periodMs = TimerPeriodForTempo(clock.tempo);
  } else {
    stopTimer();
    vierButtons();
  }
  state_.ticksLabel = QStringLiteral("Takte/Sek:") + QString::number(std::abs(clock.tempo));
}

void ClockController::tick() {
  if (!StepMoment(session_.chart, session_.clock, session_.clock.tempo < 0)) {
    // The edge of the clock's years: the clock halts there.
    stopTimer();
    vierButtons();
    return;
  }
  showMomentLabels();
  state_.intervalLabel = IntervalLabel(session_.clock);
  drawIfShown();
}

void ClockController::haltOrContinue() {
  if (running()) {
    const bool wasCovered = state_.coverShown;
    session_.flags.dialShown = true;
    state_.coverShown = false;
    state_.enlargeButtonVisible = true;
    stopTimer();
    vierButtons();
    state_.focus = FocusRequest::EnlargeButton;
    // The uncovered dial shows the current moment.
    if (wasCovered) draw();
    return;
  }
  state_.aboutPanelShown = false;
  startTimer();
  vierButtons();
  resetSearchLabel();
  if (session_.clock.tempo == 0) setTempoOne();
}

void ClockController::realTime() {
  stopTimer();
  vierButtons();
  resetSearchLabel();
  SetMomentFromSystemClock(session_.chart, session_.now());
  state_.dateLabelColor = clBlack;
  state_.timeLabelColor = clMaroon;
  showMomentLabels();
  resetToSecondsUnit();
  moveScrollBar(21);
  drawIfShown();
}

bool ClockController::lastMoment() {
  stopTimer();
  state_.dateLabelColor = clBlack;
  state_.timeLabelColor = clMaroon;
  vierButtons();
  resetSearchLabel();
  QString error;
  const std::optional<StoredMoment> stored = ReadStateFile(&error);
  if (!stored) {
    session_.prompter.error(error);
    return false;
  }
  resetToSecondsUnit();
  moveScrollBar(21);
  SetStoredMoment(session_.chart, *stored);
  showMomentLabels();
  session_.placeLabel = PlaceLabelFromTexts(stored->longitudeText, stored->latitudeText);
  drawIfShown();
  return true;
}

void ClockController::toggleAbout() {
  if (!state_.aboutPanelShown) {
    setButtons(false);
    state_.setEnabled(MainButton::About, true);
    stopTimer();
    state_.aboutPanelShown = true;
    state_.focus = FocusRequest::AboutButton;
  } else {
    setButtons(true);
    state_.aboutPanelShown = false;
  }
}

void ClockController::toggleCover() {
  if (!running()) return;
  if (state_.coverShown) {
    state_.coverShown = false;
    state_.enlargeButtonVisible = true;
    session_.flags.dialShown = true;
    if (state_.linearGraphic) state_.optionBoxesVisible = true;
  } else {
    session_.flags.dialShown = false;
    state_.enlargeButtonVisible = false;
    state_.optionBoxesVisible = false;
    state_.coverShown = true;
  }
}

void ClockController::openModal(ModalWindow window, const std::function<void()>& show) {
  SearchState& search = session_.search;
  bool* searchInProgress = window == ModalWindow::PictureSearch    ? &search.pictureSearchInProgress
                           : window == ModalWindow::MidpointSearch ? &search.midpointSearchInProgress
                                                                   : nullptr;
  setButtons(false);
  switch (window) {
    case ModalWindow::MomentDialog:
    case ModalWindow::Interval:
    case ModalWindow::Introduction:
      stopTimer();
      break;
    case ModalWindow::PictureSearch:
    case ModalWindow::MidpointSearch:
      *searchInProgress = true;
      search.searchFound = false;
      search.resultLine.clear();
      break;
    case ModalWindow::Evaluation:
    case ModalWindow::Enlarged:
      break;
  }
  if (show) show();

  switch (window) {
    case ModalWindow::MomentDialog:
      afterMomentDialog();
      break;
    case ModalWindow::Interval:
      state_.intervalLabel = IntervalLabel(session_.clock);
      if (session_.clock.tempo == 0) setTempoOne();
      setButtons(true);
      drawIfShown();
      break;
    case ModalWindow::PictureSearch:
    case ModalWindow::MidpointSearch:
      afterSearch(*searchInProgress);
      state_.focus = FocusRequest::HaltButton;
      break;
    case ModalWindow::Evaluation:
      setButtons(true);
      state_.focus = FocusRequest::HaltButton;
      break;
    case ModalWindow::Enlarged:
    case ModalWindow::Introduction:
      setButtons(true);
      break;
  }
}

void ClockController::afterMomentDialog() {
  showMomentLabels();
  session_.placeLabel = PlaceLabel(session_.chart.moment);
  drawIfShown();
  if (session_.clock.tempo == 0) setTempoOne();
  setButtons(true);
}

void ClockController::afterSearch(bool& inProgress) {
  const bool found = session_.search.searchFound;
  if (inProgress && found) {
    const ChartMoment& m = session_.chart.moment;
    resetSearchLabel();
    state_.dateLabelColor = clRed;
    state_.timeLabelColor = clRed;
    state_.dateLabel = FoundDateLabel(m);
    state_.timeLabel = FoundTimeLabel(m.hours);
    if (showSearchResult) showSearchResult();
    setButtons(true);
    resetToSecondsUnit();
    setTempoOne();
    stopTimer();
    drawIfShown();
  } else {
    setButtons(true);
  }
  inProgress = false;
  // The buttons came on while the search was still marked as running.
  vierButtons();
  if (!found) realTime();
}

void ClockController::stelliumStop(const QString& memberNames) {
  state_.windowHeight = 588;
  state_.searchResultPos = {200, 555};
  state_.searchResultText = QStringLiteral("Stellium: ") + memberNames;
  stopTimer();
  StepMoment(session_.chart, session_.clock, !(session_.clock.tempo > 0), YearStepKind::Days365);
  stopTimer();
  vierButtons();
}

bool ClockController::close() {
  if (session_.stelliumFile.open) {
    session_.prompter.information(kStelliumSavedMessage);
    CloseStelliumFile(session_.stelliumFile);
  }
  const QStringList lines = StateFileLines(session_.chart);
  session_.chart.texts.timeText = lines[1].left(kStoredTextLength);
  QString error;
  if (!WriteStateFile(lines, &error)) {
    session_.prompter.error(error);
    return false;
  }
  return true;
}

}  // namespace gyrolux
