#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "engine/calendar.h"
#include "engine/chart.h"
#include "engine/dial_mode.h"
#include "midpoints/picture_orb.h"
#include "midpoints/watched_distance.h"

namespace gyrolux {

// What moves onto the radix: a transiting factor (on a radix factor or radix midpoint),
// the midpoint of two transiting factors (on a radix factor), or a radix factor directed
// by the solar arc (on a radix factor or radix midpoint).
enum class EventKind { Transit, Midpoint, Arc };
constexpr unsigned EventKindBit(EventKind kind) { return 1u << static_cast<int>(kind); }

struct EventQuery {
  ChartMoment radix;                   // world time and place of the radix
  FactorLongitudes radixLongitudes{};  // its chart
  CivilDate from;                      // the period: from 0:00 world time of this day
  int64_t days = 1;                    // for this many whole days
  unsigned kinds = EventKindBit(EventKind::Transit);
  std::vector<int> moving;             // FactorIds (MC..PO without WI)
  Orb orb = kPictureOrb;
  DialMode mode = kMode22_5;           // its width must divide 180
};

// The longest period: a hundred years and a day, so that 1.1.2000 to 31.12.2099 fits.
inline constexpr int64_t kMaxEventDays = 36526;

// Whether a factor can move onto the radix: WI stands still and GZ jumps at new year.
bool IsMovingFactor(int factor);

// The German reason why a query is refused, or an empty text: a period of 1 up to
// kMaxEventDays days within the years 1600 to 9999 (in the modern sky, which the radix
// moment names, radix and period within that sky's years), no kind, an unusable factor, an orb
// outside (0, half the mode's width].
QString EventQueryProblem(const EventQuery& query);

// One pass of a moving position over a radix position. Times are whole seconds of world
// time from the period's start, each the true moment of the model's continuous positions
// rounded to the second.
//
// A stay is the time the two positions are closer than the orb in the mode. Each local
// least distance within a stay is one event: a crossing (distance 0) or a standstill of
// the moving position short of the radix one (a retrograde turn). The events of one stay
// share its entering and leaving; those are empty where the period begins or ends inside
// the stay. Only events whose exact moment lies within the period are reported.
//
// The pass counts the events of one approach: it goes on (2nd, 3rd) while the moving
// position turns back onto the same radix position, and starts at 1 when it comes round
// the whole circle of the mode. Turns before the period count: the search looks back far
// enough for a retrograde loop.
struct RadixEvent {
  EventKind kind = EventKind::Transit;
  std::array<int, 2> moving{kFillerAbbrevIndex, kFillerAbbrevIndex};  // one or two factors
  std::array<int, 2> target{kFillerAbbrevIndex, kFillerAbbrevIndex};  // radix factor or midpoint
  int pass = 1;
  std::optional<int64_t> entering;
  int64_t exact = 0;
  std::optional<int64_t> leaving;
  double distance = 0.0;    // least distance, degrees of the mode
  bool retrograde = false;  // the moving position runs backwards at the exact moment
};

struct EventSearchOptions {
  const std::atomic<bool>* abort = nullptr;
  // The share of the period done, 0 to 1, from the searching thread.
  std::function<void(double)> progress;
  int threads = 0;  // 0: every core the process may use
};

enum class EventSearchEnd { Done, Aborted, Rejected };

using RadixEventSink = std::function<void(const RadixEvent&)>;

// Every event of the query in the order of the exact moment (ties by kind, moving and
// target), handed to the sink as soon as no earlier one can follow: memory does not grow
// with the period. Rejected (nothing found) when EventQueryProblem objects. An abort ends
// it within one slice of a few weeks; the events handed on until then are all those before
// the last one handed on.
EventSearchEnd FindRadixEvents(const EventQuery& query, const RadixEventSink& sink,
                               const EventSearchOptions& options = {});

// The chart moment `seconds` of world time after the period's start, at the radix place.
ChartMoment EventMoment(const EventQuery& query, double seconds);

// The solar arc's progressed moment for a moment of the period (seconds from its start):
// a day after the birth for each year of 365.25 days after it.
double ProgressedSeconds(const EventQuery& query, double seconds);

// The engine's watch of an event's picture: the moving position (for a directed factor
// the progressed Sun, read at ProgressedSeconds) against the radix position as a fixed one.
Watch EventWatch(const EventQuery& query, const RadixEvent& event);

// The exact offset of the moving position from the radix position of an event, signed,
// within half the mode's width: the test the search answers, on the full model.
double ExactEventOffset(const EventQuery& query, const RadixEvent& event, double seconds);

}  // namespace gyrolux
