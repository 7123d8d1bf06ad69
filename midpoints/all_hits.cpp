#include "midpoints/all_hits.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <optional>

#include "midpoints/alarm_evaluator.h"
#include "midpoints/chunked_scan.h"
#include "midpoints/hit_refinement.h"
#include "midpoints/search_threads.h"

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

// Pieces scanned together before their stays are refined and handed on: enough to keep
// the threads busy, few enough that the stays in hand stay few.
constexpr int64_t kChunksPerBatch = 16;

}  // namespace

AllHitsResult FindAllHits(const AlarmQuery& query, const SearchMoment& start, const SearchOptions& options,
                          const HitRunSink& sink) {
  AllHitsResult result;
  if (!IsSearchable(query, start, options)) return result;
  const MomentSequence sequence(start, options.maxSteps.value_or(std::numeric_limits<int64_t>::max()));
  const AlarmEvaluator evaluator(query, sequence);
  const HitRefiner refiner(query, sequence, options);
  const int64_t size = sequence.Size();
  const int64_t chunkCount = (size + kScanChunkSteps - 1) / kScanChunkSteps;
  const int threads = options.threads > 0 ? options.threads : DefaultSearchThreads();
  const auto chunkEnd = [&](int64_t chunk) { return std::min((chunk + 1) * kScanChunkSteps, size); };
  const HitRunSink keep = [&](const HitRun& run) { result.runs.push_back(run); };
  const HitRunSink& take = sink ? sink : keep;

  std::optional<StepRun> open;  // a run that reaches the end of the batch before
  int64_t covered = 0;
  bool aborted = false;
  for (int64_t batch = 0; batch < chunkCount && !aborted; batch += kChunksPerBatch) {
    const int64_t batchChunks = std::min(kChunksPerBatch, chunkCount - batch);
    std::vector<ChunkRuns> chunks(batchChunks);
    // The runs at step granularity, piece by piece.
    ScanChunksInOrder(batchChunks, threads, [&](int64_t c) {
      const int64_t chunk = batch + c;
      ChunkRuns& out = chunks[c];
      const int64_t end = chunkEnd(chunk);
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
    if (open) runs.push_back(*open);
    open.reset();
    for (int64_t c = 0; c < batchChunks; ++c) {
      for (const StepRun& run : chunks[c].runs) {
        if (run.first > chunks[c].reached) break;
        if (!runs.empty() && runs.back().last + 1 == run.first) {
          runs.back().last = run.last;
        } else {
          runs.push_back(run);
        }
      }
      covered = chunks[c].reached;
      if (covered < chunkEnd(batch + c)) {
        aborted = true;
        break;
      }
    }
    if (aborted) {
      // A run cut by the abort is left out: its end is not known.
      if (!runs.empty() && runs.back().last + 1 >= covered) {
        covered = runs.back().first;
        runs.pop_back();
      }
    } else if (covered < size && !runs.empty() && runs.back().last + 1 == covered) {
      open = runs.back();  // it may go on in the next batch
      runs.pop_back();
    }

    // Each run refined on its own, handed on in order.
    std::vector<HitRun> refined(runs.size());
    std::vector<std::atomic<bool>> done(runs.size());
    ScanChunksInOrder(static_cast<int64_t>(runs.size()), threads, [&](int64_t r) {
      if (options.AbortRequested()) return false;
      HitRun& run = refined[r];
      run.firstStep = runs[r].first;
      run.lastStep = runs[r].last;
      run.alarm = sequence.SearchMomentAt(run.firstStep);
      done[r] = refiner.Refine(run);
      return done[r].load();
    });
    for (size_t r = 0; r < runs.size(); ++r) {
      if (!done[r].load()) {
        covered = runs[r].first;
        aborted = true;
        break;
      }
      take(refined[r]);
    }
    if (aborted) open.reset();
  }
  if (open) covered = std::min(covered, open->first);  // only after an abort before its batch ended
  result.steps = covered;
  if (covered < size) {
    result.stop = SearchStop::Aborted;
  } else {
    result.stop = sequence.EndsAtStopYear() ? SearchStop::StopYear : SearchStop::MaxSteps;
  }
  options.ReportEnd(sequence.YearAt(covered), covered);
  return result;
}

}  // namespace gyrolux
