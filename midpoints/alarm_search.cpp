#include "midpoints/alarm_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>
#include <vector>

#include "engine/calendar.h"
#include "midpoints/alarm_evaluator.h"
#include "midpoints/chunked_scan.h"
#include "midpoints/search_threads.h"

namespace gyrolux {

namespace {

SearchResult Rejected(const SearchMoment& start) { return {false, SearchStop::Rejected, 0, start}; }

// The pieces of the fast search: which moments of each are known clear so far, and the
// first hit found in any.
class ChunkLedger {
 public:
  ChunkLedger(int64_t size, int64_t chunkCount) : size_(size), clearUntil_(chunkCount) {
    for (int64_t c = 0; c < chunkCount; ++c) clearUntil_[c].store(Begin(c));
  }

  int64_t Begin(int64_t chunk) const { return chunk * kScanChunkSteps; }
  int64_t End(int64_t chunk) const { return std::min(Begin(chunk) + kScanChunkSteps, size_); }
  int64_t FirstHit() const { return firstHit_.load(std::memory_order_relaxed); }

  void Clear(int64_t chunk, int64_t until) { clearUntil_[chunk].store(until, std::memory_order_relaxed); }
  void Hit(int64_t index) {
    int64_t known = firstHit_.load();
    while (index < known && !firstHit_.compare_exchange_weak(known, index)) {
    }
  }

  // After a piece is done: the first moment not known clear, counted over the pieces in
  // order, as far as they are done.
  int64_t Frontier() {
    std::lock_guard lock(frontierMutex_);
    while (frontierChunk_ < static_cast<int64_t>(clearUntil_.size()) &&
           clearUntil_[frontierChunk_].load() == End(frontierChunk_)) {
      ++frontierChunk_;
    }
    if (frontierChunk_ == static_cast<int64_t>(clearUntil_.size())) return size_;
    return clearUntil_[frontierChunk_].load();
  }

