// The engine's helpers: angles, the calendar, the field readers, the formatters, the
// houses and the series trigonometry.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <tuple>

#include "engine/angles.h"
#include "engine/calendar.h"
#include "engine/factors.h"
#include "engine/field_readers.h"
#include "engine/formatting.h"
#include "engine/houses.h"
#include "engine/series_trig.h"

namespace gyrolux {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(AnglesTest, ReductionsKeepTheSignOrLieInRange) {
  EXPECT_DOUBLE_EQ(Mod22_5(45.0), 0.0);
  EXPECT_DOUBLE_EQ(Mod30(-45.0), -15.0);
  EXPECT_DOUBLE_EQ(Mod360(-365.0), -5.0);
  EXPECT_DOUBLE_EQ(ModPositive(-5.0, 360.0), 355.0);
  // A tiny negative angle raised by m would round to m itself: it is the angle 0.
  EXPECT_EQ(ModPositive(-1e-20, 360.0), 0.0);
  EXPECT_EQ(ModPositive(-1e-300, kTwoPi), 0.0);
  for (double x : {-1e-17, -3e-15, 1e9 + 0.5, -7.25e5}) {
    const double r = ModPositive(x, 360.0);
    EXPECT_TRUE(r >= 0.0 && r < 360.0) << x;
  }
}

TEST(AnglesTest, PolarAndRectangularFormsCoverEveryQuadrant) {
  const struct {
    double x, y, angle;
  } quadrants[] = {{-1.0, 0.0, kPi},          {0.5, -0.5, 7 * kPi / 4}, {-1.0, 1.0, 3 * kPi / 4},
                   {-1.0, -1.0, 5 * kPi / 4}, {0.0, 2.0, kPi / 2},      {0.0, 0.0, kPi / 2}};
  for (const auto& q : quadrants) EXPECT_NEAR(RectToPolar(q.x, q.y).angle, q.angle, 2e-9) << q.x << " " << q.y;
  EXPECT_NEAR(RectToPolar(0.5, -0.5).r, std::sqrt(0.5), 1e-15);
  // A point on the positive x axis keeps an angle just above 0, never 2 pi.
  EXPECT_NEAR(RectToPolar(1.0, 0.0).angle, 1.754533e-09, 1e-20);
  EXPECT_NEAR(PlanetRectToPolar(1.0, 0.0).angle, 1.7e-09, 1e-20);
  EXPECT_EQ(PlanetPolarAngle(0.3, -0.7), PlanetRectToPolar(0.3, -0.7).angle);
  // The angle 0 is replaced before sine and cosine.
  EXPECT_EQ(PolarToRect(0.0, 2.0).y, std::sin(1.75453e-09) * 2.0);
  EXPECT_EQ(PlanetPolarToRect(0.0, 2.0).y, std::sin(1.7e-09) * 2.0);
  EXPECT_NEAR(PolarToRect(kPi / 2, 3.0).y, 3.0, 1e-15);
  EXPECT_FALSE(std::isnan(RectToPolar(kInf, 1.0).angle));
}

QString Stepped(const QString& date, void (*step)(Chart&)) {
  Chart chart;
  chart.texts.dateText = date;
  step(chart);
  return chart.texts.dateText;
}

TEST(CalendarTest, NextAndPreviousDayFollowTheGregorianCalendar) {
  // The month lengths in between: the four hundred years below.
  const std::pair<const char*, const char*> neighbours[] = {{"28.02.1900", "01.03.1900"}, {"28.02.2100", "01.03.2100"},
                                                            {"29.02.2000", "01.03.2000"}, {"31.12.1999", "01.01.2000"},
                                                            {"14.10.1582", "15.10.1582"}};
  for (const auto& [day, next] : neighbours) {
    EXPECT_EQ(Stepped(day, NextDay), next) << day;
    EXPECT_EQ(Stepped(next, PreviousDay), day) << next;
  }
  // The text is read, not the numbers; four hundred years forward day by day and back meet again.
  Chart chart;
  chart.moment = {5, 5, 1955, 0.0, 0.0, 0.0, false, false};
  chart.texts.dateText = "31.12.2003";
  NextDay(chart);
  EXPECT_EQ((CivilDate{chart.moment.day, chart.moment.month, chart.moment.year}), (CivilDate{1, 1, 2004}));
  chart.texts.dateText = "01.01.1600";
  int days = 0;
  for (; chart.texts.dateText != "01.01.2000"; ++days) NextDay(chart);
  EXPECT_EQ(days, 146097);
  for (int i = 0; i < days; ++i) PreviousDay(chart);
  EXPECT_EQ(chart.texts.dateText, "01.01.1600");
}

TEST(CalendarTest, AnUnreadableDateTextFallsBackOnTheMoment) {
  Chart chart;
  chart.moment = {31, 1, 2001, 0.0, 0.0, 0.0, false, false};
  chart.texts.dateText = "31.1";
  NextDay(chart);
  EXPECT_EQ(chart.texts.dateText, "01.02.2001");
  // Nonsense numbers are held within a calendar that can be stepped.
  Chart odd;
  odd.moment = {2000000000, -7, -2147483647 - 1, 0.0, 0.0, 0.0, false, false};
  PreviousDay(odd);
  EXPECT_EQ(odd.texts.dateText.size(), 10);
  EXPECT_EQ(Stepped("00.00.0000", PreviousDay), "31.12.0000");
}

TEST(CalendarTest, DayNumbersCountFromTheFirstOf1970) {
  EXPECT_EQ(DayNumber({1, 1, 1970}), 0);
  EXPECT_EQ(DayNumber({1, 1, 2000}), 30 * 365 + 7);  // seven leap days, 1972 to 1996
  // A day past the month's end counts on into the next month; the month is held to 1..12.
  EXPECT_EQ(DayNumber({31, 2, 2003}), DayNumber({3, 3, 2003}));
  EXPECT_EQ(DayNumber({1, 13, 2000}), DayNumber({1, 12, 2000}));
  EXPECT_EQ(AddDays({30, 12, 2026}, 5), (CivilDate{4, 1, 2027}));
  EXPECT_EQ(AddDays({1, 3, 2000}, -1), (CivilDate{29, 2, 2000}));
  // Any number of days gives a date, never an overflow.
  EXPECT_GE(AddDays({1, 1, 2000}, INT64_MAX).year, 2000);
  EXPECT_LE(AddDays({1, 1, 2000}, INT64_MIN).year, 2000);
}

// The readers of numbers typed into fields and of the texts that the formatters write.
using Blanks = NumberForm::Blanks;

TEST(FieldReadersTest, EachFormReadsItsOwnSpellingOnly) {
  const NumberForm typed = kTypedDecimal;
  const NumberForm lookup{.blanks = Blanks::Around, .comma = true, .exponent = true};
  const NumberForm commandLine{.exponent = true};
  struct Case {
    const char16_t* text;
    NumberForm form;
    std::optional<double> value;
  };
  const Case cases[] = {
      {u"7.5", typed, 7.5},          {u".5", typed, 0.5},        {u"5.", typed, 5.0},
      {u" -1 ", typed, -1.0},        {u"+05", typed, 5.0},       {u"", typed, {}},
      {u".", typed, {}},             {u"1e2", typed, {}},        {u"1,5", typed, {}},
      {u"inf", typed, {}},           {u"nan", typed, {}},        {u"1.2.3", typed, {}},
      {u"--1", typed, {}},           {u"+", typed, {}},          {u"1,5", lookup, 1.5},
      {u" 2e1 ", lookup, 20.0},      {u"1,5.", lookup, {}},      {u"1e-1", commandLine, 0.1},
      {u"2E+2", commandLine, 200.0}, {u" 5", commandLine, {}},   {u"5 ", commandLine, {}},
      {u"1e", commandLine, {}},      {u"1e999", commandLine, {}}, {u"0x10", commandLine, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadNumber(c.text, c.form), c.value) << QString::fromUtf16(c.text).toStdString();
  }
}

TEST(FieldReadersTest, WholeNumbersTakeLeadingBlanksAndStayInRange) {
  EXPECT_EQ(ReadWholeNumber(u"  5"), 5);
  EXPECT_EQ(ReadWholeNumber(u"-05"), -5);
  EXPECT_EQ(ReadWholeNumber(u"999999999"), 999999999);
  for (const char16_t* bad : {u"5 ", u"", u"   ", u"-", u"- 5", u"+-5", u"1.0", u"5x", u"\u0663", u"1000000000"}) {
    EXPECT_FALSE(ReadWholeNumber(bad)) << QString::fromUtf16(bad).toStdString();
  }
}

TEST(FieldReadersTest, AnglesOfTheModeEndAt22Degrees30Minutes) {
  struct Case {
    std::optional<double> degrees, minutes;
    AngleFault fault;
  };
  const Case cases[] = {
      {0.0, 0.0, AngleFault::None},       {22.0, 30.0, AngleFault::None},    {7.5, 59.0, AngleFault::None},
      {22.0, 30.5, AngleFault::Minutes},  {21.9, 59.0, AngleFault::Minutes}, {5.0, 60.0, AngleFault::Minutes},
      {5.0, -1.0, AngleFault::Minutes},   {5.0, {}, AngleFault::Minutes},    {23.0, 0.0, AngleFault::Degrees},
      {-0.5, 0.0, AngleFault::Degrees},   {{}, {}, AngleFault::Degrees},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckModeAngle(c.degrees, c.minutes), c.fault) << c.degrees.value_or(-99) << " " << c.minutes.value_or(-99);
  }
}

