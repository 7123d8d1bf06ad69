#include <gtest/gtest.h>

#include "evaluation/diagram_prints.h"
#include "pictures/factor_table.h"
#include "platform/colors.h"
#include "tests/test_support/charts.h"

namespace gyrolux {
namespace {

Chart Moment() { return testing::ChartOn(5, 12, 2026, testing::kMorning); }

TEST(DiagramPrintsTest, TheDialPageByPageWidth) {
  struct Case {
    int width, dpi;
    int pointSize, rowStep, columnStep;
  };
  // 8 points below a width of 3000, 10 above; at 600 dpi 10 points need wider steps
  // than 80 and 800 (a row of 19 characters of 0.6 x 83 pixels alone is 950 wide).
  for (const Case& c : {Case{2500, 300, 8, 40, 500}, Case{3000, 300, 8, 40, 500}, Case{3100, 360, 10, 80, 800},
                        Case{4800, 600, 10, 100, 1046}}) {
    const int height = 7100;
    const PrintedPage page = DialPrintPage(Moment(), {MC, 0}, QStringLiteral("010°00' E, 50°00' N"), c.width, height, c.dpi);
    ASSERT_EQ(page.texts.size(), 2u + kFactorCount);
    EXPECT_EQ(page.texts[0].text, QStringLiteral("MC-Häuser"));
    EXPECT_EQ(page.texts[1].text,
              QStringLiteral("   Datum / Zeit: Sa, 05.12.2026 / 10:29:50 WZ/GMT    Ort: 010°00' E, 50°00' N"));
    // Four columns of 6, 6, 6 and 5 rows.
    for (int row = 0; row < kFactorCount; ++row) {
      const PageText& text = page.texts[2 + row];
      EXPECT_EQ(text.font, (PictureFont{QStringLiteral("courier new"), c.pointSize, false, clBlack}));
      EXPECT_EQ(text.at, QPoint(180 + c.columnStep * (row / 6), 4 * height / 5 + c.rowStep * (row % 6)))
          << c.width << ' ' << row;
    }
  }
  // Turned, or another circle turned: no title.
  for (const HouseCircle circle : {HouseCircle{MC, 1}, HouseCircle{AS, -180}}) {
    const PrintedPage page = DialPrintPage(Moment(), circle, QString(), 4800, 7100, 600);
    EXPECT_EQ(page.texts.size(), 1u + kFactorCount);
    EXPECT_FALSE(page.texts[0].text.contains(QStringLiteral("Häuser")));
  }
  EXPECT_EQ(HouseCircleTitle(5), QStringLiteral("Knoten-Häuser"));
}

}  // namespace
}  // namespace gyrolux
