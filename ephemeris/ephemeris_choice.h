#pragma once

#include <optional>

#include <QString>

#include "engine/ephemeris_kind.h"

namespace gyrolux {

// The names of the skies: what the settings window offers, what prints and exports say,
// and the key of the command line and the JSON output.
QString EphemerisTitle(Ephemeris ephemeris);   // "Ephemeride: Modell (Version 5.0)", "Swiss Ephemeris"
QString EphemerisShortName(Ephemeris ephemeris);  // "Modell (Version 5.0)", "Swiss Ephemeris"
QString EphemerisKey(Ephemeris ephemeris);     // "model", "swiss"
std::optional<Ephemeris> EphemerisFromKey(const QString& key);

// The line a print or an export carries when its chart is not the model's; empty for the
// model (whose outputs stay as they are).
QString EphemerisNote(Ephemeris ephemeris);

// The choice as the program's settings keep it (QSettings, key "Ephemeride"); the model
// when nothing or something unknown is stored.
Ephemeris LoadEphemerisChoice();
void SaveEphemerisChoice(Ephemeris ephemeris);

}  // namespace gyrolux
