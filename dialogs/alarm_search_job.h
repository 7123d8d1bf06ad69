#pragma once

#include <atomic>
#include <thread>

#include "midpoints/alarm_search.h"

namespace gyrolux {

// PlainAlarmSearch or FastAlarmSearch: the two give the same result, the plain one with a
// full chart per moment.
using AlarmSearchFunction = SearchResult (*)(const AlarmQuery&, const SearchMoment&, const SearchOptions&);

// One alarm search on a thread of its own, so that the window that started it stays
// responsive: the window polls the year reached and the end, and may abort it.
class AlarmSearchJob {
 public:
  AlarmSearchJob(AlarmSearchFunction search, const AlarmQuery& query, const SearchMoment& start);
  // Aborts a search still running and waits for its thread.
  ~AlarmSearchJob();
  AlarmSearchJob(const AlarmSearchJob&) = delete;
  AlarmSearchJob& operator=(const AlarmSearchJob&) = delete;

  // The year of the moment the search has reached.
  int year() const { return progress_.year.load(std::memory_order_relaxed); }
  bool finished() const { return finished_.load(std::memory_order_acquire); }
  // The search ends within milliseconds; the result says how it ended.
  void abort() { abort_.store(true, std::memory_order_relaxed); }
  // Waits for the end and gives the result.
  const SearchResult& result();

 private:
  std::atomic<bool> abort_{false};
  std::atomic<bool> finished_{false};
  SearchProgress progress_;
  SearchResult result_;
  std::thread thread_;
};

}  // namespace gyrolux
