#pragma once

#include <functional>
#include <optional>

#include <QImage>

#include "clock/diagramm.h"
#include "clock/main_window_state.h"
#include "clock/state_file.h"

namespace gyrolux {

struct Session;

// The windows that the main window opens modally.
enum class ModalWindow {
  MomentDialog,    // "&Datum/Zeit/Ort"
  Interval,        // "&Intervall"
  Evaluation,      // "A&uswerten"
  PictureSearch,   // "&Pl.-Bild-Suche"
  MidpointSearch,  // "&Halbs.-Suche"
  Enlarged,        // "&Vergrößern ..."
  Introduction,    // "Progr.&Einführung"
};

// The clock of the main window as a state machine: running (timer enabled) or halted,
// with the operations of its buttons and scroll bar. It changes the session's moment and
// clock and the MainWindowState; the window copies that state onto its widgets after
// every operation.
class ClockController {
 public:
  explicit ClockController(Session& session, QImage icon = QImage());

  Session& session() { return session_; }
  MainWindowState& state() { return state_; }
  const MainWindowState& state() const { return state_; }
  bool running() const;

  // Called the moment the clock starts or stops, so that the window's timer follows at
  // once (a message box shown later by the same command must not let a tick in).
  std::function<void(bool running)> onRunningChanged;
  // Called after a search that stopped on a hit, to show its result line in the
  // evaluation window when that is not already open.
  std::function<void()> showSearchResult;

  // The start-up of the first showing, after the title picture: the moment from the
  // system clock and the place from ALT.DAT (nullopt: no ALT.DAT), the clock defaults,
  // no stellium file, buttons off, halted.
  void beginStartUp(const std::optional<StoredMoment>& stored);
  // The end of the start-up, after the font check, the places file and the question:
  // running at 950 ms, buttons on, orb 1.18, counters 1, focus on "&Halt", the first
  // drawing.
  void finishStartUp();

  // `buttons` and `vier_buttons`.
  void setButtons(bool on);
  void vierButtons();
  // The timer with the status pair.
  void stopTimer();
  void startTimer();

  // `Diagramm` with what follows from it: the chart recomputed, the stellium logged (and
  // the clock halted there when so chosen), the strip written as "dia.wmf", the drawing
  // and lists put into the state. Errors are shown; the drawing is then abandoned.
  void draw();
  // The drawing again at the same moment after the radix was loaded or hidden, so the wheel
  // follows at once. Nothing of the moment changed: no stellium is logged and "dia.wmf" is
  // not rewritten, which `draw` would do a second time for the same moment.
  void redrawForRadix();

  // The tempo scroll bar moved (by the user or from code): the tempo change runs when the
  // position differs from the last one.
  void moveScrollBar(int position);

  void tick();
  void haltOrContinue();
  void realTime();
  // "&Alt-Datum/Zeit": false when ALT.DAT cannot be read (the error is shown).
  bool lastMoment();
  void toggleAbout();
  void toggleCover();

  // Opens one of the modal windows: the clock halted and the buttons switched off as that
  // window needs, show() run (it returns when the window has closed), then the window's
  // outcome applied (new moment shown, search result, buttons on again).
  void openModal(ModalWindow window, const std::function<void()>& show);

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
  void drawIfShown();
  DiagrammSettings diagrammSettings();
  void afterMomentDialog();
  void afterSearch(bool& inProgress);
  bool recordStellium(const Stellium& stellium);

  Session& session_;
  QImage icon_;
  MainWindowState state_;
};

}  // namespace gyrolux
