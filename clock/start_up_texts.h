#pragma once

#include <QString>

namespace gyrolux {

// The messages of the main window's start-up and its about panel. Line breaks are single
// CR characters.

// Shown when no installed font is the symbol font.
QString SymbolFontMissingMessage();

// Whether the clock shall halt at every stellium (Yes or No).
QString StelliumQuestion();

// The five lines of the about panel.
QString AboutText();

// 125 blanks and the program's name.
QString MainWindowCaption();

}  // namespace gyrolux
