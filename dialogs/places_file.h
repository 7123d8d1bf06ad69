#pragma once

#include <QString>
#include <QStringList>

namespace gyrolux {

struct Session;
struct PlacesTable;

// The folders and names where the places file W-ORTE.TXT is looked for, in order (the
// name is matched without regard to case).
QStringList PlacesFileCandidates();

// Reads the places file into session.places (each line cut to 255 characters, at least
// one entry even from an empty file), sets session.flags.placesFilePresent, and reports a
// missing file through session.prompter.
void LoadPlacesTable(Session& session);

}  // namespace gyrolux