 private:
  int64_t size_;
  std::vector<std::atomic<int64_t>> clearUntil_;
  std::atomic<int64_t> firstHit_{std::numeric_limits<int64_t>::max()};
  std::mutex frontierMutex_;
  int64_t frontierChunk_ = 0;
};

}  // namespace

bool SearchOptions::AbortRequested() const {
  return abort != nullptr && abort->load(std::memory_order_relaxed);
}

void SearchOptions::ReportProgress(int year, int64_t steps) const {
  if (progress == nullptr) return;
  int64_t known = progress->steps.load(std::memory_order_relaxed);
  while (steps > known && !progress->steps.compare_exchange_weak(known, steps, std::memory_order_relaxed)) {
  }
  if (steps >= known) progress->year.store(year, std::memory_order_relaxed);
}

void SearchOptions::ReportEnd(int year, int64_t steps) const {
  if (progress == nullptr) return;
  progress->steps.store(steps, std::memory_order_relaxed);
  progress->year.store(year, std::memory_order_relaxed);
}

bool IsSearchable(const AlarmQuery& query, const SearchMoment& start, const SearchOptions& options) {
  return IsValidAlarmQuery(query) && IsSearchableStart(start) &&
         (!options.maxSteps || *options.maxSteps >= 1);
}

namespace {

bool IsSearchableWatch(const Watch& watch, const SearchMoment& start, const SearchOptions& options) {
  for (const WatchedPosition* position : {&watch.first, &watch.second}) {
    if (position->fixed && std::isnan(*position->fixed)) return false;
    for (const int factor : position->factors) {
      if (factor < 0 || factor > kFillerAbbrevIndex) return false;
    }
  }
  return !std::isnan(watch.orb.degrees) && IsSearchableStart(start) && (!options.maxSteps || *options.maxSteps >= 1);
}

}  // namespace

SearchResult PlainAlarmSearch(const AlarmQuery& query, const SearchMoment& start,
                              const SearchOptions& options) {
  if (!IsSearchable(query, start, options)) return Rejected(start);
  return PlainWatchSearch(WatchOf(query), start, options);
}

SearchResult FastAlarmSearch(const AlarmQuery& query, const SearchMoment& start,
                             const SearchOptions& options) {
  if (!IsSearchable(query, start, options)) return Rejected(start);
  return FastWatchSearch(WatchOf(query), start, options);
}

SearchResult PlainWatchSearch(const Watch& watch, const SearchMoment& start, const SearchOptions& options) {
  if (!IsSearchableWatch(watch, start, options)) return Rejected(start);
  ClearUpperVectorState();
  Chart chart;
  chart.moment = start.moment;
  chart.texts.dateText = start.dateText;
  const int stopYear = AlarmStopYear(chart.moment.year);
  int64_t steps = 0;
  for (;;) {
    RecomputeChart(chart);
    ++steps;
    const bool hit = IsHit(watch, WatchedDistance(watch, chart.state.factorLongitude));
    if (!hit) {
      chart.moment.hours += kAlarmStepHours;
      if (chart.moment.hours >= 24.0) {
        NextDay(chart);
        chart.moment.hours = 0.0;
      }
    }
    options.ReportProgress(chart.moment.year, steps);
    SearchStop stop;
    if (hit) {
      stop = SearchStop::Found;
    } else if (options.AbortRequested()) {
      stop = SearchStop::Aborted;
    } else if (chart.moment.year > stopYear) {
      stop = SearchStop::StopYear;
    } else if (options.maxSteps && steps >= *options.maxSteps) {
      stop = SearchStop::MaxSteps;
    } else {
      continue;
    }
    return {hit, stop, steps, {chart.moment, chart.texts.dateText}};
  }
}

SearchResult FastWatchSearch(const Watch& watch, const SearchMoment& start, const SearchOptions& options) {
  if (!IsSearchableWatch(watch, start, options)) return Rejected(start);
  const MomentSequence sequence(start, options.maxSteps.value_or(std::numeric_limits<int64_t>::max()));
  const AlarmEvaluator evaluator(watch, sequence);
  const int64_t size = sequence.Size();
  const int64_t chunkCount = (size + kScanChunkSteps - 1) / kScanChunkSteps;
  ChunkLedger ledger(size, chunkCount);
  options.ReportEnd(sequence.YearAt(0), 0);

  const auto scan = [&](int64_t chunk) {
    const int64_t end = ledger.End(chunk);
    for (int64_t i = ledger.Begin(chunk); i < end;) {
      if (i > ledger.FirstHit()) return true;  // an earlier hit wins; the rest is moot
      if (options.AbortRequested()) return false;
      const StepVerdict verdict = evaluator.Evaluate(i, end - 1);
      if (verdict.hit) {
        ledger.Hit(i);
        return true;
      }
      i = verdict.sameUntil + 1;
      ledger.Clear(chunk, i);
    }
    const int64_t frontier = ledger.Frontier();
    options.ReportProgress(sequence.YearAt(frontier), frontier);
    return true;
  };
  ScanChunksInOrder(chunkCount, options.threads > 0 ? options.threads : DefaultSearchThreads(), scan);

  const int64_t frontier = ledger.Frontier();
  SearchResult result;
  if (ledger.FirstHit() == frontier) {
    result = {true, SearchStop::Found, frontier + 1, sequence.SearchMomentAt(frontier)};
  } else if (frontier < size) {
    result = {false, SearchStop::Aborted, frontier, sequence.SearchMomentAt(frontier)};
  } else {
    const SearchStop stop = sequence.EndsAtStopYear() ? SearchStop::StopYear : SearchStop::MaxSteps;
    result = {false, stop, size, sequence.SearchMomentAt(size)};
  }
  options.ReportEnd(result.moment.moment.year, result.steps);
  return result;
}

}  // namespace gyrolux
