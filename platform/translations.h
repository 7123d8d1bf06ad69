#pragma once

class QCoreApplication;

namespace gyrolux {

// Loads Qt's own German texts (buttons "Ja", "Nein", "Abbrechen", the print dialog) into
// app, whatever the machine's locale, from the copy compiled into the program.
bool InstallGermanTranslations(QCoreApplication& app);

}  // namespace gyrolux
