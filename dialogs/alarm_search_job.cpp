#include "dialogs/alarm_search_job.h"

namespace gyrolux {

AlarmSearchJob::AlarmSearchJob(AlarmSearchFunction search, const AlarmQuery& query,
                               const SearchMoment& start) {
  progress_.year.store(start.moment.year, std::memory_order_relaxed);
  thread_ = std::thread([this, search, query, start] {
    SearchOptions options;
    options.abort = &abort_;
    options.progress = &progress_;
    result_ = search(query, start, options);
    finished_.store(true, std::memory_order_release);
  });
}

AlarmSearchJob::~AlarmSearchJob() {
  abort();
  if (thread_.joinable()) thread_.join();
}

const SearchResult& AlarmSearchJob::result() {
  if (thread_.joinable()) thread_.join();
  return result_;
}

}  // namespace gyrolux