// The readers of the texts that the formatters write.
TEST(FieldReadersTest, FixedColumnsCountTheDigitsBeforeTheFirstOtherCharacter) {
  EXPECT_EQ(LeadingNumber(u"1x9"), 1);
  EXPECT_EQ(LeadingNumber(u" 5"), 0);
  EXPECT_EQ(LeadingNumber(u"999999999999999999"), 999999999);  // held in range
  EXPECT_EQ(FieldNumber("05.12.20", 7, 4), 20);                  // a short line
  // The separators are not looked at.
  EXPECT_DOUBLE_EQ(HoursFromTimeText("10.29.50"), 10 + 29 / 60.0 + 50 / 3600.0);
  EXPECT_DOUBLE_EQ(HoursFromTimeText("10:3"), 10 + 3 / 60.0);
  // A place adds the ten-thousandth and takes the sign.
  ChartMoment m;
  ReadPlaceFields("-008°30'", "+50°00'", m);
  EXPECT_DOUBLE_EQ(m.longitude, -8.5001);
  EXPECT_DOUBLE_EQ(m.latitude, 50.0001);
  EXPECT_TRUE(m.westLongitude && !m.southLatitude);
  // Every date that the formatter writes reads back.
  for (const auto& [d, mo, y] : {std::tuple{1, 1, 1}, {29, 2, 2024}, {31, 12, 9999}}) {
    ReadDateFields(FormatDateText(d, mo, y), m);
    EXPECT_TRUE(m.day == d && m.month == mo && m.year == y) << y;
  }
}

