#pragma once

#include <QString>

#include "session/session.h"

namespace gyrolux {

// Appends the line for one stellium to STELLIA.TXT: at the first one of a run the file is
// created (or emptied) with its header line, and only then marked open, so that after a
// failure the next stellium tries again. Each line is on disk as soon as it is written.
// False, with the German reason in *error, when the file cannot be created or written.
bool RecordStellium(StelliumFileState& state, const QString& line, QString* error = nullptr);

// Closes the file at the end of the run; true when one had been opened.
bool CloseStelliumFile(StelliumFileState& state);

}  // namespace gyrolux
