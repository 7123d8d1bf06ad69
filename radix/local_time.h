#pragma once

#include <optional>

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include "radix/radix_record.h"

namespace gyrolux {

// A fixed offset as typed, "+05:30", "-03:00" or "+00:53:28", at most 15 hours: the
// offset in seconds east of Greenwich.
std::optional<int> ParseFixedOffset(const QString& text);
// An offset as "+01:00", with seconds only where it has them ("+00:53:28").
QString FormatOffset(int seconds);

// A zone is an IANA name that the time-zone database knows, or a fixed offset.
bool IsKnownZone(const QString& zone);

// What a local time means in a zone.
struct LocalTimeResolution {
  enum class Kind { Unique, Gap, Repeated, BadZone };
  Kind kind = Kind::BadZone;
  QDateTime utc;            // the world time (Unique, or Repeated with a fold chosen)
  int offsetSeconds = 0;    // local time minus world time
  int earlierOffset = 0;    // Repeated: the offsets of the first and the second pass
  int laterOffset = 0;
  QString message;          // German, for a gap, a repeated hour without fold, a bad zone
};

// The world time of a local time in a zone through the time-zone database (its history,
// summer times and, before the zone's standard time, the local mean time of its main
// city). A time the clocks skipped is refused naming the gap; one they showed twice
// needs fold (without it the message names both offsets).
LocalTimeResolution ResolveLocalTime(QDate date, QTime time, const QString& zone, FoldChoice fold);

}  // namespace gyrolux
