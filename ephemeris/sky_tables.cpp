#include "ephemeris/sky_tables.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include <QFile>
#include <QSaveFile>

#include "engine/chart.h"
#include "ephemeris/fitted_sky.h"
#include "ephemeris/swiss_library.h"

namespace gyrolux {

namespace {

// The file, in 64-bit words of the machine's byte order (the order word tells a file of
// another order):
//   the header: the magic, the version, the order word, the number of channels, the file's
//     size in bytes; for each channel its span length in days (the bits of the double), the
//     index of its first span, its number of spans and where its offsets start (a byte
//     offset); then a checksum of the header;
//   for each channel its offsets: one byte offset per span and one after the last;
//   the spans: each its words and a checksum of them that also takes the channel and the
//   index, so that an offset pointing at another span's words is caught too.
constexpr char kMagic[8] = {'G', 'Y', 'R', 'O', 'S', 'K', 'Y', 'T'};
constexpr uint64_t kVersion = 1;
constexpr uint64_t kOrderWord = 0x0102030405060708;
constexpr std::size_t kChannelWords = 4;
constexpr std::size_t kHeaderWords = 5 + kChannelWords * kFittedChannelCount + 1;
constexpr uint64_t kHeaderBytes = 8 * kHeaderWords;
// No span has more words than this (a span halved down to the shortest pieces has fewer).
constexpr uint64_t kMostSpanWords = 8192;
constexpr uint64_t kMostSpans = uint64_t{1} << 24;

// A 64-bit checksum (FNV-1a over words, then mixed): every step is one to one in the state,
// so any one word changed changes the sum.
uint64_t Mix(uint64_t state, uint64_t word) { return (state ^ word) * 0x100000001b3ull; }

uint64_t Checksum(uint64_t seed, const uint64_t* words, std::size_t count) {
  uint64_t state = Mix(0xcbf29ce484222325ull, seed);
  for (std::size_t i = 0; i < count; ++i) state = Mix(state, words[i]);
  state ^= state >> 33;
  state *= 0xff51afd7ed558ccdull;
  return state ^ (state >> 33);
}

uint64_t SpanSeed(int channel, int64_t index) {
  return (static_cast<uint64_t>(channel) << 56) ^ static_cast<uint64_t>(index);
}

struct ChannelRun {
  int64_t first = 0;
  uint64_t count = 0;
  uint64_t offsets = 0;  // byte offset of the run's offsets
};

// Spans are read a block of neighbours at a time, in two reads (their offsets, their
// words): a clock or a search goes on in time and wants the next spans soon, and a read of
// the file costs more than the checks of a span. A few blocks of each channel are kept, for
// threads at different times.
constexpr uint64_t kBlockSpans = 32;
constexpr std::size_t kKeptBlocks = 4;

struct Block {
  uint64_t number = 0;            // within the channel's run
  std::vector<uint64_t> offsets;  // of its spans and one after the last, non-decreasing
  std::vector<uint64_t> words;    // from the first offset to the last
};

// An open tables file. Reads go through pread: no state shared between threads, and a file
// that shrinks after opening gives a short read, never a fault.
class Tables {
 public:
  static std::unique_ptr<Tables> Open(const QString& path) {
    if (path.isEmpty()) return nullptr;
    // Not blocking: a FIFO or a device must not hang the program; only a plain file is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    std::unique_ptr<Tables> tables(new Tables(fd));
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < static_cast<off_t>(kHeaderBytes)) {
      return nullptr;
    }
    tables->size_ = static_cast<uint64_t>(status.st_size);
    return tables->ReadHeader() ? std::move(tables) : nullptr;
  }

