#pragma once

#include <optional>
#include <utility>

#include <QString>

#include "midpoints/factor_names.h"

namespace gyrolux {

// The fields of the two search dialogs: the angle check and the progress lines (the factor
// names and the pair check are midpoints/factor_names.h).

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
