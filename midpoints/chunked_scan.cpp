#include "midpoints/chunked_scan.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace gyrolux {

namespace {

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void ZeroUpperHalves() { _mm256_zeroupper(); }
#endif

}  // namespace

void ClearUpperVectorState() {
#if defined(__x86_64__) || defined(__i386__)
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx) ZeroUpperHalves();
#endif
}

void ScanChunksInOrder(int64_t chunkCount, int threads, const std::function<bool(int64_t)>& scan) {
  std::atomic<int64_t> next{0};
  const auto work = [&] {
    for (int64_t chunk = next++; chunk < chunkCount; chunk = next++) {
      ClearUpperVectorState();
      if (!scan(chunk)) return;
    }
  };
  const int helpers = static_cast<int>(std::clamp<int64_t>(std::min<int64_t>(threads, chunkCount) - 1, 0, 63));
  std::vector<std::jthread> pool;
  pool.reserve(helpers);
  for (int i = 0; i < helpers; ++i) pool.emplace_back(work);
  work();
}

}  // namespace gyrolux