  // Whether the tables were fitted by this program from this library: a few spans of the
  // node (the quickest channel to fit) fitted now must equal theirs. Another way of fitting
  // (its nodes, its terms) or another version of the library (its ΔT) would give the
  // program values it does not compute itself.
  bool FittedAsHere() const {
    constexpr int kProbed = 2;  // the node
    const ChannelRun& run = runs_[kProbed];
    if (run.count == 0) return false;
    const int64_t last = run.first + static_cast<int64_t>(run.count) - 1;
    for (const int64_t index : {run.first, run.first + static_cast<int64_t>(run.count / 2), last}) {
      const std::optional<std::vector<uint64_t>> held = Span(kProbed, index);
      if (!held || held != FitSpanWords(kProbed, index)) return false;
    }
    return true;
  }

  ~Tables() { ::close(fd_); }
  Tables(const Tables&) = delete;
  Tables& operator=(const Tables&) = delete;

  const ChannelRun& Run(int channel) const { return runs_[channel]; }

  std::optional<std::vector<uint64_t>> Span(int channel, int64_t index) const {
    if (channel < 0 || channel >= kFittedChannelCount) return std::nullopt;
    const ChannelRun& run = runs_[channel];
    // The difference in unsigned words: exact once index is not below first.
    const uint64_t at = static_cast<uint64_t>(index) - static_cast<uint64_t>(run.first);
    if (index < run.first || at >= run.count) return std::nullopt;
    const std::shared_ptr<const Block> block = BlockOf(channel, at / kBlockSpans);
    if (!block) return std::nullopt;
    const uint64_t k = at % kBlockSpans;
    if (k + 1 >= block->offsets.size()) return std::nullopt;
    const uint64_t begin = block->offsets[k], end = block->offsets[k + 1];
    if ((end - begin) % 8 != 0) return std::nullopt;
    const uint64_t count = (end - begin) / 8;
    if (count < 2 || count > kMostSpanWords + 1) return std::nullopt;
    const uint64_t* from = block->words.data() + (begin - block->offsets.front()) / 8;
    if (Checksum(SpanSeed(channel, index), from, count - 1) != from[count - 1]) return std::nullopt;
    return std::vector<uint64_t>(from, from + count - 1);
  }

 private:
  explicit Tables(int fd) : fd_(fd) {}

  // A block of a channel's spans, kept or read now; nothing where its offsets are not in
  // order, outside the file or too far apart.
  std::shared_ptr<const Block> BlockOf(int channel, uint64_t number) const {
    {
      std::lock_guard guard(blocksLock_);
      for (const std::shared_ptr<const Block>& kept : blocks_[channel]) {
        if (kept && kept->number == number) return kept;
      }
    }
    const ChannelRun& run = runs_[channel];
    const uint64_t first = number * kBlockSpans;
    const uint64_t spans = std::min(kBlockSpans, run.count - first);
    auto block = std::make_shared<Block>();
    block->number = number;
    block->offsets.resize(spans + 1);
    if (!Read(run.offsets + 8 * first, block->offsets.data(), spans + 1)) return nullptr;
    const std::vector<uint64_t>& o = block->offsets;
    if (o.front() < kHeaderBytes || o.back() > size_ || (o.back() - o.front()) % 8 != 0 ||
        !std::is_sorted(o.begin(), o.end()) || (o.back() - o.front()) / 8 > spans * (kMostSpanWords + 1)) {
      return nullptr;
    }
    block->words.resize((o.back() - o.front()) / 8);
    if (!Read(o.front(), block->words.data(), block->words.size())) return nullptr;
    std::lock_guard guard(blocksLock_);
    blocks_[channel][nextBlock_[channel]] = block;
    nextBlock_[channel] = (nextBlock_[channel] + 1) % kKeptBlocks;
    return block;
  }

  bool Read(uint64_t offset, uint64_t* words, uint64_t count) const {
    if (offset > size_ || count > (size_ - offset) / 8) return false;
    char* to = reinterpret_cast<char*>(words);
    std::size_t left = count * 8;
    off_t at = static_cast<off_t>(offset);
    while (left > 0) {
      const ssize_t got = ::pread(fd_, to, left, at);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return false;
      to += got, left -= static_cast<std::size_t>(got), at += got;
    }
    return true;
  }

