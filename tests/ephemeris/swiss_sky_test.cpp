// The modern sky against swetest (the Swiss Ephemeris' own command-line program, run as
// the independent reference) and the fitted series against the direct library calls.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <thread>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QStringList>

#include "engine/chart_core.h"
#include "ephemeris/fitted_sky.h"
#include "ephemeris/swiss_library.h"
#include "ephemeris/swiss_sky.h"

namespace gyrolux {
namespace {

// Arc seconds between two longitudes in degrees.
double ArcSecondsApart(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)) * 3600.0; }

// A random moment 1600..2400 (whole seconds, so that swetest gets the same time), at a
// random place; latitudes to 80 degrees bring the polar circles in.
ChartMoment RandomMoment(std::mt19937_64& random) {
  ChartMoment m;
  m.year = std::uniform_int_distribution<int>(1600, 2400)(random);
  m.month = std::uniform_int_distribution<int>(1, 12)(random);
  m.day = std::uniform_int_distribution<int>(1, 28)(random);
  m.hours = std::uniform_int_distribution<int>(0, 86399)(random) / 3600.0;
  m.longitude = std::uniform_int_distribution<int>(-180 * 60, 180 * 60)(random) / 60.0;
  m.latitude = std::uniform_int_distribution<int>(-80 * 60, 80 * 60)(random) / 60.0;
  m.ephemeris = Ephemeris::Swiss;
  return m;
}