TEST(FormattingTest, RoundHalfDownAndZeroPad) {
  EXPECT_EQ(RoundHalfDown(2.5), 2);  // an exact half goes down
  EXPECT_EQ(RoundHalfDown(2.51), 3);
  EXPECT_EQ(RoundHalfDown(kNaN), 0);
  EXPECT_EQ(RoundHalfDown(-1e300), -2147483647 - 1);
  EXPECT_EQ(ZeroPad(7, 2), "07");
  EXPECT_EQ(ZeroPad(123, 2), "123");
  EXPECT_EQ(ZeroPad(4294967295u, 2), "429496");  // six characters at most
  EXPECT_EQ(WeekdayName(-1, -5, 1000000).size(), 2);  // any numbers give one of the names
}

TEST(FormattingTest, FormatAngleInTheThreeModes) {
  const struct {
    int width, mode;
    double value;
    const char16_t* text;
  } cases[] = {
      {2, 22, 22.4999, u"22°30'"}, {2, 30, 29.9999, u"30°00'"}, {2, 30, 45.25, u"15°15'"},
      {2, 30, -5.5, u"-05°30'"},   {2, 22, 45.0, u"00°00'"},
      // 30 remaining seconds are dropped, 31 round the minute up.
      {2, 22, 10.0 + 5.0 / 60 + 30.0 / 3600, u"10°05'"}, {2, 22, 10.0 + 5.0 / 60 + 31.0 / 3600, u"10°06'"},
      // Mode 0 shows the seconds, truncated; a value a hair below a second shows that second.
      {3, 0, 123.0 + 4.0 / 60 + 5.9 / 3600, u"123°04'05\""}, {2, 0, -1.5, u"-01°30'00\""},
      {2, 0, 12.0 - 1e-12, u"12°00'00\""}, {2, 0, 12.0 - 0.5 / 3600, u"11°59'59\""},
      // Any number gives a text.
      {2, 30, kNaN, u"00°00'"}, {2, 0, 1e300, u"999°00'00\""}, {2, 0, -kInf, u"-999°00'00\""}};
  for (const auto& c : cases) EXPECT_EQ(FormatAngle(c.width, c.mode, c.value), QString::fromUtf16(c.text)) << c.value;
  EXPECT_LE(FormatAngle(99, 0, 123456.0).size(), 14);
  for (int d = 0; d < 30; ++d) {
    for (int m = 0; m < 60; ++m) {
      for (int s = 0; s < 60; s += 7) {
        const QString expected = ZeroPad(d, 2) + u'°' + ZeroPad(m, 2) + u'\'' + ZeroPad(s, 2) + u'"';
        ASSERT_EQ(FormatAngle(2, 0, d + m / 60.0 + s / 3600.0), expected) << d << " " << m << " " << s;
      }
    }
  }
  const std::pair<double, const char16_t*> coordinates[] = {
      {8.6834, u"008°41'"}, {179.9834, u"179°59'"}, {8.9999, u"009°00'"}, {kInf, u"999999°00'"}};
  for (const auto& [value, text] : coordinates) EXPECT_EQ(FormatCoordinate(false, value), QString::fromUtf16(text));
  EXPECT_EQ(FormatCoordinate(true, 53.55), u"053°33'00");
  EXPECT_EQ(FormatCoordinate(true, -2.5), u"002°30'00");
}

