#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

#include "engine/chart.h"
#include "engine/dial_mode.h"

namespace gyrolux {

// "&MC/MC-Texte": the meanings of the planetary pictures in the MC/MC axis, read from the
// texts file MC-ERGNW.TXT. An entry of the file is a head line with the two factors in
// characters 9-10 and 12-13 and "|" as the 11th character, its text lines, and a line of
// at most 5 characters that ends it.

// The name the texts file is looked for by, without regard to case.
QString McTextsFileName();  // "mc-ergnw.txt"

// Shown when no texts file is found.
QString MissingMcTextsMessage();  // "Die Datei MC-ERGNW.TXT fehlt im aktuellen Verzeichnis! "

// The largest texts file read, far above any real one (the shipped file has 64 KB and
// about 2,000 lines): a larger one would take seconds and a gigabyte for its list.
inline constexpr qint64 kMaxMcTextsBytes = 4 * 1024 * 1024;
inline constexpr qsizetype kMaxMcTextsLines = 65536;
QString McTextsTooLargeMessage();

// Where the texts file is looked for after the current directory: the user's data folder
// and the folders of the program's data.
QStringList McTextsFolders();

// The texts file: in the current directory first, then in folders in order; nothing
// when none is found.
std::optional<QString> FindMcTextsFile(const QStringList& folders);

// The lines that open the list: " ", the header line, "  ", the two lines on the house
// meanings and " ".
QStringList McTextsHeadLines(const Chart& chart);

// The next line of the texts file, nothing at its end.
using LineSource = std::function<std::optional<QString>()>;

// The entries whose picture stands in the MC/MC axis within the orb, in the order of the
// file: "  " + head + "," + house, the text lines with two blanks in front, the meaning
// of the house and " ".
QStringList McTextEntries(const Chart& chart, Orb orb, const LineSource& nextLine);
QStringList McTextEntries(const Chart& chart, Orb orb, const QStringList& fileLines);

// The whole list from the texts file at path (nothing: none was found). When the file is
// missing or cannot be opened, or a read fails inside it, the list holds what was built
// up to there and message says why, in German. A file of more than kMaxMcTextsBytes is
// not read; after kMaxMcTextsLines lines the reading stops; both say so.
struct McTextsList {
  QStringList lines;
  QString message;  // empty when the whole file was read
};
McTextsList BuildMcTextsList(const Chart& chart, Orb orb, const std::optional<QString>& path);

}  // namespace gyrolux