// swetest's longitudes of the 19 bodies (SO, MO, mean node, ME..PL, CU..PO) and its MC and
// AS for the moment, keyed by factor.
std::array<double, kFactorCount> SwetestLongitudes(const ChartMoment& m) {
  const int seconds = static_cast<int>(std::lround(m.hours * 3600.0));
  const QStringList arguments = {
      QStringLiteral("-b%1.%2.%3").arg(m.day).arg(m.month).arg(m.year),
      QStringLiteral("-ut%1:%2:%3").arg(seconds / 3600).arg(seconds / 60 % 60).arg(seconds % 60),
      QStringLiteral("-p0m123456789JKLMNOPQ"),  // 0 Sun, m mean node, 1 Moon, ...
      QStringLiteral("-emos"), QStringLiteral("-edir/usr/share/libswe/ephe"),
      QStringLiteral("-house%1,%2,O").arg(m.longitude, 0, 'f', 10).arg(m.latitude, 0, 'f', 10),
      QStringLiteral("-fPl"), QStringLiteral("-head")};
  QProcess swetest;
  swetest.start(QStringLiteral("swetest"), arguments);
  EXPECT_TRUE(swetest.waitForFinished(20000)) << "swetest did not run";
  const QStringList lines = QString::fromLatin1(swetest.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  constexpr FactorId kOrder[] = {SO, KN, MO, ME, VE, MA, JU, SA, UR, NE, PL, CU, HA, ZE, KR, AP, AD, VU, PO};
  std::array<double, kFactorCount> longitude{};
  longitude.fill(NAN);
  int body = 0;
  for (const QString& line : lines) {
    const QStringList words = line.simplified().split(' ');
    const double value = words.last().toDouble();
    if (line.startsWith(QLatin1String("Ascendant"))) longitude[AS] = value;
    else if (line.startsWith(QLatin1String("MC"))) longitude[MC] = value;
    else if (!line.startsWith(QLatin1String("house")) && body < 19) longitude[kOrder[body++]] = value;
  }
  return longitude;
}

class SwetestAgreement : public ::testing::TestWithParam<int> {};

// Both the direct library chart and the fitted chart agree with swetest within 0.01".
TEST_P(SwetestAgreement, PositionsWithinAHundredthOfAnArcSecond) {
  std::mt19937_64 random(GetParam());
  const int count = GetParam() == 1 ? 12 : 300;
  double worst = 0.0;
  for (int i = 0; i < count; ++i) {
    const ChartMoment m = RandomMoment(random);
    const std::array<double, kFactorCount> expected = SwetestLongitudes(m);
    ChartResult direct, fitted;
    ComputeSwissFactorsDirect(m, kAllFactors, direct);
    ComputeSwissFactors(m, kAllFactors, fitted);
    for (int f = 0; f <= PO; ++f) {
      if (f == WI) continue;
      ASSERT_FALSE(std::isnan(expected[f])) << FactorAbbrev[f] << " missing from swetest's output";
      const double d = ArcSecondsApart(direct.state.factorLongitude[f], expected[f]);
      const double e = ArcSecondsApart(fitted.state.factorLongitude[f], expected[f]);
      worst = std::max({worst, d, e});
      EXPECT_LT(d, 0.01) << FactorAbbrev[f] << " direct " << m.day << '.' << m.month << '.' << m.year << ' '
                         << m.hours << " lat " << m.latitude;
      EXPECT_LT(e, 0.01) << FactorAbbrev[f] << " fitted " << m.day << '.' << m.month << '.' << m.year << ' '
                         << m.hours << " lat " << m.latitude;
    }
  }
  RecordProperty("worst_arcseconds", std::to_string(worst));
  std::printf("largest difference from swetest: %.5f\"\n", worst);
}
INSTANTIATE_TEST_SUITE_P(Quick, SwetestAgreement, ::testing::Values(1));
INSTANTIATE_TEST_SUITE_P(Long, SwetestAgreement, ::testing::Values(2));

class FittedBound : public ::testing::TestWithParam<int> {};

// The fitted series stay within two thousandths of an arc second of the library's own value
// of each channel, and the bodies' apparent longitudes (channel plus nutation) of the
// library's apparent ones, at random moments over the whole range the program offers the
// modern sky for; the fitted speeds agree with the library's (its own are difference
// quotients) to 2e-4 degrees a day, which moves a retrograde flag by seconds at a station.
TEST_P(FittedBound, WithinTwoThousandthsOfAnArcSecond) {
  std::mt19937_64 random(GetParam());
  const int count = GetParam() == 1 ? 50 : 3000;
  std::uniform_real_distribution<double> jd(2305447.5, 2817151.5);  // 1600..2999
  std::array<double, kFittedChannelCount> worst{};
  std::array<double, kSwissBodyCount> worstApparent{}, worstSpeed{};
  for (int i = 0; i < count; ++i) {
    const double at = jd(random);
    for (int channel = 0; channel < kFittedChannelCount; ++channel) {
      const std::optional<FittedValue> fitted = FittedChannelAt(channel, at);
      const std::optional<double> library = LibraryChannelAt(channel, at);
      ASSERT_TRUE(fitted && library);
      worst[channel] = std::max(worst[channel], ArcSecondsApart(fitted->value, *library));
    }
    for (int body = 0; body < kSwissBodyCount; ++body) {
      const std::optional<FittedValue> fitted = FittedBodyAt(body, at);
      const std::optional<SwissPosition> library = SwissBodyAt(at, body);
      ASSERT_TRUE(fitted && library);
      worstApparent[body] = std::max(worstApparent[body], ArcSecondsApart(fitted->value, library->longitude));
      worstSpeed[body] = std::max(worstSpeed[body], std::fabs(fitted->rate - library->speed));
    }
  }
  for (int channel = 0; channel < kFittedChannelCount; ++channel) {
    std::printf("channel %2d: largest fitting error %.2e\"\n", channel, worst[channel]);
    EXPECT_LT(worst[channel], 0.002) << "channel " << channel;
  }
  for (int body = 0; body < kSwissBodyCount; ++body) {
    std::printf("%s: apparent %.2e\", speed %.2e deg/day\n", FactorAbbrev[kSwissBodyFactor[body]],
                worstApparent[body], worstSpeed[body]);
    EXPECT_LT(worstApparent[body], 0.002) << FactorAbbrev[kSwissBodyFactor[body]];
    EXPECT_LT(worstSpeed[body], 2e-4) << FactorAbbrev[kSwissBodyFactor[body]];
  }
}
INSTANTIATE_TEST_SUITE_P(Quick, FittedBound, ::testing::Values(1));
INSTANTIATE_TEST_SUITE_P(Long, FittedBound, ::testing::Values(2));

// The library's Moshier range ends in 3000: later years are refused with a message that
// names both ranges, and a moment there is computed in the model (bit for bit).
TEST(SwissRange, RefusedBeyondTheLibrary) {
  EXPECT_TRUE(SwissRangeMessage(1600).isEmpty());
  EXPECT_TRUE(SwissRangeMessage(3000).isEmpty());
  for (int year : {1599, 3001, 9999}) {
    const QString message = SwissRangeMessage(year);
    EXPECT_TRUE(message.contains(QLatin1String("3000 n. Chr.")) && message.contains(QLatin1String("1600 bis 9999")) &&
                message.contains(QString::number(year)))
        << message.toStdString();
  }
  ChartMoment m;
  m.day = 1, m.month = 6, m.year = 5000, m.hours = 12.0;
  ChartResult model, modern;
  ComputeModelFactors(m, kAllFactors, model);
  m.ephemeris = Ephemeris::Swiss;
  ComputeSwissFactors(m, kAllFactors, modern);
  EXPECT_EQ(model.state.factorLongitude, modern.state.factorLongitude);
}

// Other elements of the hypothetical bodies in the working folder change no thread's sky
// (the library's state, its path among it, is per thread).
TEST(SwissLibrary, WorkingFolderIgnoredInEveryThread) {
  QTemporaryDir dir;
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  QFile elements(QStringLiteral("seorbel.txt"));
  ASSERT_TRUE(elements.open(QIODevice::WriteOnly));
  elements.write("J1900,J1900, 163.4, 40.99837, 0.00460, 171.4333, 129.8325, 1.0833, Cupido\n");
  elements.close();
  const std::optional<SwissPosition> here = SwissBodyAt(2460000.5, 11);
  std::optional<SwissPosition> there;
  std::thread([&] { there = SwissBodyAt(2460000.5, 11); }).join();
  QDir::setCurrent(before);
  ASSERT_TRUE(here && there);
  EXPECT_EQ(here->longitude, there->longitude);
}

}  // namespace
}  // namespace gyrolux
