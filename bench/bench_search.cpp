// The alarm searches over a whole century (1.1.2000 12:00, 13.4 E, 52.5 N, to the end of
// 2100, 5.3 million moments): the plain loop with a full chart per moment, the fast
// search on pictures of slow factors, hypothetical factors, the Sun and Moon, MC and AS,
// and all hits of a century with their refinement.
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

void Report(benchmark::State& state, const SearchResult& r) {
  state.counters["found"] = r.found ? 1 : 0;
  state.counters["steps"] = static_cast<double>(r.steps);
}

// Nothing within the century: every moment gets its full chart.
void BM_PlainCentury(benchmark::State& state) {
  SearchResult r;
  for (auto _ : state) r = PlainAlarmSearch(PictureQuery(CU, AP, HA, KR), CenturyStart());
  Report(state, r);
}
BENCHMARK(BM_PlainCentury)->Unit(benchmark::kSecond)->Iterations(1);

void BM_FastSearch(benchmark::State& state, AlarmQuery query, double latitude) {
  SearchOptions options;
  options.threads = static_cast<int>(state.range(0));
  SearchResult r;
  for (auto _ : state) r = FastAlarmSearch(query, CenturyStart(latitude), options);
  Report(state, r);
}
// No hit within the century.
BENCHMARK_CAPTURE(BM_FastSearch, CU_AP_HA_KR, PictureQuery(CU, AP, HA, KR), 52.5)
    ->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FastSearch, SA_KR_SA_ZE, PictureQuery(SA, KR, SA, ZE), 52.5)
    ->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FastSearch, SO_MO_JU_SA_orb0, PictureQuery(SO, MO, JU, SA, 0.0), 52.5)
    ->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FastSearch, MC_SO_MO_JU_orb0, PictureQuery(MC, SO, MO, JU, 0.0), 52.5)
    ->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FastSearch, AS_MO_SO_orb0_lat52, PictureQuery(AS, MO, SO, kFiller, 0.0), 52.5)
    ->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FastSearch, MC_AS_SO_MO_orb0_lat52, PictureQuery(MC, AS, SO, MO, 0.0), 52.5)
    ->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FastSearch, AS_MO_SO_orb0_lat68, PictureQuery(AS, MO, SO, kFiller, 0.0), 68.0)
    ->Arg(2)->Unit(benchmark::kMillisecond);
// Found after most of the century (6.12.2100), and at once (June 2000).
BENCHMARK_CAPTURE(BM_FastSearch, PL_HA_VU, PictureQuery(PL, kFiller, HA, VU), 52.5)
    ->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FastSearch, SA_UR_NE_PL, PictureQuery(SA, UR, NE, PL), 52.5)
    ->Arg(2)->Unit(benchmark::kMillisecond);

void BM_AllHits(benchmark::State& state, AlarmQuery query) {
  AllHitsResult r;
  for (auto _ : state) r = FindAllHits(query, CenturyStart());
  state.counters["runs"] = static_cast<double>(r.runs.size());
}
BENCHMARK_CAPTURE(BM_AllHits, SA_UR_NE_PL, PictureQuery(SA, UR, NE, PL))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AllHits, SO_MO_MA_JU, PictureQuery(SO, MO, MA, JU))->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gyrolux

BENCHMARK_MAIN();
