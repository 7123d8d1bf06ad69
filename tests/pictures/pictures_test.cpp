// The diagrams as data: places worked by hand from each picture's scale (y downwards) and,
// for the graphic ephemeris, positions swetest gives (the Sun on 1 January 2027 at 0 h world
// time at 280.32°; Mercury turning backwards in 2026 on days 56, 180 and 296 of the year and
// forwards again on days 80, 205 and 318).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "engine/factors.h"
#include "engine/houses.h"
#include "pictures/axis_graphic.h"
#include "pictures/axis_strip.h"
#include "pictures/calculating_dial.h"
#include "pictures/dial_picture.h"
#include "pictures/enlarged_dial.h"
#include "pictures/factor_table.h"
#include "pictures/graphic_ephemeris.h"
#include "pictures/mode_dial.h"
#include "pictures/radix_ring.h"
#include "platform/colors.h"
#include "tests/test_support/charts.h"

namespace gyrolux {
namespace {

using namespace Qt::StringLiterals;
using testing::FindText;

template <typename Predicate>
int Count(const Picture& picture, Predicate predicate) {
  return static_cast<int>(std::count_if(picture.ops().begin(), picture.ops().end(), predicate));
}
// Where a text stands; (-1, -1) when it is not drawn.
QPoint TextAt(const Picture& picture, const QString& text) {
  const PictureOp* op = FindText(picture, text);
  return op ? QPoint(op->x1, op->y1) : QPoint(-1, -1);
}
int CountText(const Picture& picture, const QString& text) {
  return Count(picture, [&](const PictureOp& op) { return op.kind == PictureOp::Kind::Text && op.text == text; });
}

// Factor i at 0.5 + 15 i degrees: no two share a cell or a neighbouring one.
Chart Spread() {
  Chart chart = testing::ChartOn(5, 12, 2026, testing::kMorning);
  for (int i = 0; i < kFactorCount; ++i) chart.state.factorLongitude[i] = 0.5 + 15.0 * i;
  chart.state.ramc = 1.0;
  chart.state.negObliquity = -0.409;
  return chart;
}

double Radius(int x, int y, int centre) { return std::hypot(x - centre, y - centre); }
double Angle(int x, int y, int centre) { return std::fmod(std::atan2(centre - y, x - centre) * 180 / M_PI + 360, 360); }

TEST(FactorTableTest, RowsOfNineteenCharacters) {
  ChartState state;
  state.factorLongitude[SO] = 240 + 13 + 17.0 / 60 + 26.0 / 3600;
  state.factorLongitude[SA] = 7 + 58.0 / 60;
  state.retrograde[SA] = 1;
  state.factorLongitude[MC] = 93.7;
  EXPECT_EQ(FactorTableRow(state, SO), QStringLiteral("   SO 13°17'26  SCH"));
  EXPECT_EQ(FactorTableRow(state, SA), QStringLiteral(" R SA   07°58'  WID"));
  EXPECT_EQ(FactorTableRow(state, MC), QStringLiteral("   MC   03°42'  KRE"));
  const QStringList rows = FactorTableRows(state);
  ASSERT_EQ(rows.size(), kFactorCount);
  for (const QString& row : rows) EXPECT_EQ(row.size(), 19) << row.toStdString();
}

TEST(AxisStripTest, ScaleRowsAndOptions) {
  Chart chart;
  for (int i = 0; i < kFactorCount; ++i) chart.state.factorLongitude[i] = 3.0 * i;
  const Picture bare = DrawAxisStrip(chart, {});
  // The scale 0° to 22° every 22 pixels from 17 on, each with its line 40..400.
  EXPECT_EQ(CountText(bare, QStringLiteral("22\u00B0")), 1);
  EXPECT_EQ(CountText(bare, QStringLiteral("23\u00B0")), 0);
  EXPECT_EQ(Count(bare, [](const PictureOp& op) {
              return op.kind == PictureOp::Kind::Line && op.y1 == 40 && op.y2 == 400 && op.x1 == op.x2 && (op.x1 - 17) % 22 == 0;
            }),
            23);
  // Without options: no MC, AS or hypothetical rows; the planets are there.
  EXPECT_EQ(CountText(bare, FactorGlyph(MC)) + CountText(bare, FactorGlyph(AS)) + CountText(bare, FactorGlyph(CU)), 0);
  EXPECT_EQ(CountText(bare, FactorGlyph(SO)) + CountText(bare, FactorGlyph(PL)), 2);

  const Picture all = DrawAxisStrip(chart, {true, true, true});
  for (int f : kAxisStripOrder) EXPECT_EQ(CountText(all, FactorGlyph(f)), 1) << f;
  // Each row's red marker: six pixels below the glyph's left part.
  EXPECT_EQ(Count(all, [](const PictureOp& op) { return op.kind == PictureOp::Kind::Pixel && op.color == clRed; }), 6 * 21);
}

TEST(AxisGraphicTest, GlyphsStackOnTheirDegreeTheListInTheFactorsColoursAndTheMomentLine) {
  Chart chart = testing::ChartOn(5, 12, 2026, testing::kMorning);
  auto& lon = chart.state.factorLongitude;
  // Every factor on a degree of its own from 10 on, away from the cases below.
  for (int i = 0; i < kFactorCount; ++i) lon[i] = 22.5 * i + 10.25 + 0.5 * (i % 12);
  lon[WI] = 0.0;
  lon[SO] = 5.2;              // fraction 0.2: degree 4 takes its depth
  lon[MO] = 5.9;              // below SO, and degree 6 takes the new depth 40
  lon[ME] = 6.1;              // 6.1: 40 pixels down on degree 6
  lon[VE] = 4.7;              // 4.7: on degree 4 at the depth SO left, 20
  lon[PO] = 22.49;            // x = 674
  const Picture picture = DrawAxisGraphic(chart);
  struct Place {
    int factor, x, depth;
  };
  for (const Place& p : {Place{SO, 156, 0}, Place{MO, 177, 20}, Place{ME, 183, 40}, Place{VE, 141, 20},
                         Place{PO, 674, 0}, Place{WI, 0, 0}}) {
    EXPECT_EQ(TextAt(picture, FactorGlyph(p.factor)), QPoint(p.x + 12, 50 + p.depth)) << FactorAbbrev[p.factor];
    // The mark of six pixels right above the glyph in the factor's exact column (0 degrees at x = 17).
    EXPECT_EQ(Count(picture, [&](const PictureOp& op) {
                return op.kind == PictureOp::Kind::Pixel && op.color == clRed && op.x1 == p.x + 17 &&
                       op.y1 >= 45 + p.depth && op.y1 <= 50 + p.depth;
              }),
              6)
        << FactorAbbrev[p.factor];
  }
  EXPECT_EQ(FindText(picture, FactorGlyph(AS))->font.color, clRed);
  EXPECT_EQ(FindText(picture, FactorGlyph(GZ)), nullptr);
  int listed = 0;
  for (const PictureOp& op : picture.ops()) {
    if (op.kind != PictureOp::Kind::Text || op.font.face != QStringLiteral("Ariel") || !op.font.bold) continue;
    for (int i = 0; i < 22; ++i) {
      if (!op.text.startsWith(QLatin1String(FactorAbbrev[i]) + u' ')) continue;
      ++listed;
      EXPECT_EQ(op.font.color, i == MC ? clGreen : i == AS ? clRed : clNavy) << i;
    }
  }
  EXPECT_EQ(listed, 22);
  EXPECT_NE(FindText(picture, QStringLiteral("WI 00°00'")), nullptr);
  EXPECT_NE(FindText(picture, QStringLiteral("Sa, 05.12.2026, 10:29:50, L:+010°00', B:+50°00'")), nullptr);
}

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

// The main window's wheel (its rings share their rule with the enlarged dial): the radius of
// a glyph's corner, the horizontal shrunk back by 99/100.
double GlyphRadius(const PictureOp* op) { return std::hypot((op->x1 - 260) * 0.99, 260 - op->y1); }

TEST(DialPictureTest, CrowdedCellsPushTheGlyphsOutwardsAndInwardsLettersWithoutTheFont) {
  ChartState state = Spread().state;
  // Five factors of the outer ring in the cell 99..102 degrees, in the order they are drawn.
  const std::array<int, 5> crowd = {SO, AS, MO, KN, ME};
  for (int n = 0; n < 5; ++n) state.factorLongitude[crowd[n]] = 99.2 + 0.5 * n;
  state.factorLongitude[CU] = 300.1;  // two of the inner ring in one cell
  state.factorLongitude[HA] = 301.9;
  state.factorLongitude[VE] = 359.5;  // cell 119: the first ring, not pushed by MC at 0.5
  const Picture picture = DrawDial(state, true, QImage());
  const std::pair<int, double> radii[] = {{SO, 235}, {AS, 250}, {MO, 265}, {KN, 280}, {CU, 200}, {HA, 185}, {VE, 235}};
  for (const auto& [factor, radius] : radii) EXPECT_NEAR(GlyphRadius(FindText(picture, FactorGlyph(factor))), radius, 2.0) << factor;
  // The fifth stands at the outer end of its tick, 220 at its own longitude 101.2, turned
  // along the circle: longitude in tenths plus 270 degrees.
  const PictureOp* fifth = FindText(picture, FactorGlyph(ME));
  EXPECT_EQ(QPoint(fifth->x1, fifth->y1), QPoint(260 + static_cast<int>(220 * std::cos(101.2 * M_PI / 180)),
                                                 260 - static_cast<int>(220 * std::sin(101.2 * M_PI / 180))));
  EXPECT_EQ(fifth->escapement, 1012 + 2700);
  EXPECT_EQ(FindText(picture, FactorGlyph(AS))->font.color, clRed);
  // Without the font the signs and factors as letters; WI and GZ get a glyph in neither form.
  const Picture without = DrawDial(Spread().state, false, QImage());
  EXPECT_TRUE(FindText(without, QStringLiteral("WID")) && FindText(without, QStringLiteral("FIS")));
  EXPECT_TRUE(FindText(without, QStringLiteral("MC")) && !FindText(without, FactorGlyph(MC)));
  EXPECT_EQ(FindText(without, QStringLiteral("GZ")), nullptr);
  EXPECT_EQ(FindText(picture, FactorGlyph(WI)), nullptr);
  EXPECT_EQ(FindText(picture, FactorGlyph(GZ)), nullptr);
}

// A factor's glyph (12 points; the centre emblem draws some of the same characters).
const PictureOp* GlyphOp(const Picture& picture, int factor) { return FindText(picture, FactorGlyph(factor), 12); }

TEST(EnlargedDialTest, CrowdedCellsStackOutwardsAndInwardsWithoutWrappingAtZero) {
  Chart chart = Spread();
  auto& lon = chart.state.factorLongitude;
  // Five of the outer ring in the cell 99..101 degrees, in drawing order: 302, 322, 342,
  // 362, then the end of the tick.
  const std::array<int, 5> crowd = {SO, AS, MO, KN, ME};
  for (int n = 0; n < 5; ++n) lon[crowd[n]] = 99.2 + 0.4 * n;
  lon[MC] = 300.0;
  lon[MA] = 358.5;  // marks its own cell and the one before, not cell 0
  lon[JU] = 356.0;  // the cell before 358.5: pushed out
  lon[UR] = 1.2;    // cell 0: pushed by neither
  lon[NE] = 3.4;    // the cell after 1.2: pushed out
  lon[CU] = 250.1;  // two of the inner ring in one cell
  lon[HA] = 251.9;
  const Picture picture = DrawEnlargedDial(chart, {}, true, QString());
  const std::vector<std::pair<int, double>> radii = {{SO, 302}, {AS, 322}, {MO, 342}, {KN, 362}, {MA, 302},
                                                     {JU, 322}, {UR, 302}, {NE, 322}, {CU, 252}, {HA, 232}};
  for (const auto& [factor, radius] : radii) {
    const PictureOp* op = GlyphOp(picture, factor);
    ASSERT_NE(op, nullptr) << factor;
    EXPECT_NEAR(Radius(op->x1, op->y1, 371), radius, 1.5) << FactorAbbrev[factor];
    EXPECT_NEAR(std::remainder(Angle(op->x1, op->y1, 371) - lon[factor] - 1.4, 360), 0, 0.3) << FactorAbbrev[factor];
    EXPECT_EQ(op->escapement, static_cast<int>(lon[factor] * 10) + 2700);
  }
  const PictureOp* fifth = GlyphOp(picture, ME);
  EXPECT_EQ(QPoint(fifth->x1, fifth->y1), QPoint(370 + static_cast<int>(280 * std::cos(lon[ME] * M_PI / 180)),
                                                 370 - static_cast<int>(280 * std::sin(lon[ME] * M_PI / 180))));
}

TEST(EnlargedDialTest, WiIsNeverDrawnGzHasATickWithoutALabelLettersWithoutTheFont) {
  Chart chart = Spread();
  chart.state.factorLongitude[WI] = 47.0;
  chart.state.factorLongitude[GZ] = 133.0;
  for (bool symbolFont : {true, false}) {
    const Picture picture = DrawEnlargedDial(chart, {}, symbolFont, QString());
    int wiTicks = 0, gzTicks = 0, wiTexts = 0;
    for (const PictureOp& op : picture.ops()) {
      // "WI" once, as the label of the Aries point.
      wiTexts += op.kind == PictureOp::Kind::Text && (op.text == QStringLiteral("WI") || op.text == FactorGlyph(WI));
      if (op.kind != PictureOp::Kind::Line || std::abs(Radius(op.x1, op.y1, 370) - 280) > 1.5) continue;
      wiTicks += std::abs(Angle(op.x1, op.y1, 370) - 47.0) < 0.3;
      gzTicks += std::abs(Angle(op.x1, op.y1, 370) - 133.0) < 0.3 && std::abs(Radius(op.x2, op.y2, 370) - 255) < 1.5;
    }
    EXPECT_EQ(wiTicks, 0);
    EXPECT_EQ(gzTicks, 1);
    EXPECT_EQ(wiTexts, 1);
    EXPECT_EQ(symbolFont ? GlyphOp(picture, GZ) : FindText(picture, QStringLiteral("GZ")), nullptr);
    // MC bold; AS bold only as letters.
    EXPECT_TRUE(FindText(picture, symbolFont ? FactorGlyph(MC) : QStringLiteral("MC"), symbolFont ? 12 : 8)->font.bold);
    EXPECT_EQ(FindText(picture, symbolFont ? FactorGlyph(AS) : QStringLiteral("AS"), symbolFont ? 12 : 8)->font.bold,
              !symbolFont);
  }
  EXPECT_EQ(FindText(DrawEnlargedDial(chart, {}, false, QString()), QStringLiteral("WID"))->font.face, QStringLiteral("Arial"));
}

TEST(EnlargedDialTest, HouseCirclesTheirColoursNumbersAndTurning) {
  const Chart chart = Spread();
  struct Case {
    HouseCircle circle;
    QRgb firstColour;
    int firstHouse;
  };
  const Case cases[] = {{{MC, 0}, clGreen, 10}, {{MC, 1}, clNavy, 10},  {{AS, 0}, clRed, 1},  {{SO, 0}, clMaroon, 4},
                        {{WI, -180}, clNavy, 7}, {{KN, 0}, clMaroon, 1}, {{MO, 25}, clNavy, 10}};
  for (const Case& c : cases) {
    const Picture picture = DrawEnlargedDial(chart, c.circle, true, QString());
    // The cusp lines from radius 90 to 270 in colour (the fixed spokes are black).
    std::vector<PictureOp> cusps;
    for (const PictureOp& op : picture.ops()) {
      if (op.kind == PictureOp::Kind::Line && op.pen.color != clBlack && std::abs(Radius(op.x1, op.y1, 370) - 90) < 1.5 &&
          std::abs(Radius(op.x2, op.y2, 370) - 270) < 1.5) {
        cusps.push_back(op);
      }
    }
    ASSERT_EQ(cusps.size(), 12u);
    for (int k = 0; k < 12; ++k) {
      EXPECT_EQ(cusps[k].pen, (PicturePen{k == 0 ? c.firstColour : clNavy, k == 0 ? 2 : 1})) << k;
      // The MC circle not turned has the unequal MC-house cusps, all others equal houses.
      const bool meridian = c.circle.factor == MC && c.circle.rotation == 0;
      const double cusp = meridian ? MeridianHouseCusp(1.0, -0.409, k)
                                   : std::fmod(30.0 * k + chart.state.factorLongitude[c.circle.factor] + c.circle.rotation + 720, 360);
      EXPECT_NEAR(Angle(cusps[k].x2, cusps[k].y2, 370), cusp, 0.3) << k;
      // The number 15 degrees on at radius 110 about (362, 362), navy and bold.
      const PictureOp* number = FindText(picture, QString::number((c.firstHouse + k - 1) % 12 + 1), 10);
      ASSERT_NE(number, nullptr);
      EXPECT_NEAR(Radius(number->x1, number->y1, 362), 110, 1.5);
      EXPECT_NEAR(std::fmod(Angle(number->x1, number->y1, 362) - cusp + 720, 360), 15, 0.5);
      EXPECT_EQ(number->font.color, clNavy);
    }
  }
  EXPECT_EQ(RotationLabel(RotationOfScrollPosition(175)), QStringLiteral("-5"));
  EXPECT_EQ(RotationLabel(RotationOfScrollPosition(360)), QStringLiteral("+180"));
}

// The dials of 90, 45 and 22.5 degrees: 0° at the top, counter-clockwise, a turn the
// mode's width (about the centre (370, 370)).
TEST(ModeDial, PlacesPointerAndFactors) {
  const struct {
    DialMode mode;
    QPoint point;
    double position;
  } kPoints[] = {{kMode90, {370, 100}, 0.0}, {kMode90, {100, 370}, 22.5}, {kMode22_5, {640, 370}, 16.875},
                 {kMode45, {370, 640}, 22.5},  {kMode360, {100, 370}, 180.0}};
  for (const auto& p : kPoints) {
    EXPECT_NEAR(*DialPositionAtPoint(p.mode, p.point.x(), p.point.y()), p.position, 1e-9) << p.mode.Width();
  }
  EXPECT_FALSE(DialPositionAtPoint(kMode90, 370, 370));

  Chart chart;
  chart.state.factorLongitude.fill(0.0);
  chart.state.factorLongitude[SO] = 100.0;  // 10° in the mode: 130° on the screen
  const Picture picture = DrawDialInMode(chart, {}, false, QString(), nullptr, {kMode90, 22.5});
  EXPECT_EQ(Count(picture, [](const PictureOp& op) {
              return op.kind == PictureOp::Kind::Line && op.pen == PicturePen{clRed, 2} && QLine(op.x1, op.y1, op.x2, op.y2) == QLine(40, 370, 700, 370);
            }),
            1);
  EXPECT_EQ(CountText(picture, QStringLiteral("Zeiger 22°30'")), 1);
  const QPoint from = DialPoint(130, 270, 370, 370), to = DialPoint(130, 288, 370, 370);
  EXPECT_EQ(Count(picture, [&](const PictureOp& op) {
              return op.kind == PictureOp::Kind::Line && op.pen.color == FactorColor(SO) && QPoint(op.x1, op.y1) == from &&
                     QPoint(op.x2, op.y2) == to;
            }),
            1);
  // Without a pointer the 360-degree dial is the enlarged dial as defined.
  EXPECT_EQ(DrawDialInMode(chart, {}, false, QString(), nullptr, {}).ops().size(),
            DrawEnlargedDial(chart, {}, false, QString()).ops().size());
}

// The radix ring op by op, for a radix with SO at 0° and MO at 90° (about the centre (260, 260)).
TEST(RadixRing, TicksAndLettersOnARingOfItsOwn) {
  ChartState radix;
  radix.factorLongitude.fill(0.0);
  radix.factorLongitude[MO] = 90.0;
  Picture picture(520, 520);
  DrawRadixRing(picture, radix, false);
  const auto& ops = picture.ops();
  // The ring, then a tick and a name in the radix colour for each of the 23 factors but WI and GZ.
  ASSERT_EQ(ops.size(), 1u + 2 * 21);
  EXPECT_EQ(ops[0].kind, PictureOp::Kind::Ellipse);
  EXPECT_EQ(QRect(QPoint(ops[0].x1, ops[0].y1), QPoint(ops[0].x2, ops[0].y2)), QRect(QPoint(120, 120), QPoint(400, 400)));
  EXPECT_EQ(Count(picture, [](const PictureOp& op) { return op.kind == PictureOp::Kind::Line && op.pen.color == kRadixColor; }), 21);
  EXPECT_EQ(Count(picture, [](const PictureOp& op) { return op.kind == PictureOp::Kind::Text && op.font.color == kRadixColor; }), 21);
  EXPECT_EQ(TextAt(picture, u"SO"_s), QPoint(260 + 118 - 6, 260 - 5));
  EXPECT_EQ(TextAt(picture, u"MO"_s), QPoint(260 - 6, 260 - 118 - 5));
  EXPECT_EQ(Count(picture, [](const PictureOp& op) {
              return op.kind == PictureOp::Kind::Line && QLine(op.x1, op.y1, op.x2, op.y2) == QLine(260, 120, 260, 130);
            }),
            1);  // MO's tick
}

// The radix on the 22.5-degree strip, the axis graphic and the enlarged dial: SO at 95.25°
// is 5.25° in the mode, MO at 5.5° stands 0.25° beside it (glyphs on two levels), the
// other factors at 20°. Places worked by hand from each picture's scale.
TEST(RadixRing, MarksOnEveryDiagramInTheRadixColour) {
  Chart chart;
  chart.moment = {1, 1, 2000, 12.0, 0.0, 0.0};
  RecomputeChart(chart);
  ChartState radix;
  radix.factorLongitude.fill(20.0);
  radix.factorLongitude[SO] = 95.25;
  radix.factorLongitude[MO] = 5.5;
  struct Case {
    const char* name;
    Picture with, without;
    QPoint soTick, soTickEnd, soGlyph, moGlyph;
  };
  const Case cases[] = {
      {"strip", DrawAxisStrip(chart, {}, &radix), DrawAxisStrip(chart, {}),
       {17 + 115, 464}, {17 + 115, 477}, {17 + 115 - 5, 480}, {17 + 121 - 5, 480 + 12}},
      {"axis graphic", DrawAxisGraphic(chart, &radix), DrawAxisGraphic(chart),
       {17 + 157, 227}, {17 + 157, 240}, {17 + 157 - 5, 213}, {17 + 165 - 5, 213 - 13}},
      {"enlarged dial", DrawEnlargedDial(chart, {}, true, QString(), &radix), DrawEnlargedDial(chart, {}, true, QString()),
       DialPoint(95.25, 138, 370, 370), DialPoint(95.25, 148, 370, 370),
       DialPoint(95.25, 118, 370, 370) - QPoint(5, 6), DialPoint(5.5, 118, 370, 370) - QPoint(5, 6)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto radixOps = [](const Picture& p) {
      std::vector<PictureOp> ops;
      for (const PictureOp& op : p.ops())
        if ((op.kind == PictureOp::Kind::Text ? op.font.color : op.pen.color) == kRadixColor) ops.push_back(op);
      return ops;
    };
    EXPECT_TRUE(radixOps(c.without).empty());
    const std::vector<PictureOp> ops = radixOps(c.with);
    const auto has = [&](PictureOp::Kind kind, QPoint a, QPoint b, const QString& text) {
      return std::any_of(ops.begin(), ops.end(), [&](const PictureOp& op) {
        return op.kind == kind && QPoint(op.x1, op.y1) == a && (kind == PictureOp::Kind::Text ? op.text == text : QPoint(op.x2, op.y2) == b);
      });
    };
    EXPECT_TRUE(has(PictureOp::Kind::Line, c.soTick, c.soTickEnd, {}));
    EXPECT_TRUE(has(PictureOp::Kind::Text, c.soGlyph, {}, FactorGlyph(SO)));
    EXPECT_TRUE(has(PictureOp::Kind::Text, c.moGlyph, {}, FactorGlyph(MO)));
    EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](const PictureOp& op) { return op.kind == PictureOp::Kind::Text; }),
              c.name == std::string("strip") ? 22 : 21);  // the strip names its radix axis
    // A ring lets the dial show through it.
    for (const PictureOp& op : ops) EXPECT_TRUE(op.kind != PictureOp::Kind::Ellipse || op.brush == kNoBrush);
  }
}

