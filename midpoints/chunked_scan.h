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
// Clears the upper halves of the vector registers (where the processor has them). Some
// library code (the C library's AVX-512 copies, parts of Qt's start-up) leaves them in
// use; on Intel processors every SSE instruction after that pays for merging them, which
// made the engine's arithmetic three to four times slower in gyrolux-calc than in the
// benchmarks. The searches call it before each piece of work.
void ClearUpperVectorState();

void ScanChunksInOrder(int64_t chunkCount, int threads, const std::function<bool(int64_t)>& scan);

}  // namespace gyrolux
