#pragma once

#include <cstdint>
#include <functional>

#include <QDateTime>
#include <QStringList>

#include "clock/clock_state.h"
#include "engine/chart.h"

namespace gyrolux {

class Prompter;

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

  Prompter& prompter;
  // The system's local date and time (taken as universal time); tests replace it.
  std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
};

}  // namespace gyrolux
