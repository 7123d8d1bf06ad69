#pragma once

#include <optional>

#include <QString>

#include "session/session.h"

namespace gyrolux {

class ChartLibrary;

// The radix of a stored chart: its name and its chart computed.
std::optional<LoadedRadix> LoadRadix(const ChartLibrary& library, const QString& name, QString& error);

// The program's settings (QSettings, never ALT.DAT) remember the loaded radix by its name
// and library file; an empty name forgets it.
void RememberRadix(const QString& name, const QString& libraryPath);
// The radix remembered from an earlier run, loaded again; nothing when none is remembered
// (error empty) or it cannot be loaded (error says why).
std::optional<LoadedRadix> LoadRememberedRadix(QString& error);

}  // namespace gyrolux
