#pragma once

#include <array>

#include "engine/chart_core.h"
#include "engine/factors.h"
#include "midpoints/picture_orb.h"
#include "midpoints/watched_distance.h"

namespace gyrolux {

// What an alarm waits for: a planetary picture A/B = C/D, or a midpoint A/B at an angle
// of the 22.5-degree mode.
enum class AlarmKind { Picture, MidpointAngle };

struct AlarmQuery {
  AlarmKind kind = AlarmKind::Picture;
  // A, B, C, D as FactorId 0..22 or 23 for "--" (longitude 0); C and D only for a picture.
  std::array<int, 4> factors{};
  double angle = 0.0;  // the target of the midpoint-angle search, degrees (0 to 22.5)
  double orb = kStartPictureOrb.degrees;
};

AlarmQuery PictureQuery(int a, int b, int c, int d, double orb = kStartPictureOrb.degrees);
AlarmQuery MidpointAngleQuery(int a, int b, double angle);

// What the search of each kind watches. A kind is one wrapper here: a picture compares
// the midpoints A/B and C/D, the midpoint-angle search A/B with the fixed angle.
Watch PictureWatch(const AlarmQuery& query);
Watch MidpointAngleWatch(const AlarmQuery& query);
Watch WatchOf(const AlarmQuery& query);

// The factors the query names (A, B and, for a picture, C and D).
int AlarmFactorCount(const AlarmQuery& query);

// Every factor a valid FactorId or "--".
bool IsValidAlarmQuery(const AlarmQuery& query);

// The chart factors the hit test needs ("--" needs none).
FactorMask AlarmFactorMask(const AlarmQuery& query);

// d of the hit test: |m1 - m2| for a picture, |m - angle| for the midpoint-angle search.
double AlarmDistance(const AlarmQuery& query, const FactorLongitudes& longitudes);

}  // namespace gyrolux
