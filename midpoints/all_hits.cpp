#include "midpoints/all_hits.h"

#include <algorithm>
#include <atomic>
#include <limits>

#include "midpoints/alarm_evaluator.h"
#include "midpoints/chunked_scan.h"
#include "midpoints/hit_refinement.h"

namespace gyrolux {

namespace {

struct StepRun {
  int64_t first;
  int64_t last;
};

// The runs of hit steps of one piece, and how far it got.
struct ChunkRuns {
  std::vector<StepRun> runs;
  int64_t reached = 0;
};

}  // namespace

AllHitsResult FindAllHits(const AlarmQuery& query, const SearchMoment& start, const SearchOptions& options) {
  AllHitsResult result;
  if (!IsSearchable(query, start, options)) return result;
  const MomentSequence sequence(start, options.maxSteps.value_or(std::numeric_limits<int64_t>::max()));
  const AlarmEvaluator evaluator(query, sequence);
  const int64_t size = sequence.size();
  const int64_t chunkCount = (size + kScanChunkSteps - 1) / kScanChunkSteps;
  const int threads = options.threads > 0 ? options.threads : DefaultSearchThreads();
  std::vector<ChunkRuns> chunks(chunkCount);

  // The runs at step granularity, piece by piece.
  ScanChunksInOrder(chunkCount, threads, [&](int64_t chunk) {
    ChunkRuns& out = chunks[chunk];
    const int64_t end = std::min((chunk + 1) * kScanChunkSteps, size);
    for (int64_t i = chunk * kScanChunkSteps; i < end;) {
      out.reached = i;
      if (options.AbortRequested()) return false;
      const StepVerdict verdict = evaluator.Evaluate(i, end - 1);
      if (verdict.hit) {
        if (!out.runs.empty() && out.runs.back().last == i - 1) {
          out.runs.back().last = verdict.sameUntil;
        } else {
          out.runs.push_back({i, verdict.sameUntil});
        }
      }
      i = verdict.sameUntil + 1;
    }
    out.reached = end;
    options.ReportProgress(sequence.YearAt(end), end);
    return true;
  });

  // Joined over the pieces in order, up to the first one not finished.
  std::vector<StepRun> runs;
  int64_t covered = 0;
  for (int64_t c = 0; c < chunkCount; ++c) {
    for (const StepRun& run : chunks[c].runs) {
      if (run.first > chunks[c].reached) break;
      if (!runs.empty() && runs.back().last + 1 == run.first) {
        runs.back().last = run.last;
      } else {
        runs.push_back(run);
      }
    }
    covered = chunks[c].reached;
    if (covered < std::min((c + 1) * kScanChunkSteps, size)) break;
  }
  // A run cut by an abort is left out: its end is not known.
  if (covered < size && !runs.empty() && runs.back().last + 1 >= covered) {
    covered = runs.back().first;
    runs.pop_back();
  }

  // Each run refined on its own.
  result.runs.resize(runs.size());
  const HitRefiner refiner(query, sequence, options);
  std::vector<std::atomic<bool>> refined(runs.size());
  ScanChunksInOrder(static_cast<int64_t>(runs.size()), threads, [&](int64_t r) {
    if (options.AbortRequested()) return false;
    HitRun& run = result.runs[r];
    run.firstStep = runs[r].first;
    run.lastStep = runs[r].last;
    run.alarm = sequence.SearchMomentAt(run.firstStep);
    refined[r] = refiner.Refine(run);
    return refined[r].load();
  });
  const auto unrefined = std::find_if(refined.begin(), refined.end(), [](const auto& done) { return !done.load(); });
  if (unrefined != refined.end()) {
    const size_t kept = static_cast<size_t>(unrefined - refined.begin());
    covered = runs[kept].first;
    result.runs.resize(kept);
  }
  result.steps = covered;
  if (covered < size) {
    result.stop = SearchStop::Aborted;
  } else {
    result.stop = sequence.endsAtStopYear() ? SearchStop::StopYear : SearchStop::MaxSteps;
  }
  options.ReportEnd(sequence.YearAt(covered), covered);
  return result;
}

}  // namespace gyrolux
