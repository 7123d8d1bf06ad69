#include "midpoints/axis_lists.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/formatting.h"
#include "engine/houses.h"

namespace gyrolux {

QStringList AxisList(const FactorLongitudes& lon, int k, Orb orb) {
  const QString abbrevK = QLatin1String(FactorAbbrev[k]);
  const double axis = (lon[k] + lon[k]) / 2.0;
  QStringList lines;
  lines.append(u' ' + abbrevK + u'/' + abbrevK + QStringLiteral(" = ") + FormatAngle(2, 22, axis));
  const double a = kMode22_5.Reduce(axis);

  QString line = QStringLiteral(" ");
  int entriesInLine = 0;
  for (int i = k; i < kMidpointFactorCount; ++i) {
    for (int j = i; j < kMidpointFactorCount; ++j) {
      if (i == k && j == k) continue;
      const double m = kMode22_5.Reduce((lon[i] + lon[j]) / 2.0);
      if (!orb.HoldsPositions(a, m)) continue;
      line += QLatin1String(FactorAbbrev[i]) + u'/' + QLatin1String(FactorAbbrev[j]) +
              ZeroPad(static_cast<unsigned>(MidpointHouse(i, j, lon[i], lon[j])), 2) +
              QStringLiteral("  ");
      if (++entriesInLine == 3) {
        lines.append(line.chopped(2));
        line = QStringLiteral(" ");
        entriesInLine = 0;
      }
    }
  }
  if (entriesInLine > 0) lines.append(line);
  return lines;
}

std::array<QStringList, 4> MainAxisLists(const FactorLongitudes& longitudes, Orb orb) {
  std::array<QStringList, 4> lists;
  for (size_t n = 0; n < kMainAxes.size(); ++n) lists[n] = AxisList(longitudes, kMainAxes[n], orb);
  return lists;
}

}  // namespace gyrolux
