// The event list: a year of the fast and slow factors and a century of the slow ones
// against the whole radix (23 factors and 253 midpoints), events streamed and counted.
#include <benchmark/benchmark.h>

#include "engine/chart_core.h"
#include "ephemeris/fitted_sky.h"
#include "ephemeris/sky_tables.h"
#include "ephemeris/swiss_sky.h"
#include "events/event_search.h"

namespace {

using namespace gyrolux;

// The second argument picks the sky: 0 the model, 1 the modern sky (its spans taken from the
// build's tables or fitted in the first iteration and kept), 2 the modern sky from a cold
// start every iteration (no span kept, the spans read from the tables), 3 the same without
// tables (every span fitted).
EventQuery QueryOf(std::vector<int> moving, CivilDate from, int64_t days, int64_t sky = 0) {
  EventQuery query;
  query.radix = {14, 7, 1968, 9.5, 13.4, 52.5};
  if (sky >= 1) {
    InstallSwissSky();
    query.radix.ephemeris = Ephemeris::Swiss;
  }
  ChartResult chart;
  ComputeChart(query.radix, chart);
  query.radixLongitudes = chart.state.factorLongitude;
  query.from = from;
  query.days = days;
  query.moving = std::move(moving);
  return query;
}

void Run(benchmark::State& state, const EventQuery& query) {
  int64_t events = 0;
  EventSearchOptions options;
  options.threads = static_cast<int>(state.range(0));
  UseSkyTables(state.range(1) == 3 ? QString() : QStringLiteral(GYROLUX_SKY_TABLES_FILE));
  for (auto _ : state) {
    if (state.range(1) >= 2) {
      state.PauseTiming();
      ForgetFittedSpans();
      state.ResumeTiming();
    }
    events = 0;
    FindRadixEvents(query, [&](const RadixEvent&) { ++events; }, options);
  }
  state.counters["events"] = static_cast<double>(events);
}

// SO..PL with the node and the eight hypothetical factors, one year.
void BM_EventsOneYearSunToPluto(benchmark::State& state) {
  Run(state, QueryOf({SO, MO, KN, ME, VE, MA, JU, SA, UR, NE, PL, CU, HA, ZE, KR, AP, AD, VU, PO}, {1, 1, 2025}, 365,
                     state.range(1)));
}
BENCHMARK(BM_EventsOneYearSunToPluto)
    ->Args({1, 0})->Args({2, 0})->Args({2, 1})->Args({2, 2})->Args({2, 3})
    ->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// JU..PO, a hundred years.
void BM_EventsCenturyJupiterToPoseidon(benchmark::State& state) {
  Run(state, QueryOf({JU, SA, UR, NE, PL, CU, HA, ZE, KR, AP, AD, VU, PO}, {1, 1, 2000}, 36525, state.range(1)));
}
BENCHMARK(BM_EventsCenturyJupiterToPoseidon)
    ->Args({1, 0})->Args({2, 0})->Args({2, 2})->Args({2, 1})->Args({2, 3})
    ->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
