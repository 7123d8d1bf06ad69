#pragma once

#include <initializer_list>
#include <utility>

#include "engine/chart.h"
#include "engine/factors.h"

namespace gyrolux::testing {

// A chart whose longitudes are set by hand: every factor at background, then the listed
// ones moved; the texts of 01.01.2000, 12:00 at 10°00' E, 50°00' N.
inline Chart HandChart(std::initializer_list<std::pair<int, double>> placed, double background = 10.0) {
  Chart chart;
  chart.moment = {1, 1, 2000, 12.0, 10.0, 50.0, false, false};
  chart.texts.dateText = QStringLiteral("01.01.2000");
  chart.texts.longitudeText = QStringLiteral("+010°00'");
  chart.texts.latitudeText = QStringLiteral("+50°00'");
  chart.state.factorLongitude.fill(background);
  for (const auto& [factor, longitude] : placed) chart.state.factorLongitude[static_cast<size_t>(factor)] = longitude;
  return chart;
}

// Factor i at i + 1 degrees: the midpoint of A/B lies at (A + B + 2) / 2, so the pairs with
// one sum A + B share one midpoint (seven pairs for the sums 12 and 13, eight for 14).
inline Chart StepChart() {
  Chart chart = HandChart({});
  for (int i = 0; i < kFactorCount; ++i) chart.state.factorLongitude[static_cast<size_t>(i)] = i + 1.0;
  return chart;
}

}  // namespace gyrolux::testing
