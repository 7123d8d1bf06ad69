// The modern sky beside the model: one chart straight from the library, one through the
// fitted series (warm: its spans built), one of the model; a clock of 1000 ticks a day
// apart; a century's fast search in each sky. For the modern sky the first run of a clock
// or search is cold (every span fitted on the way, or read from the shipped tables: the
// tables variants, the file in the page cache), the runs after it warm.
#include <benchmark/benchmark.h>

#include "engine/chart_core.h"
#include "ephemeris/fitted_sky.h"
#include "ephemeris/sky_tables.h"
#include "ephemeris/swiss_sky.h"
#include "midpoints/alarm_search.h"

namespace gyrolux {
namespace {

ChartMoment Moment(Ephemeris ephemeris) {
  ChartMoment m;
  m.day = 7, m.month = 12, m.year = 2026, m.hours = 10.5, m.longitude = 10.0001, m.latitude = 50.0001;
  m.ephemeris = ephemeris;
  return m;
}

// One chart after another, a little later each time, by one way of computing it.
void BM_Chart(benchmark::State& state, void (*compute)(const ChartMoment&, FactorMask, ChartResult&),
              Ephemeris ephemeris) {
  ChartMoment m = Moment(ephemeris);
  ChartResult r;
  for (auto _ : state) {
    compute(m, kAllFactors, r);
    benchmark::DoNotOptimize(r);
    m.hours = m.hours < 23.0 ? m.hours + 0.01 : 0.0;
  }
}
BENCHMARK_CAPTURE(BM_Chart, model, &ComputeModelFactors, Ephemeris::Model);
BENCHMARK_CAPTURE(BM_Chart, swiss_direct, &ComputeSwissFactorsDirect, Ephemeris::Swiss)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Chart, swiss_fitted, &ComputeSwissFactors, Ephemeris::Swiss);

// A cold start: no span kept, the spans read from the build's tables or fitted.
void StartCold(benchmark::State& state, bool withTables) {
  state.PauseTiming();
  UseSkyTables(withTables ? QStringLiteral(GYROLUX_SKY_TABLES_FILE) : QString());
  ForgetFittedSpans();
  state.ResumeTiming();
}

void CountSpans(benchmark::State& state, const FittedSpanCounts& before) {
  const FittedSpanCounts after = CountFittedSpans();
  state.counters["fitted"] = static_cast<double>(after.fitted - before.fitted);
  state.counters["read"] = static_cast<double>(after.fromTables - before.fromTables);
}

// A day per tick and more: every tick of a fast clock lands in new spans of the Moon.
void BM_ClockDays(benchmark::State& state, Ephemeris ephemeris, int cold = 0) {
  const FittedSpanCounts before = CountFittedSpans();
  for (auto _ : state) {
    if (cold) StartCold(state, cold == 2);
    ChartMoment m = Moment(ephemeris);
    m.year = 1700;
    ChartResult r;
    for (int tick = 0; tick < 1000; ++tick) {
      m.day = 1 + tick % 28;
      m.month = 1 + tick / 28 % 12;
      m.year += tick % 336 == 335 ? 1 : 0;
      ComputeFactors(m, kAllFactors, r);
      benchmark::DoNotOptimize(r);
    }
  }
  CountSpans(state, before);
}
BENCHMARK_CAPTURE(BM_ClockDays, model, Ephemeris::Model)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ClockDays, swiss_cold, Ephemeris::Swiss, 1)->Unit(benchmark::kMicrosecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ClockDays, swiss_cold_tables, Ephemeris::Swiss, 2)->Unit(benchmark::kMicrosecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ClockDays, swiss_warm, Ephemeris::Swiss)->Unit(benchmark::kMicrosecond);

void BM_CenturySearch(benchmark::State& state, Ephemeris ephemeris, AlarmQuery query, int cold = 0) {
  const FittedSpanCounts before = CountFittedSpans();
  SearchMoment start;
  start.moment = Moment(ephemeris);
  start.moment.day = 1, start.moment.month = 1, start.moment.year = 2000, start.moment.hours = 12.0;
  start.dateText = "01.01.2000";
  SearchOptions options;
  options.threads = 2;
  SearchResult r;
  for (auto _ : state) {
    if (cold) StartCold(state, cold == 2);
    r = FastAlarmSearch(query, start, options);
  }
  CountSpans(state, before);
  state.counters["found"] = r.found ? 1 : 0;
  state.counters["steps"] = static_cast<double>(r.steps);
}
BENCHMARK_CAPTURE(BM_CenturySearch, model_CU_AP_HA_KR, Ephemeris::Model, PictureQuery(CU, AP, HA, KR))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CenturySearch, swiss_cold_CU_AP_HA_KR, Ephemeris::Swiss, PictureQuery(CU, AP, HA, KR), 1)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_CenturySearch, swiss_cold_tables_CU_AP_HA_KR, Ephemeris::Swiss, PictureQuery(CU, AP, HA, KR), 2)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_CenturySearch, swiss_warm_CU_AP_HA_KR, Ephemeris::Swiss, PictureQuery(CU, AP, HA, KR))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CenturySearch, model_SO_MO_JU_SA, Ephemeris::Model, PictureQuery(SO, MO, JU, SA, 0.0))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CenturySearch, swiss_cold_SO_MO_JU_SA, Ephemeris::Swiss, PictureQuery(SO, MO, JU, SA, 0.0), 1)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_CenturySearch, swiss_cold_tables_SO_MO_JU_SA, Ephemeris::Swiss, PictureQuery(SO, MO, JU, SA, 0.0), 2)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_CenturySearch, swiss_warm_SO_MO_JU_SA, Ephemeris::Swiss, PictureQuery(SO, MO, JU, SA, 0.0))
    ->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace gyrolux

int main(int argc, char** argv) {
  gyrolux::InstallSwissSky();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
