#include "midpoints/search_threads.h"

#include <sched.h>

#include <thread>

#include <gtest/gtest.h>

namespace gyrolux {
namespace {

TEST(SearchThreadsTest, CpuMaxLines) {
  const struct {
    const char* text;
    std::optional<double> cpus;
  } cases[] = {
      {"200000 100000", 2.0},     {"150000 100000\n", 1.5}, {"max 100000", std::nullopt},
      {"", std::nullopt},         {"100000", std::nullopt}, {"0 100000", std::nullopt},
      {"-5 100000", std::nullopt}, {"x 1", std::nullopt},   {"50000 100000", 0.5},
  };
  for (const auto& c : cases) EXPECT_EQ(CpuQuotaOfCpuMax(c.text), c.cpus) << c.text;
}

// Pinned to one CPU, a search starts one thread (the count of the affinity mask, which
// sched_getaffinity gives for the calling thread).
TEST(SearchThreadsTest, TheAffinityMaskLimitsTheDefault) {
  int threads = 0;
  std::thread pinned([&] {
    cpu_set_t set;
    CPU_ZERO(&set);
    ASSERT_EQ(sched_getaffinity(0, sizeof set, &set), 0);
    int first = 0;
    while (!CPU_ISSET(first, &set)) ++first;
    CPU_ZERO(&set);
    CPU_SET(first, &set);
    ASSERT_EQ(sched_setaffinity(0, sizeof set, &set), 0);
    threads = DefaultSearchThreads();
  });
  pinned.join();
  EXPECT_EQ(threads, 1);
  EXPECT_GE(DefaultSearchThreads(), 1);
}

}  // namespace
}  // namespace gyrolux
