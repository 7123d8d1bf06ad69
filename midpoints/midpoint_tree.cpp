#include "midpoints/midpoint_tree.h"

#include <algorithm>
#include <cmath>

#include <QStringList>

#include "engine/factors.h"

namespace gyrolux {

namespace {

double InMode(DialMode mode, double longitude) {
  const double p = std::fmod(longitude, mode.Width());
  return p < 0 ? p + mode.Width() : p;
}

void AddChart(std::vector<TreeEntry>& tree, const ChartState& chart, bool radix, DialMode mode, double pointer,
              Orb orb) {
  const QString prefix = radix ? QStringLiteral("r ") : QString();
  const auto consider = [&](const QString& name, double longitude) {
    if (!std::isfinite(longitude)) return;
    const double position = InMode(mode, longitude);
    const double distance = mode.CircleDistance(position, pointer);
    if (distance < orb.degrees) tree.push_back({prefix + name, position, distance, radix});
  };
  const auto name = [](int f) { return QLatin1String(FactorAbbrev[static_cast<size_t>(f)]); };
  const auto& lon = chart.factorLongitude;
  for (int a = 0; a < kMidpointFactorCount; ++a) consider(name(a), lon[a]);
  for (int a = 0; a < kMidpointFactorCount; ++a) {
    for (int b = a + 1; b < kMidpointFactorCount; ++b) {
      // The nearer midpoint; the farther one lies half the zodiac on, which every mode
      // but 360 folds onto the same place.
      consider(name(a) + u'/' + name(b), lon[a] + std::remainder(lon[b] - lon[a], 360.0) / 2.0);
      if (mode == kMode360) consider(name(a) + u'/' + name(b) + u'\'', lon[a] + std::remainder(lon[b] - lon[a], 360.0) / 2.0 + 180.0);
    }
  }
}

}  // namespace

std::vector<TreeEntry> MidpointTree(const ChartState& moment, const ChartState* radix, DialMode mode,
                                    double pointer, Orb orb) {
  std::vector<TreeEntry> tree;
  const double at = InMode(mode, pointer);
  AddChart(tree, moment, false, mode, at, orb);
  if (radix) AddChart(tree, *radix, true, mode, at, orb);
  std::stable_sort(tree.begin(), tree.end(),
                   [](const TreeEntry& a, const TreeEntry& b) { return a.distance < b.distance; });
  return tree;
}

QString TreePicture(const std::vector<TreeEntry>& tree) {
  if (tree.size() < 2) return QString();
  QStringList names;
  for (const TreeEntry& e : tree) names << e.name;
  return names.join(QStringLiteral(" = "));
}

QString ModeDegreesText(double position) {
  // Whole minutes, a millionth of a minute allowed for a place stepped in tenths.
  const long long total = static_cast<long long>(std::trunc(std::clamp(position, 0.0, 1e6) * 60.0 + 1e-6));
  const long long degrees = total / 60;
  const long long minutes = total % 60;
  return QStringLiteral("%1°%2'").arg(degrees, 2, 10, QChar(u'0')).arg(minutes, 2, 10, QChar(u'0'));
}

}  // namespace gyrolux
