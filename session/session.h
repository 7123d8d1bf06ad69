#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include <QDateTime>
#include <QStringList>

#include "engine/chart.h"
#include "engine/dial_mode.h"
#include "platform/text_file.h"
#include "session/clock_state.h"

namespace gyrolux {

class Prompter;

// Flags found or set at start-up and while the main window runs. Owned by the main
// window; the drawings read symbolFontPresent.
struct SessionFlags {
  bool symbolFontPresent = false;
  bool altDatAvailable = false;
  bool stopAtStellium = false;
  bool dialShown = true;
  bool placesFilePresent = false;
};

// The two alarm searches and the lookups share these. Owned by the search dialogs; the
// degree-axis and midpoint-axis lookups write the angle and the first pair too.
struct SearchState {
  int pairA = 0, pairB = 0;  // first pair, A <= B
  int pairC = 0, pairD = 0;  // second pair, C <= D
  double searchAngle = 0.0;
  bool searchFound = false;
  bool searchAbort = false;
  bool pictureSearchInProgress = false;
  bool midpointSearchInProgress = false;
  // The result line of the last search that stopped on a hit, shown in the evaluation
  // window.
  QString resultLine;
};

// Running numbers of the numbered output files, 1 at start-up; they count on past 255.
// Owned by the evaluation window, the lookups and the diagram windows that save.
struct FileCounters {
  int factors = 1;      // FAKT-
  int codes = 1;        // CODE- (Alpha-Code and Winkel-Code)
  int midpoints = 1;    // HALB-
  int mcTexts = 1;      // MCTE-
  int axisLookups = 1;  // Grad- and ACHS-
  int diagrams = 1;     // MCPic-
  int axisGraphics = 1; // yyyymmdd_nnn.WMF
};

// The places file as read at start-up: each line cut to 255 characters. Owned by the
// date, time and place dialog; filled once by the start-up.
struct PlacesTable {
  QStringList lines;
};

// STELLIA.TXT: opened at the first stellium of a run, kept open until the main window
// closes. `open` is set only after the file's first line has been written. Owned by the
// main window's drawing.
struct StelliumFileState {
  bool open = false;
  std::shared_ptr<TextLogWriter> writer;
};

// The printable page of the default printer in device pixels, each rounded up to the
// next multiple of 100 strictly above it; taken when the main window is made, read by
// the diagram prints.
struct PrinterPage {
  uint16_t width = 0;
  uint16_t height = 0;
};

// Everything that one run of the program holds. Made once in main() (or per test case)
// and handed by reference to every window and to the logic that needs it.
// The radix loaded from the chart library: its name and its chart. Shown beside the clock
// unless hidden; the program's settings remember which one it is.
struct LoadedRadix {
  QString name;
  Chart chart;
};

struct Session {
  explicit Session(Prompter& prompter) : prompter(prompter) {}

  // The one moment and chart: every window reads it; the clock, the dialogs, the searches
  // and the day-stepping lookups write it.
  Chart chart;
  // The clock's step and tempo: owned by the main window, written by the interval dialog.
  ClockState clock;
  SessionFlags flags;
  // The orb of the pictures: kPictureOrb from start-up, kAngleSearchOrb once the
  // midpoint-angle search ran.
  Orb pictureOrb = kPictureOrb;
  SearchState search;
  PlacesTable places;
  FileCounters counters;
  StelliumFileState stelliumFile;
  PrinterPage printerPage;
  std::optional<LoadedRadix> radix;
  bool radixHidden = false;
  // The main window's place label ("010°00' E, 50°00' N"); other windows print it.
  QString placeLabel;

  Prompter& prompter;
  // The computer's clock in universal time, whatever zone the computer is set to; tests
  // replace it.
  std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
};

}  // namespace gyrolux
