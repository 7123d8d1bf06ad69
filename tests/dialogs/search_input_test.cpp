// The fields of the search dialogs and the reporting of a hit; the end of a search
// applied to the session is search_dialog_test.cpp's.
#include <gtest/gtest.h>

#include "dialogs/search_input.h"
#include "dialogs/search_report.h"

namespace gyrolux {
namespace {

TEST(SearchInput, FactorNamesAndPairs) {
  EXPECT_EQ(FactorIdOfName(QStringLiteral("GZ")), 22);
  EXPECT_EQ(FactorIdOfName(QStringLiteral("--")), 23);
  for (const char* bad : {"mc", "XX", "", "M", "MCX", " MC"}) EXPECT_FALSE(FactorIdOfName(bad)) << bad;
  EXPECT_EQ(FactorFieldText(QStringLiteral("so")), QStringLiteral("SO"));
  EXPECT_EQ(FactorFieldText(QStringLiteral("ß1")), QStringLiteral("ß1"));  // no one-letter upper case

  // Stored in ascending order: SO/MC as MC/SO, JU/MA as MA/JU.
  EXPECT_EQ(CheckPair(QStringLiteral("SO"), QStringLiteral("MC")), std::make_pair(0, 2));
  EXPECT_EQ(CheckPair(QStringLiteral("JU"), QStringLiteral("MA")), std::make_pair(8, 9));
  EXPECT_EQ(CheckPair(QStringLiteral("--"), QStringLiteral("SO")), std::make_pair(2, 23));
  EXPECT_FALSE(CheckPair(QStringLiteral("SO"), QString()));
}

TEST(SearchInput, AngleCheckInItsOrder) {
  const QString degrees = QStringLiteral("Das ist kein gültiger Gradwert!");
  const QString minutes = QStringLiteral("Das ist kein gültiger Minutenwert!");
  struct Case {
    const char *deg, *min;
    double angle;  // -1: refused
    const QString* message;
  };
  const Case cases[] = {
      {"22", "30", 22.5, nullptr}, {"7", "5", 7 + 5 / 60.0, nullptr}, {"0", "0", 0.0, nullptr},
      {"22", "31", -1, &minutes},  {"23", "0", -1, &degrees},        {"-1", "0", -1, &degrees},
      {"0", "60", -1, &minutes},   {"x", "x", -1, &degrees},         {"5", "", -1, &minutes},
      {"21.9", "59", -1, &minutes},  // past 22°30' by a longer text
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.deg) + "/" + c.min);
    const AngleCheck check = CheckSearchAngle(QString::fromLatin1(c.deg), QString::fromLatin1(c.min));
    if (c.angle < 0) {
      EXPECT_FALSE(check.angle);
      EXPECT_EQ(check.message, *c.message);
      EXPECT_EQ(check.focusMinutes, c.message == &minutes);
    } else {
      ASSERT_TRUE(check.angle);
      EXPECT_DOUBLE_EQ(*check.angle, c.angle);
    }
  }
}

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

TEST(SearchReport, ResultLinesAndLabelsShowTheMarkReached) {
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