std::vector<PictureOp> GroupLines(const Picture& picture, const QString& name) {
  std::vector<PictureOp> lines;
  for (const Picture::Group& g : picture.groups()) {
    if (g.name != name) continue;
    for (size_t i = g.first; i < g.end; ++i)
      if (picture.ops()[i].kind == PictureOp::Kind::Line) lines.push_back(picture.ops()[i]);
  }
  return lines;
}

TEST(GraphicEphemeris, LinesStandWhereTheFactorsAre) {
  // The Sun's first point in the 360-degree mode: x at the plot's left edge, y = 730 minus
  // 280.32 / 360 of 690 pixels.
  const Picture year = DrawGraphicEphemeris({{1, 1, 2027}, {31, 12, 2027}, kMode360, {SO}});
  const std::vector<PictureOp> sun = GroupLines(year, QStringLiteral("SO"));
  ASSERT_FALSE(sun.empty());
  EXPECT_EQ(sun.front().x1, 60);
  EXPECT_NEAR(sun.front().y1, 730 - 280.32 / 360 * 690, 1.0);

  // A month of the Sun in the 22.5-degree mode (about 30 degrees: one or two wraps): each
  // cut ends at one edge and goes on from the other at the same moment; no line crosses
  // the plot's height.
  const Picture month = DrawGraphicEphemeris({{1, 1, 2027}, {31, 1, 2027}, kMode22_5, {SO}});
  const std::vector<PictureOp> lines = GroupLines(month, QStringLiteral("SO"));
  int wraps = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LT(std::abs(lines[i].y2 - lines[i].y1), 345);
    if (lines[i].y2 == 40) {
      ASSERT_LT(i + 1, lines.size());
      EXPECT_EQ(lines[i + 1].y1, 730);
      EXPECT_LE(std::abs(lines[i + 1].x1 - lines[i].x2), 1);
      ++wraps;
    }
  }
  EXPECT_GE(wraps, 1);
  EXPECT_LE(wraps, 2);

  // Mercury's thick (backward) stretches of 2026 lie within its three retrograde spans.
  const Picture mercury = DrawGraphicEphemeris({{1, 1, 2026}, {31, 12, 2026}, kMode360, {ME}});
  const auto x = [](double day) { return 60 + day / 365 * 990; };
  const double spans[3][2] = {{56, 80}, {180, 205}, {296, 318}};
  int seen[3] = {};
  for (const PictureOp& op : GroupLines(mercury, QStringLiteral("ME"))) {
    if (op.pen.width != 2) continue;
    bool inside = false;
    for (int s = 0; s < 3; ++s) {
      if (op.x1 >= x(spans[s][0] - 1) && op.x2 <= x(spans[s][1] + 1)) {
        inside = true;
        ++seen[s];
      }
    }
    EXPECT_TRUE(inside) << op.x1 << ".." << op.x2;
  }
  for (int s = 0; s < 3; ++s) EXPECT_GT(seen[s], 0) << s;
}

