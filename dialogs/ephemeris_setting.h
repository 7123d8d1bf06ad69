#pragma once

#include <QString>

#include "engine/ephemeris_kind.h"

namespace gyrolux {

struct Session;

// The run's sky is the one the chart's moment carries: the clock, the lists, the pictures,
// the searches and the prints computed from it follow it.
Ephemeris SessionEphemeris(const Session& session);

// Makes a sky the run's and the program's setting (kept in QSettings for the next run).
// The modern sky is refused for a moment beyond its years: the message to show is
// returned and nothing changes. An empty text means the choice was made.
QString ChooseEphemeris(Session& session, Ephemeris ephemeris);

// At start: the sky kept in the settings becomes the run's. A moment the modern sky does
// not reach is computed in the model (and the indicator says so).
void TakeEphemerisFromSettings(Session& session);

// What the main window shows while the sky is not the model; empty for the model.
QString EphemerisIndicator(const Session& session);

}  // namespace gyrolux
