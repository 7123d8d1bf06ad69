#pragma once

#include <QString>
#include <QStringList>

#include "engine/chart.h"
#include "engine/dial_mode.h"

namespace gyrolux {

// The lists of the evaluation window, built from the chart the halted clock left. Each
// returns the lines as the list gives them to the view, before the view wraps a line
// that is wider than itself. Columns are counted in characters of a fixed-pitch font.

// Which list the evaluation window shows; it chooses the name of a saved file.
enum class ShownListKind { None, Factors, Code, Midpoints, McTexts };

// The first line of a list: the title, the date, the time and the place of the moment.
// Title, date and ", " share a text that holds a 10-character date, so a longer date
// text is cut.
QString ListHeaderLine(const QString& title, const Chart& chart);

// The titles of the header lines.
QString FactorsTitle();     // "  Faktoren vom "
QString AlphaCodeTitle();   // " Alpha-Code "
QString WinkelCodeTitle();  // " Winkel-Code "
QString MidpointsTitle();   // " Halbsummen "
QString McTextsTitle();     // "  MC/MC-Achsen-Texte "

// "&Faktoren": the 23 factors with their places in the zodiac and in the 22.5-degree
// mode, beside the first twelve the cusps of the MC houses, beside the last five the
// main data of the moment, then the meanings of the twelve houses.
QStringList FactorsList(const Chart& chart);

// "&Alpha-Code": the 253 midpoints of MC to PO, pair A/B with A <= B, one group per A
// of line pairs with nine cells each: "MC/SO10 " above "07°30'  ".
QStringList AlphaCodeList(const Chart& chart);

// " Liste wird jetzt erstellt . . . ": shown while the Winkel-Code list is built.
QString WinkelCodeProgressLine();

// "&Winkel-Code": the same cells ordered by their 22.5-degree position in thousandths
// of a degree (equal thousandths in Alpha-Code order), laid out down 29 rows and then
// across: always 58 lines after the header lines.
QStringList WinkelCodeList(const Chart& chart);

// "&Halbsummen": every axis A/B that holds at least one planetary picture, with the
// pairs C/D of the factors from B on that stand in it within the orb, six to a line.
QStringList MidpointsList(const Chart& chart, Orb orb);

}  // namespace gyrolux
