#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include <QDateTime>
#include <QStringList>

#include "clock/clock_state.h"
#include "engine/chart.h"

namespace gyrolux {

class Prompter;
class StelliumLogWriter;

// Flags found or set at start-up and while the main window runs.
struct SessionFlags {
  bool symbolFontPresent = false;
  bool altDatAvailable = false;
  bool stopAtStellium = false;
  bool dialShown = true;
  bool placesFilePresent = false;
};

// The two alarm searches and the lookups share these.
struct SearchState {
  int pairA = 0, pairB = 0;  // first pair, A <= B
  int pairC = 0, pairD = 0;  // second pair, C <= D
  double searchAngle = 0.0;
  bool searchFound = false;
  bool searchAbort = false;
  bool pictureSearchInProgress = false;
  bool midpointSearchInProgress = false;
};

// Running numbers of the numbered output files: one byte each, 1 at start-up.
struct FileCounters {
  uint8_t factors = 1;      // FAKT-
  uint8_t codes = 1;        // CODE- (Alpha-Code and Winkel-Code)
  uint8_t midpoints = 1;    // HALB-
  uint8_t mcTexts = 1;      // MCTE-
  uint8_t axisLookups = 1;  // Grad- and ACHS-
  uint8_t diagrams = 1;     // MCPic-
  uint8_t axisGraphics = 1; // yyyymmdd_nnn.WMF
};

// The places file as read at start-up: each line cut to 255 characters.
struct PlacesTable {
  QStringList lines;
};

// STELLIA.TXT: opened at the first stellium of a run, kept open until the main window
// closes. `open` is set only after the file's first line has been written.
struct StelliumFileState {
  bool open = false;
  std::shared_ptr<StelliumLogWriter> writer;
};

// The printable page of the default printer in device pixels, each rounded up to the
// next multiple of 100 strictly above it; taken when the main window is made.
struct PrinterPage {
  uint16_t width = 0;
  uint16_t height = 0;
};

// Everything that one run of the program holds. Made once in main() (or per test case)
// and handed by reference to every window and to the logic that needs it.
struct Session {
  explicit Session(Prompter& prompter) : prompter(prompter) {}

  Chart chart;
  ClockState clock;
  SessionFlags flags;
  double pictureOrb = 1.18;
  SearchState search;
  PlacesTable places;
  FileCounters counters;
  StelliumFileState stelliumFile;
  PrinterPage printerPage;
  // The main window's place label ("010°00' E, 50°00' N"); other windows print it.
  QString placeLabel;

  Prompter& prompter;
  // The system's local date and time (taken as universal time); tests replace it.
  std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
};

}  // namespace gyrolux
