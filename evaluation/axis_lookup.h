#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "engine/chart.h"
#include "engine/dial_mode.h"

namespace gyrolux {

// The degree-axis and the midpoint-axis lookups: every midpoint of MC to PO that stands
// in one axis of the 22.5-degree mode, the axis given as an angle or as a pair.

enum class AxisLookupKind { Degree, Midpoint };

// The texts of a lookup window.
struct AxisLookupTexts {
  QString openCaption;        // the caption while it waits for input
  QString firstFieldLabel;    // "Grad" or "1.Fakt."
  QString secondFieldLabel;   // "Minuten" or "2.Fakt."
  QStringList helpLines;      // the list view before the first lookup
  QString checkMessage;       // the error of the check of the two fields
};
const AxisLookupTexts& LookupTexts(AxisLookupKind kind);

// The angle of the degree-axis lookup as entered: degrees 0 to 22 and minutes 0 to 59,
// at most 22°30'.
struct DegreeAxisEntry {
  double degrees = 0.0;
  double minutes = 0.0;
};

// The check of the two fields "Grad" and "Minuten": both read as numbers (a decimal point
// or comma allowed), degrees 0 to 22, minutes 0 to 59, and with 22 degrees at most 30
// minutes. Nothing when the entry is no valid angle.
std::optional<DegreeAxisEntry> ReadDegreeAxis(const QString& degreesText, const QString& minutesText);

// The axis the list is built for: degrees + minutes / 60 + 0.01.
double DegreeAxisValue(const DegreeAxisEntry& entry);

// "Halbsummen in der Achse  07°05´" after a lookup, from the degrees and minutes as
// entered (so 07°05' never shows as 07°04´ through the rounding of the axis value).
QString DegreeAxisCaption(const DegreeAxisEntry& entry);

// The factor of a typed two-letter name: one of MC .. GZ or the filler "--" (23),
// compared after conversion to upper case.
std::optional<int> LookupFactor(const QString& name);

// The pair check: both names known; the pair in ascending order (SO/MC gives MC/SO).
struct FactorPair {
  int a = 0;
  int b = 0;
};
std::optional<FactorPair> ReadAxisPair(const QString& first, const QString& second);

// "Halbsummen in der Achse  MC/SO" after a lookup.
QString MidpointAxisCaption(const FactorPair& pair);

// "&Nächster Tag": the date one calendar day on at the same time of day, the chart
// recomputed. A four-digit date text ends with 31.12.9999: from there the day is not
// stepped (false), where the text would otherwise lose a digit and name a year 9000 years
// earlier.
bool StepLookupDay(Chart& chart);

// The lists: " ", the moment, the axis, then the midpoints in the axis in groups of seven,
// each a line of pairs ("MC/SO05 = ") above a line of angles ("07°30'    ") and " "
// after a full group. axis is the value DegreeAxisValue gives.
QStringList DegreeAxisList(const Chart& chart, double axis, Orb orb);
// The pair itself is not listed; its axis is taken from the chart's longitudes.
QStringList MidpointAxisList(const Chart& chart, const FactorPair& pair, Orb orb);

}  // namespace gyrolux
