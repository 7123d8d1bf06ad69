#pragma once

#include <QString>

#include "engine/calendar.h"
#include "session/session.h"

namespace gyrolux {

// The kinds of file that the program saves under a running number.
enum class NumberedFileKind {
  Factors,        // "FAKT-nn.TXT"
  Codes,          // "CODE-nn.TXT": Alpha-Code and Winkel-Code
  Midpoints,      // "HALB-nn.TXT"
  McTexts,        // "MCTE-nn.TXT"
  DegreeAxis,     // "Grad-nn.TXT"  } one counter for both lookups
  MidpointAxis,   // "ACHS-nn.TXT"  }
  Diagram,        // "MCPic-nn.WMF"
  AxisGraphic,    // "yyyymmdd_nnn.WMF", the chart date in front
};

// The counter of a kind in the session (the two lookups share one).
int& NumberedFileCounter(FileCounters& counters, NumberedFileKind kind);

// The name of a kind's file with the given number: the prefix, the number zero-padded to
// two digits (three for the axis graphic, more when it has more), the extension.
// chartDate is used by the axis graphic only.
QString NumberedFileName(NumberedFileKind kind, int number, const CivilDate& chartDate = {});

// The first number from `number` on whose file does not exist in folder yet: a save never
// overwrites a file kept from an earlier run.
int FirstFreeNumber(NumberedFileKind kind, int number, const QString& folder = QString(),
                    const CivilDate& chartDate = {});

}  // namespace gyrolux
