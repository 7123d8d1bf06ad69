#include "dialogs/search_report.h"

#include <gtest/gtest.h>

namespace gyrolux {
namespace {

// A chart at 24.12.2030 with MC 15°, SO 0° (MC/SO 7°30'), MA 10° and JU 6°02'
// (MA/JU 8°01'), at the 10-minute mark 12:40 reached by steps from midnight.
Chart FoundChart() {
  Chart chart;
  chart.moment.day = 24;
  chart.moment.month = 12;
  chart.moment.year = 2030;
  for (int step = 0; step < 76; ++step) chart.moment.hours += 1.0 / 6.0;
  chart.state.factorLongitude[MC] = 15.0;
  chart.state.factorLongitude[SO] = 0.0;
  chart.state.factorLongitude[MA] = 10.0;
  chart.state.factorLongitude[JU] = 6.0 + 2.0 / 60.0;
  return chart;
}

TEST(SearchReportTest, ResultLinesAndLabelsShowTheMarkReached) {
  const Chart chart = FoundChart();
  // The stepped hours lie a hair below 12 2/3; cutting them would show 12:39:59.
  ASSERT_LT(chart.moment.hours, 12.0 + 2.0 / 3.0);
  EXPECT_EQ(SearchResultLine(PictureQuery(MC, SO, MA, JU), chart),
            QStringLiteral("     MC/SO=MA/JU 07°30'/08°01' gefunden: Datum:24.12.2030  WZ:12:40:00"));
  EXPECT_EQ(SearchResultLine(MidpointAngleQuery(MC, SO, 7.5), chart),
            QStringLiteral("         MC/SO=07°30' gefunden: Datum: 24.12.2030   WZ: 12:40:00"));
  // The placeholder counts as 0°: MA/-- is 5°.
  EXPECT_TRUE(SearchResultLine(PictureQuery(MC, SO, MA, kFillerAbbrevIndex), chart)
                  .startsWith(QStringLiteral("     MC/SO=MA/-- 07°30'/05°00' ")));
  EXPECT_EQ(FoundDateLabel(chart.moment), QStringLiteral("Di, 24.12.2030"));
  EXPECT_EQ(FoundTimeLabel(chart.moment.hours), QStringLiteral("12:40:00 WZ/GMT"));
}

}  // namespace
}  // namespace gyrolux
