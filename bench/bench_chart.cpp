// Time of one chart: the whole RecomputeChart with its texts, the pure core, a search
// step with two factors, and a 100-year run in 10-minute steps as the alarm searches do.
#include <benchmark/benchmark.h>

#include "engine/calendar.h"
#include "engine/chart.h"
#include "engine/chart_core.h"

namespace gyrolux {
namespace {

Chart StartChart() {
  Chart chart;
  chart.moment = {1, 1, 2000, 12.0, 13.4001, 52.5001, false, false};
  chart.texts.dateText = "01.01.2000";
  return chart;
}

// Steps a minute at a time so that no two calls see the same moment.
void NextMinute(ChartMoment& m) {
  m.hours += 1.0 / 60.0;
  if (m.hours >= 24.0) m.hours = 0.0;
}

void BM_RecomputeChart(benchmark::State& state) {
  Chart chart = StartChart();
  for (auto _ : state) {
    RecomputeChart(chart);
    benchmark::DoNotOptimize(chart.state.factorLongitude);
    NextMinute(chart.moment);
  }
}
BENCHMARK(BM_RecomputeChart);

void BM_ComputeChart(benchmark::State& state) {
  ChartMoment moment = StartChart().moment;
  ChartResult result;
  for (auto _ : state) {
    ComputeChart(moment, result);
    benchmark::DoNotOptimize(result);
    NextMinute(moment);
  }
}
BENCHMARK(BM_ComputeChart);

// The searches ask for two or four factors per step.
void BM_ComputeFactors(benchmark::State& state, FactorMask wanted) {
  ChartMoment moment = StartChart().moment;
  ChartResult result;
  for (auto _ : state) {
    ComputeFactors(moment, wanted, result);
    benchmark::DoNotOptimize(result);
    NextMinute(moment);
  }
}
BENCHMARK_CAPTURE(BM_ComputeFactors, SunMoon, FactorBit(SO) | FactorBit(MO));
BENCHMARK_CAPTURE(BM_ComputeFactors, MarsJupiter, FactorBit(MA) | FactorBit(JU));
BENCHMARK_CAPTURE(BM_ComputeFactors, McSunMoonNeptune,
                  FactorBit(MC) | FactorBit(SO) | FactorBit(MO) | FactorBit(NE));

// 100 years of 10-minute steps: hours grow by 1/6, with NextDay at midnight.
void BM_HundredYearsInTenMinuteSteps(benchmark::State& state) {
  int64_t charts = 0;
  for (auto _ : state) {
    Chart chart = StartChart();
    chart.moment.hours = 0.0;
    ChartResult result;
    while (chart.moment.year < 2100) {
      ComputeChart(chart.moment, result);
      benchmark::DoNotOptimize(result);
      ++charts;
      chart.moment.hours += 1.0 / 6.0;
      if (chart.moment.hours >= 24.0) {
        chart.moment.hours -= 24.0;
        NextDay(chart);
      }
    }
  }
  state.counters["charts"] = benchmark::Counter(static_cast<double>(charts) / state.iterations());
}
BENCHMARK(BM_HundredYearsInTenMinuteSteps)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace gyrolux

BENCHMARK_MAIN();
