#pragma once

class QCoreApplication;

namespace gyrolux {

// Loads Qt's own German texts (buttons "Ja", "Nein", "Abbrechen", the print dialog) into
// app, whatever the machine's locale. False when the translation file is not installed;
// the program then runs with Qt's English texts.
bool InstallGermanTranslations(QCoreApplication& app);

}  // namespace gyrolux
