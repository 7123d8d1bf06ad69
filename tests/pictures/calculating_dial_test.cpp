#include "pictures/calculating_dial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "pictures/dial_picture.h"

namespace gyrolux {
namespace {

// The label position of the definition: angle a at radius 1025 + 125, each term cut.
QPoint LabelAt(double a) {
  const double c = std::cos(a * M_PI / 180), s = std::sin(a * M_PI / 180);
  return {1220 + static_cast<int>(1025 * c) + static_cast<int>(125 * c),
          1750 - static_cast<int>(1025 * s) - static_cast<int>(125 * s)};
}

std::array<double, kFactorCount> Longitudes(const std::vector<double>& values) {
  std::array<double, kFactorCount> lon{};
  for (size_t i = 0; i < values.size(); ++i) lon[i] = values[i];
  return lon;
}

std::map<int, CalculatingDialLabel> ByFactor(const std::vector<CalculatingDialLabel>& labels) {
  std::map<int, CalculatingDialLabel> map;
  for (const CalculatingDialLabel& label : labels) map[label.factor] = label;
  return map;
}

TEST(CalculatingDialTest, RunsOfTwoToFiveSpreadAboutTheirMeanAndSinglesMoveAhead) {
  // MC..GZ: WI at 0 and six more alone; runs of 2 (2.5 apart), 3, 4 and 5; a pair 2.6
  // apart that stays single; the run of three given out of factor order.
  const auto lon = Longitudes({10.0, 0.0, 100.0, 102.5,                 // MC WI | SO AS
                               54.0, 52.0, 50.0,                        // MO KN ME
                               150.0, 151.0, 152.0, 153.0,              // VE MA JU SA
                               250.0, 251.0, 252.0, 253.0, 254.0,       // UR .. HA
                               31.0, 33.6,                              // ZE KR
                               80.0, 125.0, 180.0, 225.0, 300.0});      // AP AD VU PO GZ
  const std::vector<CalculatingDialLabel> sorted = CalculatingDialLayout(lon);
  ASSERT_EQ(sorted.size(), 23u);
  for (size_t k = 1; k < sorted.size(); ++k) EXPECT_LE(lon[sorted[k - 1].factor], lon[sorted[k].factor]);
  EXPECT_EQ(sorted.front().factor, WI);

  const auto labels = ByFactor(sorted);
  struct Run {
    std::vector<int> factors;  // by longitude
    double mean;
    std::vector<double> offsets;
  };
  const Run runs[] = {{{SO, AS}, 101.25, {-1.2, 1.2}},
                      {{ME, KN, MO}, 52.0, {-2.4, 0, 2.4}},
                      {{VE, MA, JU, SA}, 151.5, {-3.6, -1.2, 1.2, 3.6}},
                      {{UR, NE, PL, CU, HA}, 252.0, {-4.8, -2.4, 0, 2.4, 4.8}}};
  for (const Run& run : runs) {
    for (size_t j = 0; j < run.factors.size(); ++j) {
      const CalculatingDialLabel& label = labels.at(run.factors[j]);
      EXPECT_TRUE(label.grouped) << run.factors[j];
      EXPECT_DOUBLE_EQ(label.referenceAngle, lon[run.factors[j]]);
      EXPECT_NEAR(label.labelAngle, run.mean + run.offsets[j], 1e-9);
      EXPECT_EQ(label.labelPosition, LabelAt(run.mean + run.offsets[j] + 1.0));
    }
  }
  for (int single : {MC, WI, ZE, KR, AP, AD, VU, PO, GZ}) {
    const CalculatingDialLabel& label = labels.at(single);
    EXPECT_FALSE(label.grouped) << single;
    EXPECT_DOUBLE_EQ(label.referenceAngle, lon[single] + 1.5);
    EXPECT_EQ(label.labelPosition, LabelAt(lon[single] + 1.5));
  }
}

TEST(CalculatingDialTest, TheLastFactorBelow360IsDrawnBackAndRunsOfSixOrMoreSpreadEvenly) {
  // 359 is last: its label moves 25 left and down, the first one (WI at 0) 20 right.
  std::vector<double> spread;
  for (int i = 0; i < kFactorCount; ++i) spread.push_back(i == WI ? 0.0 : 10.0 + 15.0 * i);
  spread[MC] = 359.0;
  auto labels = CalculatingDialLayout(Longitudes(spread));
  const CalculatingDialLabel& last = labels.back();
  EXPECT_EQ(last.factor, MC);
  EXPECT_TRUE(last.grouped);
  EXPECT_DOUBLE_EQ(last.referenceAngle, 359.0);
  EXPECT_DOUBLE_EQ(last.labelAngle, 358.0);
  EXPECT_EQ(last.labelPosition, LabelAt(360.5) + QPoint(-25, 25));
  EXPECT_EQ(labels.front().factor, WI);
  EXPECT_EQ(labels.front().labelPosition, LabelAt(1.5) + QPoint(20, 0));

  // Seven within a degree of each other: 2.4 degrees apart about their mean; seven 2.5
  // apart: as far apart as they stand.
  for (double gap : {1.0, 2.5}) {
    std::vector<double> values = spread;
    values[MC] = 40.0;
    for (int j = 0; j < 7; ++j) values[SO + j] = 120.0 + gap * j;
    const auto byFactor = ByFactor(CalculatingDialLayout(Longitudes(values)));
    const double mean = 120.0 + 3 * gap;
    const double spacing = std::max(2.4, gap);
    for (int j = 0; j < 7; ++j) {
      const CalculatingDialLabel& label = byFactor.at(SO + j);
      EXPECT_TRUE(label.grouped);
      EXPECT_NEAR(label.labelAngle, mean + (j - 3) * spacing, 1e-9) << gap << ' ' << j;
    }
  }
  const std::vector<double> six = RunLabelOffsets(6, 1.0);
  const std::vector<double> expected = {-6.0, -3.6, -1.2, 1.2, 3.6, 6.0};
  ASSERT_EQ(six.size(), expected.size());
  for (size_t j = 0; j < six.size(); ++j) EXPECT_NEAR(six[j], expected[j], 1e-9);
}

}  // namespace
}  // namespace gyrolux
