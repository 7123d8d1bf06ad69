#include "pictures/factor_table.h"

#include "engine/angles.h"
#include "engine/factors.h"
#include "engine/formatting.h"
#include "engine/houses.h"

namespace gyrolux {

QString FactorTableRow(const ChartState& state, int factor) {
  if (factor < 0 || factor >= kFactorCount) return QString();
  const double lon = state.factorLongitude[factor];
  const QString sign = SignOfLongitude(lon);
  // FormatCoordinate writes three digits of degrees; within a sign two are enough.
  if (factor == SO) {
    return QStringLiteral("   SO ") + FormatCoordinate(true, Mod30(lon)).mid(1) + QStringLiteral("  ") + sign;
  }
  return (state.retrograde[factor] ? QStringLiteral(" R ") : QStringLiteral("   ")) +
         QLatin1String(FactorAbbrev[factor]) + QStringLiteral("   ") + FormatCoordinate(false, Mod30(lon)).mid(1) +
         QStringLiteral("  ") + sign;
}

QStringList FactorTableRows(const ChartState& state) {
  QStringList rows;
  for (int i = 0; i < kFactorCount; ++i) rows << FactorTableRow(state, i);
  return rows;
}

QPoint FactorTablePlace(int row, QPoint origin, int rowStep, int columnStep) {
  return origin + QPoint(columnStep * (row / 6), rowStep * (row % 6));
}

}  // namespace gyrolux