  bool ReadHeader() {
    uint64_t h[kHeaderWords];
    if (!Read(0, h, kHeaderWords)) return false;
    if (std::memcmp(&h[0], kMagic, 8) != 0 || h[1] != kVersion || h[2] != kOrderWord ||
        h[3] != kFittedChannelCount || h[4] != size_ || Checksum(0, h, kHeaderWords - 1) != h[kHeaderWords - 1]) {
      return false;
    }
    for (int c = 0; c < kFittedChannelCount; ++c) {
      const uint64_t* w = &h[5 + kChannelWords * c];
      ChannelRun& run = runs_[c];
      run = {static_cast<int64_t>(w[1]), w[2], w[3]};
      // The spans must be the ones this program fits: of its length, within reach of a
      // double's day count, their offsets inside the file.
      if (std::bit_cast<double>(w[0]) != FittedSpanDays(c) || run.count > kMostSpans ||
          run.first < -(int64_t{1} << 40) || run.first > (int64_t{1} << 40) || run.offsets < kHeaderBytes ||
          run.offsets > size_ || (run.count + 1) > (size_ - run.offsets) / 8) {
        return false;
      }
    }
    return true;
  }

  int fd_;
  uint64_t size_ = 0;
  ChannelRun runs_[kFittedChannelCount];
  mutable std::mutex blocksLock_;
  mutable std::array<std::array<std::shared_ptr<const Block>, kKeptBlocks>, kFittedChannelCount> blocks_;
  mutable std::array<std::size_t, kFittedChannelCount> nextBlock_{};
};

struct InUse {
  std::mutex lock;
  QString path;
  bool opened = false;
  std::shared_ptr<const Tables> tables;  // reads go on while the tables change
};

InUse& TablesInUse() {
  static InUse inUse;
  return inUse;
}

// One channel's run of spans as the writer gathers them.
struct WrittenRun {
  int64_t first = 0;
  std::vector<std::vector<uint64_t>> spans;
};

QString WriteRuns(const QString& path, const std::vector<WrittenRun>& runs) {
  std::vector<uint64_t> header(kHeaderWords, 0);
  std::memcpy(&header[0], kMagic, 8);
  header[1] = kVersion;
  header[2] = kOrderWord;
  header[3] = kFittedChannelCount;
  uint64_t at = kHeaderBytes;
  for (int c = 0; c < kFittedChannelCount; ++c) {
    uint64_t* w = &header[5 + kChannelWords * c];
    w[0] = std::bit_cast<uint64_t>(FittedSpanDays(c));
    w[1] = static_cast<uint64_t>(runs[c].first);
    w[2] = runs[c].spans.size();
    w[3] = at;
    at += 8 * (runs[c].spans.size() + 1);
  }
  std::vector<uint64_t> body;
  for (int c = 0; c < kFittedChannelCount; ++c) {
    uint64_t next = at;
    for (const std::vector<uint64_t>& span : runs[c].spans) {
      body.push_back(next);
      next += 8 * (span.size() + 1);
    }
    body.push_back(next);
    at = next;
  }
  for (int c = 0; c < kFittedChannelCount; ++c) {
    for (std::size_t i = 0; i < runs[c].spans.size(); ++i) {
      const std::vector<uint64_t>& span = runs[c].spans[i];
      body.insert(body.end(), span.begin(), span.end());
      body.push_back(Checksum(SpanSeed(c, runs[c].first + static_cast<int64_t>(i)), span.data(), span.size()));
    }
  }
  header[4] = at;
  header[kHeaderWords - 1] = Checksum(0, header.data(), kHeaderWords - 1);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  file.write(reinterpret_cast<const char*>(header.data()), static_cast<qint64>(8 * header.size()));
  file.write(reinterpret_cast<const char*>(body.data()), static_cast<qint64>(8 * body.size()));
  if (!file.commit()) return file.errorString();
  return {};
}

double YearStart(int year) {
  ChartMoment moment;
  moment.day = 1, moment.month = 1, moment.year = year, moment.hours = 0.0;
  return JulianDayUt(moment);
}

}  // namespace

