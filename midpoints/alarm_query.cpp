#include "midpoints/alarm_query.h"

namespace gyrolux {

AlarmQuery PictureQuery(int a, int b, int c, int d, double orb) {
  return {AlarmKind::Picture, {a, b, c, d}, 0.0, orb};
}

AlarmQuery MidpointAngleQuery(int a, int b, double angle) {
  return {AlarmKind::MidpointAngle, {a, b, kFillerAbbrevIndex, kFillerAbbrevIndex}, angle,
          kMidpointSearchOrb.degrees};
}

Watch PictureWatch(const AlarmQuery& query) {
  const auto& f = query.factors;
  return {{{f[0], f[1]}, {}}, {{f[2], f[3]}, {}}, kMode22_5, Orb{query.orb}};
}

Watch MidpointAngleWatch(const AlarmQuery& query) {
  const auto& f = query.factors;
  return {{{f[0], f[1]}, {}}, {{}, query.angle}, kMode22_5, Orb{query.orb}};
}

Watch WatchOf(const AlarmQuery& query) {
  switch (query.kind) {
    case AlarmKind::Picture:
      return PictureWatch(query);
    case AlarmKind::MidpointAngle:
      return MidpointAngleWatch(query);
  }
  return PictureWatch(query);
}

int AlarmFactorCount(const AlarmQuery& query) { return query.kind == AlarmKind::Picture ? 4 : 2; }

bool IsValidAlarmQuery(const AlarmQuery& query) {
  for (int i = 0; i < AlarmFactorCount(query); ++i) {
    const int id = query.factors[i];
    if (id < 0 || id > kFillerAbbrevIndex) return false;
  }
  return true;
}

FactorMask AlarmFactorMask(const AlarmQuery& query) { return WatchedFactors(WatchOf(query)); }

double AlarmDistance(const AlarmQuery& query, const FactorLongitudes& longitudes) {
  return WatchedDistance(WatchOf(query), longitudes);
}

}  // namespace gyrolux
