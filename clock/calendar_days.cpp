#include "clock/calendar_days.h"

#include <algorithm>
#include <chrono>

namespace gyrolux {

namespace {

constexpr int kYearLimit = 30000;
// Days of the years -30000 .. +30000 on both sides of the epoch, with room to spare.
constexpr int64_t kDayLimit = 11000000;

}  // namespace

int64_t DayNumber(const CivilDate& date) {
  using namespace std::chrono;
  const int year = std::clamp(date.year, -kYearLimit, kYearLimit);
  const unsigned month = static_cast<unsigned>(std::clamp(date.month, 1, 12));
  const int64_t day = std::clamp<int64_t>(date.day, -kDayLimit, kDayLimit);
  const sys_days first = std::chrono::year{year} / std::chrono::month{month} / 1;
  return first.time_since_epoch().count() + day - 1;
}

CivilDate DateOfDayNumber(int64_t dayNumber) {
  using namespace std::chrono;
  const int64_t clamped = std::clamp<int64_t>(dayNumber, -kDayLimit, kDayLimit);
  const year_month_day ymd{sys_days{days{clamped}}};
  return {static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(static_cast<unsigned>(ymd.month())), static_cast<int>(ymd.year())};
}

CivilDate AddDays(const CivilDate& date, int64_t days) {
  return DateOfDayNumber(DayNumber(date) + std::clamp<int64_t>(days, -2 * kDayLimit, 2 * kDayLimit));
}

}  // namespace gyrolux
