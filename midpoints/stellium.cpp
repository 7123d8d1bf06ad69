#include "midpoints/stellium.h"

#include <cmath>

#include "engine/formatting.h"
#include "engine/formatting.h"
#include "engine/houses.h"

namespace gyrolux {

namespace {

constexpr double kStelliumOrb = 1.2;
constexpr double kStelliumWrap = 358.8;  // 360 - orb: a group across 0° Aries
constexpr int kStelliumSize = 4;

}  // namespace

std::optional<Stellium> FindStellium(const FactorLongitudes& lon) {
  std::optional<Stellium> found;
  for (int i = 0; i < kMidpointFactorCount; ++i) {
    int count = 0;
    QString members;
    for (int j = i; j < kMidpointFactorCount; ++j) {
      const double d = std::fabs(lon[i] - lon[j]);
      if (d < kStelliumOrb || d > kStelliumWrap) {
        ++count;
        members += QLatin1String(FactorAbbrev[j]) + u'=';
      }
    }
    if (count >= kStelliumSize) found = Stellium{members, lon[i]};
  }
  return found;
}

QString StelliumMemberNames(const Stellium& stellium) { return stellium.members.chopped(1); }

QString StelliumLogLine(const Stellium& stellium, const QString& dateText, double hours) {
  return QStringLiteral("  ") + StelliumMemberNames(stellium) + QStringLiteral("  ") +
         FormatAngle(2, 30, stellium.longitude) + u' ' + SignOfLongitude(stellium.longitude) +
         QStringLiteral(" (") + FormatAngle(2, 22, stellium.longitude) + QStringLiteral(") ") +
         dateText + QStringLiteral(", ") + ShownClock(hours);
}

}  // namespace gyrolux