void UseSkyTables(const QString& path) {
  InUse& inUse = TablesInUse();
  std::lock_guard guard(inUse.lock);
  inUse.path = path;
  inUse.opened = false;
  inUse.tables.reset();
}

std::optional<std::vector<uint64_t>> SkyTablesSpan(int channel, int64_t index) {
  std::shared_ptr<const Tables> tables;
  {
    InUse& inUse = TablesInUse();
    std::lock_guard guard(inUse.lock);
    if (!inUse.opened) {
      inUse.tables = Tables::Open(inUse.path);
      if (inUse.tables && !inUse.tables->FittedAsHere()) inUse.tables.reset();
      inUse.opened = true;
    }
    tables = inUse.tables;
  }
  // Each thread reads on its own (pread keeps no position).
  if (!tables) return std::nullopt;
  return tables->Span(channel, index);
}

QString WriteSkyTables(const QString& path, int firstYear, int lastYear, int part, int parts) {
  if (firstYear < 1 || lastYear > 9999 || firstYear > lastYear || parts < 1 || part < 0 || part >= parts) {
    return QStringLiteral("the years lie within 1..9999, the part within the parts");
  }
  std::vector<WrittenRun> runs(kFittedChannelCount);
  // The work in runs of a few hundred spans (chunks), every parts-th one this part's.
  struct Chunk {
    int channel;
    std::size_t from, to;
  };
  std::vector<Chunk> chunks;
  constexpr std::size_t kChunkSpans = 256;
  for (int c = 0; c < kFittedChannelCount; ++c) {
    runs[c].first = FittedSpanIndex(c, YearStart(firstYear));
    const int64_t last = FittedSpanIndex(c, YearStart(lastYear + 1));
    runs[c].spans.resize(static_cast<std::size_t>(std::max<int64_t>(0, last - runs[c].first + 1)));
    for (std::size_t from = 0; from < runs[c].spans.size(); from += kChunkSpans) {
      chunks.push_back({c, from, std::min(from + kChunkSpans, runs[c].spans.size())});
    }
  }
  for (std::size_t k = static_cast<std::size_t>(part); k < chunks.size(); k += static_cast<std::size_t>(parts)) {
    WrittenRun& run = runs[chunks[k].channel];
    for (std::size_t i = chunks[k].from; i < chunks[k].to; ++i) {
      std::optional<std::vector<uint64_t>> words = FitSpanWords(chunks[k].channel, run.first + static_cast<int64_t>(i));
      if (!words) return QStringLiteral("the library has no values for some span of these years");
      run.spans[i] = std::move(*words);
    }
  }
  return WriteRuns(path, runs);
}

QString MergeSkyTables(const QString& path, const QStringList& parts) {
  std::vector<std::unique_ptr<Tables>> opened;
  for (const QString& part : parts) {
    opened.push_back(Tables::Open(part));
    if (!opened.back()) return part + QStringLiteral(": not a tables file");
  }
  std::vector<WrittenRun> runs(kFittedChannelCount);
  for (int c = 0; c < kFittedChannelCount; ++c) {
    const ChannelRun& run = opened.front()->Run(c);
    runs[c].first = run.first;
    for (uint64_t i = 0; i < run.count; ++i) {
      std::optional<std::vector<uint64_t>> words;
      for (std::size_t p = 0; p < opened.size() && !words; ++p) words = opened[p]->Span(c, run.first + static_cast<int64_t>(i));
      if (!words) return QStringLiteral("no part holds a span of channel %1").arg(c);
      runs[c].spans.push_back(std::move(*words));
    }
  }
  return WriteRuns(path, runs);
}

}  // namespace gyrolux
