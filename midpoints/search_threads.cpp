#include "midpoints/search_threads.h"

#include <sched.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <string>
#include <thread>

namespace gyrolux {

namespace {

constexpr int kMostThreads = 64;

// The first line of a small file under /proc or /sys, empty when it cannot be read.
std::string FirstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  if (in) std::getline(in, line);
  return line;
}

// The CPUs of the affinity mask, or the hardware's count where the mask is not known.
int AffinityCpus() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) == 0) return CPU_COUNT(&set);
  return static_cast<int>(std::thread::hardware_concurrency());
}

// The lowest quota of this process's cgroup (v2) and the groups above it: a parent's
// limit holds for every group below it.
std::optional<double> CgroupCpuQuota() {
  // "0::/user.slice/..." is the v2 line of /proc/self/cgroup.
  std::ifstream in("/proc/self/cgroup");
  std::string line;
  std::string path;
  while (std::getline(in, line)) {
    if (line.rfind("0::", 0) == 0) {
      path = line.substr(3);
      break;
    }
  }
  if (path.empty() || path.find("..") != std::string::npos) return std::nullopt;
  std::optional<double> lowest;
  for (;;) {
    const std::string folder = "/sys/fs/cgroup" + (path == "/" ? std::string() : path);
    if (const std::optional<double> quota = CpuQuotaOfCpuMax(FirstLine(folder + "/cpu.max"))) {
      lowest = lowest ? std::min(*lowest, *quota) : *quota;
    }
    if (path == "/" || path.empty()) break;
    const size_t slash = path.rfind('/');
    path = slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
  }
  return lowest;
}

}  // namespace

std::optional<double> CpuQuotaOfCpuMax(std::string_view text) {
  const size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  const std::string_view quotaText = text.substr(0, blank);
  std::string_view periodText = text.substr(blank + 1);
  while (!periodText.empty() && (periodText.back() == '\n' || periodText.back() == ' ')) periodText.remove_suffix(1);
  long long quota = 0;
  long long period = 0;
  const auto readWhole = [](std::string_view s, long long& value) {
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    return error == std::errc() && end == s.data() + s.size() && value > 0;
  };
  if (!readWhole(quotaText, quota) || !readWhole(periodText, period)) return std::nullopt;
  return static_cast<double>(quota) / static_cast<double>(period);
}

int DefaultSearchThreads() {
  int threads = AffinityCpus();
  if (const std::optional<double> quota = CgroupCpuQuota()) {
    threads = std::min(threads, static_cast<int>(std::min(std::ceil(*quota), double{kMostThreads})));
  }
  return std::clamp(threads, 1, kMostThreads);
}

}  // namespace gyrolux
