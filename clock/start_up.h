#pragma once

#include <optional>

#include <QStringList>

#include "clock/state_file.h"

namespace gyrolux {

class ClockController;

// The title flag file as written, and the name it is looked for by at start-up.
inline constexpr const char* kTitleFlagFileName = "Titel.dat";
inline constexpr const char* kTitleFlagLookupName = "Titel.DAT";

// What the start-up takes from the machine: ALT.DAT, whether the symbol font is
// installed, where the places file may lie. Tests give their own.
struct StartUpEnvironment {
  std::optional<StoredMoment> stored;  // nothing: no ALT.DAT
  bool symbolFontPresent = false;
  QStringList placesCandidates;
};

// The environment of this machine and working directory.
StartUpEnvironment MachineStartUpEnvironment();

// Whether the title picture is shown: only while no "Titel.DAT" (in any case) lies in
// the working directory.
bool TitlePictureWanted();

// The start-up of the first showing, after the title picture: the moment from the system
// clock and the place from ALT.DAT, the clock defaults, the font check with its message,
// the places file, the stellium question, and the clock started at one second per tick
// with its first drawing.
void RunStartUp(ClockController& controller, const StartUpEnvironment& environment);

}  // namespace gyrolux