TEST(GraphicEphemeris, RadixLinesAndRefusedRequests) {
  ChartState radix;
  radix.factorLongitude.fill(0.0);
  radix.factorLongitude[SO] = 100.0;  // 10 degrees in the 90-degree mode
  radix.factorLongitude[MO] = 120.0;  // SO/MO at 110: 20 degrees
  GraphicEphemerisRequest request{{1, 1, 2027}, {31, 12, 2027}, kMode90, {SA}, &radix, QStringLiteral("X"), true};
  const Picture picture = DrawGraphicEphemeris(request);
  const struct {
    const char* group;
    int y;
    QRgb color;
  } kLines[] = {{"r-SO", 653, kRadixColor}, {"r-SO-MO", 577, qRgb(0xC8, 0x90, 0xC8)}, {"r-MC", 730, kRadixColor}};
  for (const auto& row : kLines) {
    const std::vector<PictureOp> lines = GroupLines(picture, QLatin1String(row.group));
    ASSERT_EQ(lines.size(), 1u) << row.group;
    EXPECT_EQ(QLine(lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2), QLine(60, row.y, 1050, row.y)) << row.group;
    EXPECT_EQ(lines[0].pen.color, row.color);
  }
  EXPECT_TRUE(GroupLines(picture, QStringLiteral("r-WI")).empty());
  EXPECT_FALSE(GroupLines(picture, QStringLiteral("SA")).empty());

  const GraphicEphemerisRequest refused[] = {
      {{2, 1, 2027}, {1, 1, 2027}},          // reversed
      {{1, 1, 2000}, {2, 1, 2101}},          // beyond 100 years
      {{1, 1, 2027}, {2, 1, 2027}, kMode90, {MC}},
  };
  for (const GraphicEphemerisRequest& r : refused) {
    EXPECT_FALSE(CheckEphemerisRequest(r).isEmpty());
    EXPECT_TRUE(DrawGraphicEphemeris(r).groups().empty());
  }
}

