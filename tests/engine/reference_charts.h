#pragma once

#include <array>
#include <optional>

#include <QString>
#include <QStringList>

#include "engine/chart.h"

namespace gyrolux::testing {

// One line of the reference charts file: the moment as it is fed to the engine, then the
// values the independent implementation computed for it.
struct ReferenceChart {
  ChartMoment moment;
  std::array<double, kFactorCount> factorLongitude{};
  std::array<int, kFactorCount> retrograde{};
  double centuriesT = 0.0;
  double negObliquity = 0.0;
  double ramc = 0.0;
  double localSiderealHours = 0.0;
  QString siderealText;
  QString ramcText;
  QString indexSiderealText;
  QString indexDateText;
};

// day;month;year;hours;longitude;latitude; 23 longitudes; 23 flags 0/1; centuriesT;
// negObliquity; ramc; localSiderealHours; the four texts. Numbers are read exactly
// (shortest round-trip text), whatever the locale. A line that does not hold exactly
// this gives nothing and says why in error.
std::optional<ReferenceChart> ParseReferenceChart(const QString& line, QString& error);

struct Tolerances {
  double longitudeDegrees = 1e-7;  // on every factor, the shorter way round
  double relative = 1e-12;         // on centuriesT, negObliquity, ramc, localSiderealHours
};

// Recomputes the moment and lists every difference beyond the tolerances (flags and
// texts must be equal); empty when the engine agrees.
QStringList CompareWithEngine(const ReferenceChart& reference, const Tolerances& tolerances);

}  // namespace gyrolux::testing
