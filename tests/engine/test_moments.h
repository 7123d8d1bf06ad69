#pragma once

#include <cstdint>
#include <random>

#include "engine/calendar.h"
#include "engine/chart.h"

namespace gyrolux::testing {

// Valid moments spread over the given years: any day of the month, any time of day,
// places within the ranges the dialogs accept.
class MomentSource {
 public:
  MomentSource(uint32_t seed, int firstYear, int lastYear)
      : random_(seed), year_(firstYear, lastYear) {}

  ChartMoment Next(double maxHours = 24.0) {
    ChartMoment m;
    m.year = year_(random_);
    m.month = std::uniform_int_distribution<int>(1, 12)(random_);
    m.day = std::uniform_int_distribution<int>(1, GregorianMonthLength(m.year, m.month))(random_);
    m.hours = std::uniform_real_distribution<double>(0.0, maxHours)(random_);
    m.longitude = std::uniform_real_distribution<double>(-180.0001, 180.0001)(random_);
    m.latitude = std::uniform_real_distribution<double>(-90.0001, 90.0001)(random_);
    m.westLongitude = m.longitude < 0;
    m.southLatitude = m.latitude < 0;
    return m;
  }

  std::mt19937& random() { return random_; }

 private:
  std::mt19937 random_;
  std::uniform_int_distribution<int> year_;
};

}  // namespace gyrolux::testing
