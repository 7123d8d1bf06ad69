#include "midpoints/alarm_search.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include "engine/calendar.h"
#include "engine/chart_core.h"
#include "midpoints/alarm_hit_test.h"

namespace gyrolux {
namespace {

constexpr int kFiller = kFillerAbbrevIndex;

SearchMoment Start(const char* dateText, int day, int month, int year, double hours,
                   double latitude = 52.5001) {
  SearchMoment s;
  s.moment = {day, month, year, hours, 13.4001, latitude, false, false};
  s.dateText = dateText;
  return s;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

::testing::AssertionResult SameResult(const SearchResult& a, const SearchResult& b) {
  const ChartMoment& x = a.moment.moment;
  const ChartMoment& y = b.moment.moment;
  if (a.found == b.found && a.stop == b.stop && a.steps == b.steps && SameBits(x.hours, y.hours) &&
      x.day == y.day && x.month == y.month && x.year == y.year && a.moment.dateText == b.moment.dateText &&
      SameBits(x.longitude, y.longitude) && SameBits(x.latitude, y.latitude)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "found " << a.found << "/" << b.found << ", stop " << static_cast<int>(a.stop) << "/"
         << static_cast<int>(b.stop) << ", steps " << a.steps << "/" << b.steps << ", moment "
         << a.moment.dateText.toStdString() << " " << x.hours << " / " << b.moment.dateText.toStdString()
         << " " << y.hours;
}

// The time after n additions of 1/6 to 0, as the stepping reaches it.
double HoursAfterSteps(int n) {
  double h = 0.0;
  for (int i = 0; i < n; ++i) h += 1.0 / 6.0;
  return h;
}

TEST(AlarmSearchTest, HandCheckedSearches) {
  const SearchMoment start2000 = Start("01.01.2000", 1, 1, 2000, 12.0);
  const SearchMoment december9999 = Start("01.12.9999", 1, 12, 9999, 0.0);
  // WI/-- stands at 0, 11.25 from the target: never a hit.
  const AlarmQuery never = MidpointAngleQuery(WI, kFiller, 11.25);
  // GZ/GZ stands at 19.425 in 2003 and moves 50 arc seconds a year: with the target
  // 20.53 it lies 1.105 away in 2003 and 1.091 (within 1.1) from 1.1.2004.
  const AlarmQuery gz = MidpointAngleQuery(GZ, GZ, 20.53);
  const struct {
    const char* name;
    AlarmQuery query;
    SearchMoment start;
    std::optional<int64_t> maxSteps;
    bool runPlain;  // the plain loop only where it is quick
    SearchStop stop;
    int64_t steps;
    SearchMoment left;  // the moment the search leaves behind
  } cases[] = {
      {"the start already hits", PictureQuery(kFiller, kFiller, WI, WI),
       Start("01.01.2000", 1, 1, 2000, 13.0 + 5.0 / 60.0), {}, true, SearchStop::Found, 1,
       Start("01.01.2000", 1, 1, 2000, 13.0 + 5.0 / 60.0)},
      // 72 moments of 15.6.2003 from 12:00, 199 days from 16.6. to 31.12., then 1.1.2004.
      {"GZ reaches the target at the new year", gz, Start("15.06.2003", 15, 6, 2003, 12.0), {}, true,
       SearchStop::Found, 72 + 199 * 144 + 1, Start("01.01.2004", 1, 1, 2004, 0.0)},
      {"the step limit leaves the moment one step on", never, start2000, 100, true,
       SearchStop::MaxSteps, 100, Start("02.01.2000", 2, 1, 2000, HoursAfterSteps(28))},
      {"nothing in 100 years", never, start2000, {}, false, SearchStop::StopYear, 72 + 36889 * 144,
       Start("01.01.2101", 1, 1, 2101, 0.0)},
      // From December 9999 the stop year is 9999: 31 days of 144 moments, after which the
      // year 10000 ends the search (its text cut to four digits of the year).
      {"the stop year stays within four digits", never, december9999, {}, true,
       SearchStop::StopYear, 31 * 144, Start("01.01.1000", 1, 1, 10000, 0.0)},
      {"the limit on the step that passes the stop year", never, december9999, 31 * 144, true,
       SearchStop::StopYear, 31 * 144, Start("01.01.1000", 1, 1, 10000, 0.0)},
      {"the limit one step before", never, december9999, 31 * 144 - 1, true, SearchStop::MaxSteps,
       31 * 144 - 1, Start("31.12.9999", 31, 12, 9999, HoursAfterSteps(143))},
      {"no time of day", never, Start("01.01.2000", 1, 1, 2000, std::nan("")), {}, true,
       SearchStop::Rejected, 0, Start("01.01.2000", 1, 1, 2000, std::nan(""))},
      {"a time the steps never lift to midnight", never, Start("01.01.2000", 1, 1, 2000, -1e20), {},
       true, SearchStop::Rejected, 0, Start("01.01.2000", 1, 1, 2000, -1e20)},
      {"no factor 24", PictureQuery(MC, SO, 24, MO), start2000, {}, true, SearchStop::Rejected, 0,
       Start("01.01.2000", 1, 1, 2000, 12.0)},
      {"a step limit of 0", never, start2000, 0, true, SearchStop::Rejected, 0, Start("01.01.2000", 1, 1, 2000, 12.0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SearchOptions options;
    options.maxSteps = c.maxSteps;
    const SearchResult expected{c.stop == SearchStop::Found, c.stop, c.steps, c.left};
    EXPECT_TRUE(SameResult(FastAlarmSearch(c.query, c.start, options), expected));
    if (c.runPlain) {
      EXPECT_TRUE(SameResult(PlainAlarmSearch(c.query, c.start, options), expected));
    }
  }
}

TEST(AlarmSearchTest, AMidpointAtTheTargetIsFoundAtTheStart) {
  const SearchMoment start = Start("17.08.1987", 17, 8, 1987, 23.0 + 5.0 / 60.0);
  ChartResult chart;
  ComputeChart(start.moment, chart);
  const AlarmQuery query =
      MidpointAngleQuery(MO, SA, Midpoint22_5(chart.state.factorLongitude, MO, SA));
  for (const SearchResult& r : {PlainAlarmSearch(query, start), FastAlarmSearch(query, start)}) {
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.steps, 1);
    EXPECT_EQ(r.moment.moment.hours, start.moment.hours);
    EXPECT_EQ(r.moment.dateText, "17.08.1987");
  }
}

// Times of day the date dialog does not give still step as the loop does: the first
// step from 24:00 or later goes to the next day at 00:00.
TEST(AlarmSearchTest, OddStartTimesStepAsThePlainLoop) {
  SearchOptions options;
  options.maxSteps = 400;
  const AlarmQuery query = PictureQuery(MC, MO, SO, AS, 0.0);
  for (const double hours : {24.0001, HUGE_VAL, 1e300, -24.0, -3.7, 23.999999999999996}) {
    SCOPED_TRACE(hours);
    const SearchMoment start = Start("31.12.1999", 31, 12, 1999, hours);
    EXPECT_TRUE(SameResult(FastAlarmSearch(query, start, options), PlainAlarmSearch(query, start, options)));
  }
}

// Random searches over windows of a few thousand moments: pictures and midpoint angles
// of every kind of factor (the fast ones MC, AS, MO, SO often), orbs from 0 up, starts
// from 1600 to 2100 at any time (often late in the day, at the end of a month or year,
// or at 24:00 as 24.0001), and a few outside the range of the motion table.
struct RandomCase {
  AlarmQuery query;
  SearchMoment start;
  int64_t maxSteps = 0;
  int threads = 1;
};

class RandomCases {
 public:
  explicit RandomCases(uint32_t seed) : random_(seed) {}

  RandomCase Next(int64_t longestWindow) {
    RandomCase c;
    const bool picture = Chance(0.7);
    const int a = Factor(), b = Factor();
    c.query = picture ? PictureQuery(a, b, Factor(), Factor(), Orb()) : MidpointAngleQuery(a, b, Angle());
    if (!picture && Chance(0.3)) c.query.orb = Orb();
    if (picture && Chance(0.15)) c.query.factors[2 + Uniform(0, 1)] = a;  // a factor on both sides
    c.start = RandomStart();
    c.maxSteps = Chance(0.1) ? Uniform(1, 20) : Uniform(1, longestWindow);
    c.threads = static_cast<int>(Uniform(1, 2));
    return c;
  }

 private:
  bool Chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < p; }
  int64_t Uniform(int64_t low, int64_t high) {
    return std::uniform_int_distribution<int64_t>(low, high)(random_);
  }
  double Real(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }

  int Factor() {
    static constexpr int kFast[] = {MC, AS, MO, SO};
    if (Chance(0.35)) return kFast[Uniform(0, 3)];
    if (Chance(0.1)) return Chance(0.5) ? kFiller : static_cast<int>(Chance(0.5) ? WI : GZ);
    return static_cast<int>(Uniform(0, kMidpointFactorCount - 1));
  }
  double Orb() {
    if (Chance(0.25)) return kStartPictureOrb;
    if (Chance(0.2)) return kMidpointSearchOrb;
    if (Chance(0.1)) return 0.0;
    return Chance(0.7) ? Real(0.0, 0.3) : Real(0.0, 2.0);
  }
  double Angle() {
    if (Chance(0.2)) return 0.0;
    if (Chance(0.2)) return 22.5;
    return Real(0.0, 22.5);
  }
  SearchMoment RandomStart() {
    int year = static_cast<int>(Uniform(1600, 2100));
    if (Chance(0.05)) year = static_cast<int>(Uniform(1400, 1600));
    if (Chance(0.05)) year = static_cast<int>(Uniform(2250, 2400));
    int month = static_cast<int>(Uniform(1, 12));
    if (Chance(0.1)) month = 12;
    const int length = GregorianMonthLength(year, month);
    const int day = Chance(0.3) ? length : static_cast<int>(Uniform(1, length));
    double hours = Real(0.0, 24.0);
    if (Chance(0.3)) hours = Real(23.0, 24.0);
    if (Chance(0.1)) hours = 24.0001;
    if (Chance(0.05)) hours = 0.0;
    SearchMoment s;
    s.moment = {day, month, year, hours, Real(-180.0, 180.0), Real(-70.0, 70.0), false, false};
    s.moment.westLongitude = s.moment.longitude < 0.0;
    s.moment.southLatitude = s.moment.latitude < 0.0;
    s.dateText = QString("%1.%2.%3").arg(day, 2, 10, QChar('0')).arg(month, 2, 10, QChar('0')).arg(year, 4, 10, QChar('0'));
    return s;
  }

  std::mt19937 random_;
};

int64_t EnvironmentNumber(const char* name, int64_t fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::atoll(value) : fallback;
}

// GYROLUX_SEARCH_CASES, GYROLUX_SEARCH_WINDOW and GYROLUX_SEARCH_SEED change the sample
// for a longer run.
TEST(AlarmSearchTest, FastAgreesWithPlainOnRandomSearches) {
  const int64_t count = EnvironmentNumber("GYROLUX_SEARCH_CASES", 2000);
  const int64_t window = EnvironmentNumber("GYROLUX_SEARCH_WINDOW", 6000);
  RandomCases cases(static_cast<uint32_t>(EnvironmentNumber("GYROLUX_SEARCH_SEED", 20240611)));
  int64_t found = 0;
  int64_t steps = 0;
  for (int64_t i = 0; i < count; ++i) {
    const RandomCase c = cases.Next(window);
    SearchOptions options;
    options.maxSteps = c.maxSteps;
    options.threads = c.threads;
    const SearchResult plain = PlainAlarmSearch(c.query, c.start, options);
    const SearchResult fast = FastAlarmSearch(c.query, c.start, options);
    ASSERT_TRUE(SameResult(fast, plain))
        << "case " << i << ": " << FactorAbbrev[c.query.factors[0]] << "/" << FactorAbbrev[c.query.factors[1]]
        << (c.query.kind == AlarmKind::Picture ? "=" : " at ") << FactorAbbrev[c.query.factors[2]] << "/"
        << FactorAbbrev[c.query.factors[3]] << " " << c.query.angle << " orb " << c.query.orb << " from "
        << c.start.dateText.toStdString() << " " << c.start.moment.hours << " lat " << c.start.moment.latitude;
    found += plain.found ? 1 : 0;
    steps += plain.steps;
  }
  RecordProperty("cases", static_cast<int>(count));
  std::printf("%lld random searches, %lld found, %lld moments tested\n", static_cast<long long>(count),
              static_cast<long long>(found), static_cast<long long>(steps));
}

struct CenturyRun {
  const char* name;
  AlarmQuery query;
  SearchMoment start;
};

void ExpectFastAgreesWithPlain(const CenturyRun& run) {
  SCOPED_TRACE(run.name);
  const auto t0 = std::chrono::steady_clock::now();
  const SearchResult plain = PlainAlarmSearch(run.query, run.start);
  const auto t1 = std::chrono::steady_clock::now();
  const SearchResult fast = FastAlarmSearch(run.query, run.start);
  const auto t2 = std::chrono::steady_clock::now();
  EXPECT_TRUE(SameResult(fast, plain));
  std::printf("%s: %s after %lld moments, %s; plain %.2f s, fast %.3f s\n", run.name,
              plain.found ? "found" : "nothing", static_cast<long long>(plain.steps),
              plain.moment.dateText.toStdString().c_str(), std::chrono::duration<double>(t1 - t0).count(),
              std::chrono::duration<double>(t2 - t1).count());
}

// A whole century in the plain loop takes some 15 seconds: one here, found at the end of
// the century (6.12.2100); GYROLUX_SEARCH_CENTURIES=1 runs more.
TEST(AlarmSearchTest, FastAgreesWithPlainOverAHundredYears) {
  ExpectFastAgreesWithPlain(
      {"PL/-- = HA/VU", PictureQuery(PL, kFiller, HA, VU), Start("01.01.2000", 1, 1, 2000, 12.0)});
  if (EnvironmentNumber("GYROLUX_SEARCH_CENTURIES", 0) == 0) return;
  const CenturyRun runs[] = {
      {"SA/KR = SA/ZE, nothing", PictureQuery(SA, KR, SA, ZE), Start("01.01.2000", 1, 1, 2000, 12.0)},
      {"NE/KR = PL/CU", PictureQuery(NE, KR, PL, CU), Start("01.01.2000", 1, 1, 2000, 12.0)},
      {"MC/SO = MO/JU, orb 0", PictureQuery(MC, SO, MO, JU, 0.0), Start("31.12.1799", 31, 12, 1799, 23.95)},
      {"AS/MO = SO/--, orb 0, latitude 60", PictureQuery(AS, MO, SO, kFiller, 0.0),
       Start("28.02.1900", 28, 2, 1900, 24.0001, 60.0)},
      {"AS/MC = KN/--, orb 0, latitude 68", PictureQuery(AS, MC, KN, kFiller, 0.0),
       Start("15.06.2101", 15, 6, 2101, 7.25, 68.0)},
      {"CU/AP = HA/KR over 1582", PictureQuery(CU, AP, HA, KR), Start("01.07.1560", 1, 7, 1560, 5.5)},
      {"CU/-- = ZE/AD past the motion table", PictureQuery(CU, kFiller, ZE, AD),
       Start("01.07.2250", 1, 7, 2250, 5.5)},
      {"GZ/PO at 11", MidpointAngleQuery(GZ, PO, 11.0), Start("01.01.1950", 1, 1, 1950, 0.0)},
  };
  for (const CenturyRun& run : runs) ExpectFastAgreesWithPlain(run);
}

// The search runs on a worker thread while another sets the abort flag, as the
// dialog's "&Abbruch" does.
TEST(AlarmSearchTest, AnAbortEndsTheSearch) {
  // MC/AS = SO/MO with orb 0: charts at nearly every step, and no hit.
  const AlarmQuery query = PictureQuery(MC, AS, SO, MO, 0.0);
  const SearchMoment start = Start("01.01.2000", 1, 1, 2000, 12.0);
  for (const bool fast : {true, false}) {
    SCOPED_TRACE(fast ? "fast" : "plain");
    std::atomic<bool> abort{false};
    SearchProgress progress;
    SearchOptions options;
    options.abort = &abort;
    options.progress = &progress;
    SearchResult result;
    std::thread worker([&] { result = fast ? FastAlarmSearch(query, start, options) : PlainAlarmSearch(query, start, options); });
    while (progress.steps.load() < 1000) std::this_thread::yield();
    abort = true;
    worker.join();
    EXPECT_EQ(result.stop, SearchStop::Aborted);
    EXPECT_FALSE(result.found);
    EXPECT_LT(result.steps, 5312088);
    EXPECT_EQ(progress.steps.load(), result.steps);
    EXPECT_EQ(progress.year.load(), result.moment.moment.year);
    // The moments before the one left behind were tested without a hit: the plain loop
    // with that many steps leaves the same moment.
    options.abort = nullptr;
    options.maxSteps = result.steps;
    SearchResult limited = PlainAlarmSearch(query, start, options);
    limited.stop = SearchStop::Aborted;
    EXPECT_TRUE(SameResult(result, limited));
  }
}

TEST(AlarmSearchTest, AnAbortBeforeTheStartEndsAfterOneStepOrNone) {
  std::atomic<bool> abort{true};
  SearchOptions options;
  options.abort = &abort;
  const SearchMoment start = Start("01.01.2000", 1, 1, 2000, 12.0);
  const AlarmQuery query = MidpointAngleQuery(WI, kFiller, 11.25);
  const SearchResult plain = PlainAlarmSearch(query, start, options);
  EXPECT_EQ(plain.stop, SearchStop::Aborted);
  EXPECT_EQ(plain.steps, 1);
  const SearchResult fast = FastAlarmSearch(query, start, options);
  EXPECT_EQ(fast.stop, SearchStop::Aborted);
  EXPECT_EQ(fast.steps, 0);
  EXPECT_EQ(fast.moment.moment.hours, 12.0);
  // The step after the abort may still hit, and then the search counts as found.
  const SearchResult hit = PlainAlarmSearch(PictureQuery(kFiller, kFiller, WI, WI), start, options);
  EXPECT_EQ(hit.stop, SearchStop::Found);
}

}  // namespace
}  // namespace gyrolux