// The clock texts within the day are held against the independent implementation at every
// chart it computes (reference_charts_compare); here the ends of the clock.
TEST(FormattingTest, TheEndsOfTheClock) {
  // True fractions of a second are cut; outside 0..100 the clock is held, NaN counts as 0.
  const std::pair<double, const char*> clocks[] = {
      {10 + 29.0 / 60 + 50.999 / 3600, "10:29:50"}, {23.999999, "23:59:59"}, {24.0, "24:00:00"},
      {99.5, "99:30:00"}, {-3.0, "00:00:00"}, {kNaN, "00:00:00"}};
  for (const auto& [hours, text] : clocks) EXPECT_EQ(FormatClock(hours), text) << hours;
  // The label shows what the clock holds, past 100 hours and below zero too.
  const std::pair<double, const char*> shown[] = {
      {123.25, "123:15:00"}, {-1.5, "-01:30:00"}, {-0.0001, "00:00:00"}, {1e300, "1000000000000:00:00"}};
  for (const auto& [hours, text] : shown) EXPECT_EQ(ShownClock(hours), text) << hours;
}

// The house numbers of every list are held against the independent implementation
// (reference_lists_compare, reference_axes_compare); here the numbers no chart gives.
TEST(HousesTest, MidpointHouseCountsThirtyDegreeSectorsFromTheBase) {
  EXPECT_EQ(MidpointHouse(AS, SO, 100.0, 70.0), 11);  // exactly 30 degrees below: two houses before the base's
  for (int base = 0; base < 6; ++base) {
    for (double bl : {0.0, 359.99, 360.01, -0.5, 1e9, kNaN}) {
      for (double l : {0.0, 359.999, 725.0, -1e12, kNaN}) {
        const int h = MidpointHouse(base, base + 1, bl, l);
        ASSERT_TRUE(h >= 1 && h <= 12) << base << " " << bl << " " << l;
      }
    }
  }
  // A Sun a little above 360 is in the same house as the same Sun below 0.
  EXPECT_EQ(MidpointHouse(SO, MC, 360.5, 10.0), MidpointHouse(SO, MC, 0.5, 10.0));
}

