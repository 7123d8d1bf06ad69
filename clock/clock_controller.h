#pragma once

#include <functional>
#include <optional>

#include <QDateTime>

#include "clock/main_window_state.h"
#include "clock/state_file.h"

namespace gyrolux {

struct Session;

// The two alarm searches that the main window opens.
enum class SearchKind { Picture, Midpoint };

// The clock of the main window as a state machine: running (timer enabled) or halted,
// with the operations of its buttons and scroll bar. It changes the session's moment and
// clock and the MainWindowState; the window copies that state onto its widgets and its
// timer after every operation and gives the drawing of the dial as drawDial.
class ClockController {
 public:
  explicit ClockController(Session& session);

  Session& session() { return session_; }
  MainWindowState& state() { return state_; }
  const MainWindowState& state() const { return state_; }
  bool running() const;

  // Diagramm: recompute, draw and refresh the lists. Called where the clock redraws.
  std::function<void()> drawDial = [] {};

  // Start-up, before the questions: window height and search label, the moment from the
  // system clock and the place from ALT.DAT (nullopt: no ALT.DAT), the clock defaults,
  // no stellium file, buttons off, halted.
  void beginStartUp(const std::optional<StoredMoment>& stored);
  // Start-up, after the questions: running at 950 ms, buttons on, orb 1.18, counters 1,
  // focus on "&Halt".
  void finishStartUp();

  // `buttons` and `vier_buttons`.
  void setButtons(bool on);
  void vierButtons();
  // The timer with the status pair.
  void stopTimer();
  void startTimer();

  // The tempo scroll bar moved (by the user or from code): the tempo change runs when the
  // position differs from the last one.
  void moveScrollBar(int position);

  void tick();
  void haltOrContinue();
  void realTime();
  // "&Alt-Datum/Zeit": false when ALT.DAT cannot be read (the error is shown).
  bool lastMoment();
  // "&Intervall": halts, runs the dialog, then shows the new interval.
  void runIntervalCommand(const std::function<void()>& showDialog);
  void toggleAbout();
  void toggleCover();

  // The commands that open other windows, around those windows.
  void beforeMomentDialog();
  void afterMomentDialog();
  void beforeEvaluation();
  void beforeSearch(SearchKind kind);
  // resultInEvaluation shows the search's result line in the evaluation window when that
  // is not already visible.
  void afterSearch(SearchKind kind, const std::function<void()>& resultInEvaluation = {});
  void beforeEnlarge();

  // The halt at a stellium: the label under the dial, the timer stopped, and the moment
  // one more step on (a year as 365 days), not yet recomputed.
  void stelliumStop(const QString& memberNames);

  // FormClose: the STELLIA.TXT message and ALT.DAT written. False when ALT.DAT could not
  // be written (the error is shown and the window stays open).
  bool close();

 private:
  void setTempoOne();
  void resetSearchLabel();
  void showMomentLabels();
  void resetToSecondsUnit();
  bool& searchFlag(SearchKind kind);

  Session& session_;
  MainWindowState state_;
};

}  // namespace gyrolux
