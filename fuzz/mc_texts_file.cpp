// The MC/MC texts file MC-ERGNW.TXT: Windows-1252 text read line by line, with the reader's
// limits on line length and line count, and the list of the MC/MC texts made from it.
#include "evaluation/mc_texts.h"
#include "fuzz/fuzz_support.h"
#include "platform/text_file.h"

using namespace gyrolux;
using namespace gyrolux::fuzz;

namespace {

// What the program makes of the file: the list of the MC/MC texts for a chart whose
// MC/MC axis holds many pictures at a wide orb, so that most heads are shown.
void UseTextsFile(const QString& path) {
  const std::optional<QStringList> lines = ReadTextLines(path);
  FuzzCheck(lines.has_value(), "the texts file not read");
  static const Chart chart = [] {
    Chart c;
    c.moment = {5, 12, 2026, 10.5, 10.0001, 50.0001, false, false};
    c.texts.dateText = QStringLiteral("05.12.2026");
    RecomputeChart(c);
    return c;
  }();
  const McTextsList list = BuildMcTextsList(chart, Orb{MaxOrbDegrees()}, path);
  FuzzCheck(list.message.isEmpty(), "a readable texts file reported as unreadable");
  FuzzCheck(list.lines.size() >= McTextsHeadLines(chart).size(), "the list without its head lines");
  FuzzCheck(McTextEntries(chart, Orb{MaxOrbDegrees()}, *lines) == list.lines.mid(McTextsHeadLines(chart).size()),
            "the entries differ between the file and its lines");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Prepare();
  const QByteArray bytes = Bytes(data, size);
  // Every byte reads as one character and is written back unchanged.
  const QString text = DecodeWindows1252(bytes);
  FuzzCheck(text.size() == bytes.size() && EncodeWindows1252(text) == bytes, "Windows-1252 round trip");

  const QString path = QStringLiteral("MC-ERGNW.TXT");
  WriteFile(path, bytes);
  UseTextsFile(path);

  // The reader's limits, taken from the first two bytes: each line is the full reading's
  // line cut to the length, and reading stops after the count.
  if (size < 2) return 0;
  const std::optional<QStringList> full = ReadTextLines(path, nullptr, {kMaxTextLineLength, kUnlimitedLines});
  const TextReadOptions limits{1 + data[0] % kMaxTextLineLength, data[1] % 8};
  const std::optional<QStringList> limited = ReadTextLines(path, nullptr, limits);
  FuzzCheck(full && limited, "reading with limits");
  FuzzCheck(limited->size() == std::min(full->size(), limits.maxLines), "the line count limit");
  for (qsizetype i = 0; i < limited->size(); ++i)
    FuzzCheck((*limited)[i] == (*full)[i].left(limits.maxLineLength), "the line length limit");
  return 0;
}
