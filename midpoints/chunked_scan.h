#pragma once

#include <cstdint>
#include <functional>

namespace gyrolux {

// Moments per piece of a search, about four weeks: small enough for two threads to share
// a search that ends early, large enough that starting a piece costs nothing.
inline constexpr int64_t kScanChunkSteps = 4096;

// Calls scan(chunk) for the chunks 0 .. chunkCount - 1 on `threads` threads (the calling
// one among them), handing the chunks out in ascending order. A thread stops taking
// chunks once its scan returns false. scan must be safe to run on several threads.
void ScanChunksInOrder(int64_t chunkCount, int threads, const std::function<bool(int64_t)>& scan);

}  // namespace gyrolux