// MC for the radix's place: each point of its line stands where the hand-worked sidereal
// time puts it (mean sidereal time at Greenwich by the IAU 1982 formula plus the east
// longitude, tan MC = tan RAMC / cos obliquity); the title says so.
TEST(GraphicEphemeris, McIsComputedForTheRadixPlace) {
  ChartState radix;
  radix.factorLongitude.fill(0.0);
  GraphicEphemerisRequest request{{1, 1, 2027}, {2, 1, 2027}, kMode360, {MC}, &radix, QStringLiteral("X")};
  request.radixPlace = ChartMoment{1, 1, 1990, 12.0, 13.4, 52.5};
  const Picture picture = DrawGraphicEphemeris(request);
  const double kDegree = std::acos(-1.0) / 180.0;
  const auto expectedY = [&](double x) {
    const double days = (x - 60) / 990 * 2 + 9862 - 0.5;  // since 1.1.2000 12h world time
    const double t = days / 36525;
    const double ramc = 280.46061837 + 360.98564736629 * days + 0.000387933 * t * t + 13.4;
    const double obliquity = 23.4392911 - 0.0130042 * t;
    const double mc = std::atan2(std::sin(ramc * kDegree), std::cos(ramc * kDegree) * std::cos(obliquity * kDegree));
    return 730 - mc / kDegree / 360 * 690;
  };
  const std::vector<PictureOp> lines = GroupLines(picture, QStringLiteral("MC"));
  ASSERT_GT(lines.size(), 100u);
  for (const PictureOp& op : lines) {
    EXPECT_LT(std::fabs(std::remainder(op.y1 - expectedY(op.x1), 690.0)), 1.5) << op.x1;
    EXPECT_LT(std::fabs(std::remainder(op.y2 - expectedY(op.x2), 690.0)), 1.5) << op.x2;
  }
  EXPECT_TRUE(std::any_of(picture.ops().begin(), picture.ops().end(), [](const PictureOp& op) {
    return op.kind == PictureOp::Kind::Text && op.text.contains(QStringLiteral("für den Ort der Radix (13,40° O, 52,50° N)"));
  }));
  // A year at most: beyond, the angle would only fill the plot.
  request.to = {2, 1, 2028};
  EXPECT_TRUE(CheckEphemerisRequest(request).contains(QStringLiteral("366 Tage")));
}

}  // namespace
}  // namespace gyrolux
