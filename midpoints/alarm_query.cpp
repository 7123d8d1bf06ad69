#include "midpoints/alarm_query.h"

namespace gyrolux {

AlarmQuery PictureQuery(int a, int b, int c, int d, double orb) {
  return {AlarmKind::Picture, {a, b, c, d}, 0.0, orb};
}

AlarmQuery MidpointAngleQuery(int a, int b, double angle) {
  return {AlarmKind::MidpointAngle, {a, b, kFillerAbbrevIndex, kFillerAbbrevIndex}, angle,
          kMidpointSearchOrb};
}

int AlarmFactorCount(const AlarmQuery& query) { return query.kind == AlarmKind::Picture ? 4 : 2; }

bool IsValidAlarmQuery(const AlarmQuery& query) {
  for (int i = 0; i < AlarmFactorCount(query); ++i) {
    const int id = query.factors[i];
    if (id < 0 || id > kFillerAbbrevIndex) return false;
  }
  return true;
}

FactorMask AlarmFactorMask(const AlarmQuery& query) {
  FactorMask mask = 0;
  for (int i = 0; i < AlarmFactorCount(query); ++i) {
    const int id = query.factors[i];
    if (id >= 0 && id < kFactorCount) mask |= FactorBit(id);
  }
  return mask;
}

}  // namespace gyrolux
