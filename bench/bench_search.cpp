// The alarm searches over a whole century (1.1.2000 12:00, 13.4 E, 52.5 N unless said,
// to the end of 2100, 5.3 million moments): the plain loop with a full chart per moment,
// the fast search on the pictures that cost it most (MC, AS and the Moon, orb 0, beyond
// the polar circle) and on slow ones, and all stays of a century streamed. Every figure is
// the CPU time of the whole process (all threads); peakMiB is the process's peak resident
// memory so far.
#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include "midpoints/alarm_search.h"
#include "midpoints/all_hits.h"

namespace gyrolux {
namespace {

constexpr int kFiller = kFillerAbbrevIndex;

SearchMoment CenturyStart(double latitude = 52.5001) {
  SearchMoment s;
  s.moment = {1, 1, 2000, 12.0, 13.4001, latitude, false, false};
  s.dateText = "01.01.2000";
  return s;
}

double PeakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Report(benchmark::State& state, const SearchResult& r) {
  state.counters["found"] = r.found ? 1 : 0;
  state.counters["steps"] = static_cast<double>(r.steps);
  state.counters["peakMiB"] = PeakMiB();
}

// Nothing within the century: every moment gets its full chart.
void BM_PlainCentury(benchmark::State& state, AlarmQuery query, double latitude) {
  SearchResult r;
  for (auto _ : state) r = PlainAlarmSearch(query, CenturyStart(latitude));
  Report(state, r);
}
BENCHMARK_CAPTURE(BM_PlainCentury, CU_AP_HA_KR, PictureQuery(CU, AP, HA, KR), 52.5001)
    ->Unit(benchmark::kSecond)->Iterations(1)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_PlainCentury, MC_AS_SO_MO_orb0, PictureQuery(MC, AS, SO, MO, 0.0), 52.5001)
    ->Unit(benchmark::kSecond)->Iterations(1)->MeasureProcessCPUTime();

void BM_FastSearch(benchmark::State& state, AlarmQuery query, double latitude) {
  SearchOptions options;
  options.threads = static_cast<int>(state.range(0));
  SearchResult r;
  for (auto _ : state) r = FastAlarmSearch(query, CenturyStart(latitude), options);
  Report(state, r);
}
#define GYROLUX_FAST(name, query, latitude) \
  BENCHMARK_CAPTURE(BM_FastSearch, name, query, latitude)->Arg(2)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()
// No hit within the century.
GYROLUX_FAST(MC_AS_SO_MO_orb0, PictureQuery(MC, AS, SO, MO, 0.0), 52.5001);

GYROLUX_FAST(AS_MO_orb0_lat68, PictureQuery(AS, kFiller, MO, kFiller, 0.0), 68.0);
GYROLUX_FAST(MO_MO_orb0, PictureQuery(MO, kFiller, MO, kFiller, 0.0), 52.5001);
GYROLUX_FAST(MC_MO_JU_orb0, PictureQuery(MC, kFiller, MO, JU, 0.0), 52.5001);
GYROLUX_FAST(SO_MO_JU_SA_orb0, PictureQuery(SO, MO, JU, SA, 0.0), 52.5001);
GYROLUX_FAST(JU_SA_UR_NE_orb0, PictureQuery(JU, SA, UR, NE, 0.0), 52.5001);
GYROLUX_FAST(CU_AP_HA_KR, PictureQuery(CU, AP, HA, KR), 52.5001);
// Found after most of the century (6.12.2100), and at once (June 2000).
GYROLUX_FAST(PL_HA_VU, PictureQuery(PL, kFiller, HA, VU), 52.5001);
GYROLUX_FAST(SA_UR_NE_PL, PictureQuery(SA, UR, NE, PL), 52.5001);

// The 360-degree mode, where a longitude's wrap moves a midpoint by half a turn: MC/AS =
// SO/MO, no hit within the century at orb 0.
void BM_FastWatch360(benchmark::State& state) {
  Watch watch;
  watch.first.factors = {MC, AS};
  watch.second.factors = {SO, MO};
  watch.mode = kMode360;
  watch.orb = Orb{0.0};
  SearchOptions options;
  options.threads = 2;
  SearchResult r;
  for (auto _ : state) r = FastWatchSearch(watch, CenturyStart(), options);
  Report(state, r);
}
BENCHMARK(BM_FastWatch360)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// Every stay of a century, handed to a sink that keeps none (as the CLI streams them).
void BM_AllHitsStreamed(benchmark::State& state, AlarmQuery query) {
  int64_t runs = 0;
  SearchOptions options;
  options.threads = 2;
  for (auto _ : state) {
    runs = 0;
    FindAllHits(query, CenturyStart(), options, [&](const HitRun&) { ++runs; });
  }
  state.counters["runs"] = static_cast<double>(runs);
  state.counters["peakMiB"] = PeakMiB();
}
BENCHMARK_CAPTURE(BM_AllHitsStreamed, SA_UR_NE_PL, PictureQuery(SA, UR, NE, PL))
    ->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_AllHitsStreamed, SO_MO_MA_JU, PictureQuery(SO, MO, MA, JU))
    ->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_AllHitsStreamed, MC_AS_SO_MO, PictureQuery(MC, AS, SO, MO))
    ->Unit(benchmark::kSecond)->Iterations(1)->MeasureProcessCPUTime();

}  // namespace
}  // namespace gyrolux

BENCHMARK_MAIN();
