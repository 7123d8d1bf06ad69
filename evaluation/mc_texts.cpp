#include "evaluation/mc_texts.h"

#include <QDir>
#include <QFileInfo>

#include "engine/factors.h"
#include "engine/formatting.h"
#include "engine/houses.h"
#include "evaluation/evaluation_lists.h"
#include "evaluation/list_cells.h"
#include "platform/data_folders.h"
#include "platform/text_file.h"

namespace gyrolux {

namespace {

// A text line must be longer than this; a shorter one ends the entry.
constexpr int kEntryEndLength = 5;

// The factor of a two-letter name in a head line: the exact, case-sensitive names of MC
// to GZ ("--" names none).
std::optional<int> HeadFactor(QStringView name) {
  for (int id = 0; id < kFactorCount; ++id) {
    if (name == QLatin1String(FactorAbbrev[static_cast<size_t>(id)])) return id;
  }
  return std::nullopt;
}

struct EntryHead {
  int a;
  int b;
};

// A line is an entry head when its 11th character is "|"; it counts only when both
// names belong to factors.
std::optional<EntryHead> ReadHead(const QString& line) {
  if (line.size() < 11 || line[10] != u'|') return std::nullopt;
  const auto a = HeadFactor(QStringView(line).mid(8, 2));
  const auto b = HeadFactor(QStringView(line).mid(11, 2));
  if (!a || !b) return std::nullopt;
  return EntryHead{*a, *b};
}

}  // namespace

QString McTextsFileName() { return QStringLiteral("mc-ergnw.txt"); }

QString MissingMcTextsMessage() { return QStringLiteral("Die Datei MC-ERGNW.TXT fehlt im aktuellen Verzeichnis! "); }

QString McTextsTooLargeMessage() {
  return QStringLiteral("Die Datei MC-ERGNW.TXT ist zu groß: gelesen werden höchstens 4 MB und 65536 Zeilen.");
}

QStringList McTextsFolders() {
  QStringList folders = {UserDataFolder()};
  folders += ProgramDataFolders();
  folders.removeAll(QString());
  return folders;
}

std::optional<QString> FindMcTextsFile(const QStringList& folders) {
  return FindFileInFolders(QStringList{QDir::currentPath()} + folders, McTextsFileName());
}

QStringList McTextsHeadLines(const Chart& chart) {
  return {QStringLiteral(" "), ListHeaderLine(McTextsTitle(), chart), QStringLiteral("  "),
          QStringLiteral("  Die Zusatz-Angaben: \"Bezieht sich auf...\" meinen die jeweiligen "
                         "Bedeutungen der Häuser;"),
          QStringLiteral("  Sie finden diese Bedeutungsbereiche auch bei  \"Faktoren\"  wieder."),
          QStringLiteral(" ")};
}

QStringList McTextEntries(const Chart& chart, Orb orb, const LineSource& nextLine) {
  const ChartState& state = chart.state;
  const double axis = PairPosition(state, MC, MC);
  QStringList lines;
  while (const std::optional<QString> line = nextLine()) {
    const std::optional<EntryHead> head = ReadHead(*line);
    // Not a head, or not in the axis: the entry's text lines are passed over as lines
    // that are no heads.
    if (!head || !orb.HoldsPositions(axis, PairPosition(state, head->a, head->b))) continue;
    const int house = PairHouse(state, head->a, head->b);
    lines << QStringLiteral("  ") + *line + u',' + ZeroPad(static_cast<unsigned>(house), 2);
    while (const std::optional<QString> text = nextLine()) {
      if (text->size() <= kEntryEndLength) break;
      lines << QStringLiteral("  ") + *text;
    }
    lines += HouseMeaning()[static_cast<size_t>(house - 1)].split(QStringLiteral("\r\n"));
    lines << QStringLiteral(" ");
  }
  return lines;
}

QStringList McTextEntries(const Chart& chart, Orb orb, const QStringList& fileLines) {
  qsizetype next = 0;
  return McTextEntries(chart, orb, [&]() -> std::optional<QString> {
    if (next >= fileLines.size()) return std::nullopt;
    return fileLines[next++];
  });
}

McTextsList BuildMcTextsList(const Chart& chart, Orb orb, const std::optional<QString>& path) {
  McTextsList list{McTextsHeadLines(chart), QString()};
  if (!path) {
    list.message = MissingMcTextsMessage();
    return list;
  }
  TextFileReader reader(*path);
  if (!reader.isOpen()) {
    list.message = MissingMcTextsMessage();
    return list;
  }
  if (QFileInfo(*path).size() > kMaxMcTextsBytes) {
    list.message = McTextsTooLargeMessage();
    return list;
  }
  qsizetype linesRead = 0;
  bool tooLong = false;
  list.lines += McTextEntries(chart, orb, [&]() -> std::optional<QString> {
    if (linesRead == kMaxMcTextsLines) {
      // One line more tells whether the file goes on (asked once: the reader is left there).
      if (!tooLong) tooLong = reader.readLine().has_value();
      return std::nullopt;
    }
    ++linesRead;
    return reader.readLine();
  });
  list.message = tooLong ? McTextsTooLargeMessage() : reader.error();
  return list;
}

}  // namespace gyrolux
