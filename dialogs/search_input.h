#pragma once

#include <optional>
#include <utility>

#include <QString>

namespace gyrolux {

// The fields of the two search dialogs: factor names, the pair check, the angle check and
// the progress lines.

// The FactorId of a two-letter name as FactorAbbrev spells it ("MC" .. "GZ", "--" for the
// placeholder 23); names are compared exactly, so callers convert to upper case first.
std::optional<int> FactorIdOfName(const QString& name);

// Letters typed into a factor field, each converted to upper case on its own (a letter
// without a single upper-case form stays), so the text keeps its length.
QString FactorFieldText(const QString& typed);

QString InvalidPairMessage();

// The pair check: both names known gives their ids in ascending order (SO/MC becomes
// MC/SO); otherwise nothing, and the dialog shows InvalidPairMessage.
std::optional<std::pair<int, int>> CheckPair(const QString& first, const QString& second);

QString InvalidDegreesMessage();
QString InvalidMinutesMessage();

// The angle check of the midpoint-angle search: degrees from 0 to 22 and minutes from 0
// to 59 (real numbers, a point allowed), together at most 22°30'. Degrees are checked
// first.
struct AngleCheck {
  std::optional<double> angle;  // minutes/60 + degrees when valid
  QString message;
  bool focusMinutes = false;    // else the focus goes to the degrees
};
AngleCheck CheckSearchAngle(const QString& degrees, const QString& minutes);

// "10 Minuten Intervall von 2026 bis max. 2126" and "Aktuelles Jahr: 2031".
QString SearchIntervalLine(int startYear, int stopYear);
QString SearchYearLine(int year);

}  // namespace gyrolux