// The houses' meanings are shown in the lists (evaluation_test.cpp).
TEST(HousesTest, SignNames) {
  const std::pair<double, const char*> signs[] = {
      {0.0, "WID"}, {29.999, "WID"}, {30.0, "STI"}, {200.0, "WAA"}, {359.99, "FIS"},
      {360.004, "WID"}, {-5.0, "FIS"}};  // outside 0..360: the sign of the same direction
  for (const auto& [longitude, name] : signs) EXPECT_EQ(SignOfLongitude(longitude), name) << longitude;
  EXPECT_EQ(SignOfLongitude(kNaN).size(), 3);
}

TEST(HousesTest, MeridianCuspsFollowTheSiderealAngle) {
  const double eps = DegToRad(23.44);
  EXPECT_NEAR(MeridianHouseCusp(0.0, -eps, 0), 0.0, 1e-9);
  EXPECT_NEAR(MeridianHouseCusp(0.0, -eps, 6), 180.0, 1e-9);
  EXPECT_NEAR(MeridianHouseCusp(kPi / 2, -eps, 0), 90.0, 1e-9);
  // tan(cusp) = tan(30 degrees) / cos(eps) for k = 1 at RAMC 0.
  EXPECT_NEAR(MeridianHouseCusp(0.0, -eps, 1), RadToDeg(std::atan(std::tan(kPi / 6) / std::cos(eps))), 1e-9);
  // The cusps run once around the circle in order.
  const double ramc = DegToRad(280.46);
  for (int k = 0; k < 12; ++k) {
    const double cusp = MeridianHouseCusp(ramc, -eps, k);
    const double step = std::fmod(MeridianHouseCusp(ramc, -eps, (k + 1) % 12) - cusp + 360.0, 360.0);
    EXPECT_TRUE(cusp >= 0.0 && cusp < 360.0) << k;
    EXPECT_TRUE(step > 20.0 && step < 40.0) << k;
  }
}

constexpr long double kPiLong = 3.14159265358979323846264338327950288L;

TEST(SeriesTrigTest, DegreesAgreeWithTheLibraryOverTheWholeRange) {
  std::mt19937 random(5);
  std::uniform_real_distribution<double> wide(-600000.0, 600000.0);
  std::uniform_real_distribution<double> near(-400.0, 400.0);
  double worst = 0.0;
  for (int i = 0; i < 200000; ++i) {
    const double x = i % 2 ? wide(random) : near(random);
    const SineCosine k = SinCosOfDegrees(x);
    // The long double reference reduces the angle more exactly than a double product.
    const long double r = static_cast<long double>(x) * (kPiLong / 180.0L);
    worst = std::max(worst, static_cast<double>(std::fabs(k.sin - std::sin(r))));
    worst = std::max(worst, static_cast<double>(std::fabs(k.cos - std::cos(r))));
  }
  EXPECT_LT(worst, 2e-15);
  // Whole quarter turns come out exact.
  EXPECT_TRUE(SinCosOfDegrees(90.0).sin == 1.0 && SinCosOfDegrees(90.0).cos == 0.0);
  EXPECT_TRUE(SinCosOfDegrees(-180.0).cos == -1.0 && SinCosOfDegrees(270.0).sin == -1.0);
}

