#include <gtest/gtest.h>

#include <cmath>

#include "engine/houses.h"
#include "pictures/dial_picture.h"
#include "pictures/enlarged_dial.h"
#include "platform/colors.h"

namespace gyrolux {
namespace {

// Factor i at 0.5 + 15 i degrees: no two share a cell or a neighbouring one.
Chart Spread() {
  Chart chart;
  for (int i = 0; i < kFactorCount; ++i) chart.state.factorLongitude[i] = 0.5 + 15.0 * i;
  chart.moment = {5, 12, 2026, 10.0 + 29.0 / 60 + 50.0 / 3600, 10.0, 50.0, false, false};
  chart.texts.dateText = QStringLiteral("05.12.2026");
  chart.state.ramc = 1.0;
  chart.state.negObliquity = -0.409;
  return chart;
}

const PictureOp* TextOp(const Picture& picture, const QString& text) {
  for (const PictureOp& op : picture.ops()) {
    if (op.kind == PictureOp::Kind::Text && op.text == text) return &op;
  }
  return nullptr;
}

// A factor's glyph, 12 points (the centre emblem draws some of the same characters).
const PictureOp* GlyphOp(const Picture& picture, int factor) {
  for (const PictureOp& op : picture.ops()) {
    if (op.kind == PictureOp::Kind::Text && op.text == FactorGlyph(factor) && op.font.pointSize == 12) return &op;
  }
  return nullptr;
}

double Radius(int x, int y, int centre) { return std::hypot(x - centre, y - centre); }
double Angle(int x, int y, int centre) {
  const double a = std::atan2(centre - y, x - centre) * 180 / M_PI;
  return a < 0 ? a + 360 : a;
}

// The house circle's lines: from radius 90 to 270 about (370, 370), in drawing order.
std::vector<PictureOp> CuspLines(const Picture& picture) {
  std::vector<PictureOp> cusps;
  for (const PictureOp& op : picture.ops()) {
    if (op.kind == PictureOp::Kind::Line && std::abs(Radius(op.x1, op.y1, 370) - 90) < 1.5 &&
        std::abs(Radius(op.x2, op.y2, 370) - 270) < 1.5 && op.pen.color != clBlack) {
      cusps.push_back(op);
    }
  }
  return cusps;
}

TEST(EnlargedDialTest, CrowdedCellsStackOutwardsAndInwardsWithoutWrappingAtZero) {
  Chart chart = Spread();
  auto& lon = chart.state.factorLongitude;
  // Five of the outer ring within the cell 99..101 degrees, in drawing order.
  const std::array<int, 5> crowd = {SO, AS, MO, KN, ME};
  for (int n = 0; n < 5; ++n) lon[crowd[n]] = 99.2 + 0.4 * n;
  // 358.5 marks its own cell and the one before, never cell 0; 1.2 its own and the next.
  lon[MC] = 300.0;
  lon[MA] = 358.5;
  lon[JU] = 356.0;  // the cell before 358.5: pushed out
  lon[UR] = 1.2;    // cell 0: not pushed by 358.5 or 356
  lon[NE] = 3.4;    // the cell after 1.2: pushed out
  // Two of the inner ring in one cell.
  lon[CU] = 250.1;
  lon[HA] = 251.9;
  const Picture picture = DrawEnlargedDial(chart, {}, true, QString());

  const std::array<double, 4> outer = {302, 322, 342, 362};
  for (int n = 0; n < 5; ++n) {
    const PictureOp* op = GlyphOp(picture, crowd[n]);
    ASSERT_NE(op, nullptr) << n;
    const double lonN = lon[crowd[n]];
    if (n < 4) {
      EXPECT_NEAR(Radius(op->x1, op->y1, 371), outer[n], 1.5) << n;
      EXPECT_NEAR(Angle(op->x1, op->y1, 371), lonN + 1.4, 0.3) << n;
    } else {
      // The fifth sits on the outer end of its tick, radius 280 about (370, 370).
      EXPECT_EQ(op->x1, 370 + static_cast<int>(280 * std::cos(lonN * M_PI / 180)));
      EXPECT_EQ(op->y1, 370 - static_cast<int>(280 * std::sin(lonN * M_PI / 180)));
    }
    EXPECT_EQ(op->escapement, static_cast<int>(lonN * 10) + 2700);
  }
  const std::vector<std::pair<int, double>> radii = {{MA, 302}, {JU, 322}, {UR, 302},
                                                     {NE, 322}, {CU, 252}, {HA, 232}};
  for (const auto& [factor, radius] : radii) {
    const PictureOp* op = GlyphOp(picture, factor);
    ASSERT_NE(op, nullptr) << factor;
    EXPECT_NEAR(Radius(op->x1, op->y1, 371), radius, 1.5) << FactorAbbrev[factor];
  }
}

TEST(EnlargedDialTest, WiIsNeverDrawnAndGzHasATickWithoutALabel) {
  Chart chart = Spread();
  chart.state.factorLongitude[WI] = 47.0;
  chart.state.factorLongitude[GZ] = 133.0;
  for (bool symbolFont : {true, false}) {
    const Picture picture = DrawEnlargedDial(chart, {}, symbolFont, QString());
    int wiTicks = 0, gzTicks = 0;
    for (const PictureOp& op : picture.ops()) {
      if (op.kind != PictureOp::Kind::Line || std::abs(Radius(op.x1, op.y1, 370) - 280) > 1.5) continue;
      wiTicks += std::abs(Angle(op.x1, op.y1, 370) - 47.0) < 0.3;
      gzTicks += std::abs(Angle(op.x1, op.y1, 370) - 133.0) < 0.3 && std::abs(Radius(op.x2, op.y2, 370) - 255) < 1.5;
    }
    EXPECT_EQ(wiTicks, 0);
    EXPECT_EQ(gzTicks, 1);
    // "WI" appears once, as the label of the Aries point at (660, 375).
    int wiTexts = 0;
    for (const PictureOp& op : picture.ops()) {
      wiTexts += op.kind == PictureOp::Kind::Text && (op.text == QStringLiteral("WI") || op.text == FactorGlyph(WI));
    }
    EXPECT_EQ(wiTexts, 1);
    EXPECT_EQ(symbolFont ? GlyphOp(picture, GZ) : TextOp(picture, QStringLiteral("GZ")), nullptr);
  }
  // Without the symbol font: letters, AS bold like MC, the signs' abbreviations.
  const Picture letters = DrawEnlargedDial(chart, {}, false, QString());
  ASSERT_NE(TextOp(letters, QStringLiteral("AS")), nullptr);
  EXPECT_TRUE(TextOp(letters, QStringLiteral("AS"))->font.bold);
  EXPECT_TRUE(TextOp(letters, QStringLiteral("MC"))->font.bold);
  EXPECT_FALSE(TextOp(letters, QStringLiteral("SO"))->font.bold);
  EXPECT_EQ(TextOp(letters, QStringLiteral("WID"))->font.face, QStringLiteral("Arial"));
  const Picture glyphs = DrawEnlargedDial(chart, {}, true, QString());
  EXPECT_TRUE(GlyphOp(glyphs, MC)->font.bold);
  EXPECT_FALSE(GlyphOp(glyphs, AS)->font.bold);
}

TEST(EnlargedDialTest, HouseCirclesTheirColoursNumbersAndTurning) {
  const Chart chart = Spread();
  const auto& lon = chart.state.factorLongitude;
  struct Case {
    HouseCircle circle;
    QRgb firstColour;
    int firstHouse;
    bool meridianCusps;
  };
  const Case cases[] = {
      {{MC, 0}, clGreen, 10, true},  {{MC, 1}, clNavy, 10, false},  {{AS, 0}, clRed, 1, false},
      {{SO, 0}, clMaroon, 4, false}, {{WI, -180}, clNavy, 7, false}, {{KN, 0}, clMaroon, 1, false},
      {{MO, 25}, clNavy, 10, false}, {{AS, -5}, clNavy, 1, false},
  };
  for (const Case& c : cases) {
    const Picture picture = DrawEnlargedDial(chart, c.circle, true, QString());
    const std::vector<PictureOp> cusps = CuspLines(picture);
    ASSERT_EQ(cusps.size(), 12u);
    for (int k = 0; k < 12; ++k) {
      EXPECT_EQ(cusps[k].pen.color, k == 0 ? c.firstColour : clNavy) << k;
      EXPECT_EQ(cusps[k].pen.width, k == 0 ? 2 : 1);
      const double expected = c.meridianCusps ? MeridianHouseCusp(1.0, -0.409, k)
                                              : std::fmod(30.0 * k + lon[c.circle.factor] + c.circle.rotation + 720, 360);
      EXPECT_NEAR(Angle(cusps[k].x2, cusps[k].y2, 370), expected, 0.3) << k;
      // The house number 15 degrees on, at radius 110 about (362, 362).
      const int house = (c.firstHouse + k - 1) % 12 + 1;
      const PictureOp* number = nullptr;
      for (const PictureOp& op : picture.ops()) {
        if (op.kind == PictureOp::Kind::Text && op.text == QString::number(house) && op.font.pointSize == 10) number = &op;
      }
      ASSERT_NE(number, nullptr) << house;
      EXPECT_NEAR(Radius(number->x1, number->y1, 362), 110, 1.5);
      EXPECT_NEAR(std::fmod(Angle(number->x1, number->y1, 362) - expected + 720, 360), 15, 0.5);
      EXPECT_EQ(number->font.color, clNavy);
      EXPECT_TRUE(number->font.bold);
    }
  }
  EXPECT_EQ(RotationLabel(0), QStringLiteral("\u00B10"));
  EXPECT_EQ(RotationLabel(5), QStringLiteral("+5"));
  EXPECT_EQ(RotationLabel(-5), QStringLiteral("-5"));
  EXPECT_EQ(RotationOfScrollPosition(180), 0);
  EXPECT_EQ(RotationOfScrollPosition(175), -5);
  EXPECT_EQ(RotationOfScrollPosition(360), 180);
}

TEST(EnlargedDialTest, TheMomentAndPlaceInTheTopLine) {
  const Picture picture = DrawEnlargedDial(Spread(), {}, true, QStringLiteral("010°00' E, 50°00' N"));
  const PictureOp* moment = TextOp(picture, QStringLiteral("Datum / Zeit: Sa, 05.12.2026 / 10:29:50 WZ/GMT"));
  ASSERT_NE(moment, nullptr);
  EXPECT_EQ(QPoint(moment->x1, moment->y1), QPoint(10, 10));
  EXPECT_EQ(moment->font.face, QStringLiteral("Ariel"));
  EXPECT_EQ(moment->font.pointSize, 9);
  const PictureOp* place = TextOp(picture, QStringLiteral("Ort: 010°00' E, 50°00' N"));
  ASSERT_NE(place, nullptr);
  EXPECT_EQ(QPoint(place->x1, place->y1), QPoint(300, 10));
  EXPECT_EQ(picture.width(), 740);
  EXPECT_EQ(picture.height(), 740);
}

}  // namespace
}  // namespace gyrolux