TEST(SeriesTrigTest, RadiansAgreeWithTheLibrary) {
  std::mt19937 random(6);
  std::uniform_real_distribution<double> angle(-50.0, 50.0);
  double worst = 0.0;
  for (int i = 0; i < 200000; ++i) {
    const double x = angle(random);
    const SineCosine k = SinCosOfRadians(x);
    worst = std::max({worst, std::fabs(k.sin - std::sin(x)), std::fabs(k.cos - std::cos(x))});
  }
  EXPECT_LT(worst, 1e-15);
  EXPECT_NEAR(SinCosOfRadians(1e4 + 0.5).sin, std::sin(1e4 + 0.5), 1e-15);
}

TEST(SeriesTrigTest, TwoCosinesAtOnceHaveTheBitsOfOne) {
  std::mt19937 random(8);
  std::uniform_real_distribution<double> wide(-600000.0, 600000.0);
  for (int i = 0; i < 100000; ++i) {
    const double x[2] = {wide(random), i % 3 ? wide(random) : std::round(wide(random) / 90) * 90};
    double pair[2];
    CosOfDegreesPair(x, pair);
    for (int lane = 0; lane < 2; ++lane) {
      const double one = CosOfDegrees(x[lane]);
      ASSERT_EQ(std::memcmp(&pair[lane], &one, sizeof one), 0) << x[lane];
    }
  }
  // Beyond the range of the exact reduction, and NaN, both take the library's way.
  const double odd[2] = {1e15, kNaN};
  double out[2];
  CosOfDegreesPair(odd, out);
  EXPECT_EQ(out[0], std::cos(1e15 * 3.141592653589793 / 180.0));
  EXPECT_TRUE(std::isnan(out[1]));
}

TEST(SeriesTrigTest, KeplerRoundsMatchThePlainRounds) {
  std::mt19937 random(9);
  std::uniform_real_distribution<double> anomaly(0.0, 6.283185307179586);
  std::uniform_real_distribution<double> eccentricity(0.0, 0.5);
  double worst = 0.0;
  for (int i = 0; i < 100000; ++i) {
    const double m = anomaly(random);
    const double e = eccentricity(random);
    double plain = m;
    for (int round = 0; round < 5; ++round) plain = e * std::sin(plain) + m;
    const KeplerSolution k = FiveKeplerRounds(m, e);
    worst = std::max({worst, std::fabs(k.eccentricAnomaly - plain), std::fabs(k.sinE - std::sin(plain)),
                      std::fabs(k.cosE - std::cos(plain))});
  }
  EXPECT_LT(worst, 1e-14);
  // Five rounds are not the root for a large eccentricity: the result is the fifth round.
  const KeplerSolution k = FiveKeplerRounds(1.0, 0.9);
  double plain = 1.0;
  for (int round = 0; round < 5; ++round) plain = 0.9 * std::sin(plain) + 1.0;
  EXPECT_NEAR(k.eccentricAnomaly, plain, 1e-14);
  EXPECT_GT(std::fabs(plain - 0.9 * std::sin(plain) - 1.0), 1e-4);
  // An eccentricity beyond any orbit still gives numbers.
  EXPECT_TRUE(std::isfinite(FiveKeplerRounds(2.0, 5.0).eccentricAnomaly));
}

}  // namespace
}  // namespace gyrolux
