// "&Alpha-Code" and "&Winkel-Code": all midpoints of MC to PO as cells of 8 characters.
#include <algorithm>
#include <array>

#include "engine/factors.h"
#include "engine/formatting.h"
#include "engine/integer_conversion.h"
#include "evaluation/evaluation_lists.h"
#include "evaluation/list_cells.h"

namespace gyrolux {

namespace {

constexpr int kCellsPerAlphaLine = 9;
constexpr int kWinkelCodeRows = 29;
constexpr int kWinkelCodeLineLength = 72;
constexpr int kPairCount = kMidpointFactorCount * (kMidpointFactorCount + 1) / 2;  // 253

struct Pair {
  int a;
  int b;
};

// The pairs A/B with A <= B in Alpha-Code order: A ascending, B ascending from A.
constexpr std::array<Pair, kPairCount> AlphaCodePairs() {
  std::array<Pair, kPairCount> pairs{};
  size_t n = 0;
  for (int a = 0; a < kMidpointFactorCount; ++a) {
    for (int b = a; b < kMidpointFactorCount; ++b) pairs[n++] = {a, b};
  }
  return pairs;
}
constexpr std::array<Pair, kPairCount> kAlphaCodePairs = AlphaCodePairs();

// The cell of a pair in the pair line ("MC/SO10 ") and in the angle line ("07°30'  ").
QString PairCell(const ChartState& state, Pair p) { return PairWithHouse(state, p.a, p.b) + u' '; }
QString AngleCell(const ChartState& state, Pair p) {
  return FormatAngle(2, 22, PairMidpoint(state, p.a, p.b)) + QStringLiteral("  ");
}

// The thousandths of a degree of a pair's 22.5-degree position, truncated.
int WinkelCodeKey(const ChartState& state, Pair p) {
  return TruncClamped(1000.0 * PairPosition(state, p.a, p.b), -1000000, 1000000);
}

}  // namespace

QStringList AlphaCodeList(const Chart& chart) {
  const ChartState& state = chart.state;
  QStringList lines = {ListHeaderLine(AlphaCodeTitle(), chart), QStringLiteral("  ")};
  QString pairLine, angleLine;
  int cells = 0;
  const auto flush = [&] {
    if (cells > 0) lines << pairLine << angleLine;
    pairLine = angleLine = QStringLiteral(" ");
    cells = 0;
  };
  int group = -1;
  for (const Pair& p : kAlphaCodePairs) {
    if (p.a != group) {
      flush();
      group = p.a;
    }
    pairLine += PairCell(state, p);
    angleLine += AngleCell(state, p);
    if (++cells == kCellsPerAlphaLine) flush();
  }
  flush();
  return lines;
}

QString WinkelCodeProgressLine() { return QStringLiteral(" Liste wird jetzt erstellt . . . "); }

QStringList WinkelCodeList(const Chart& chart) {
  const ChartState& state = chart.state;
  struct Keyed {
    int key;
    Pair pair;
  };
  std::array<Keyed, kPairCount> sorted{};
  for (size_t n = 0; n < kPairCount; ++n) sorted[n] = {WinkelCodeKey(state, kAlphaCodePairs[n]), kAlphaCodePairs[n]};
  // Stable: pairs of the same thousandth keep the Alpha-Code order.
  std::stable_sort(sorted.begin(), sorted.end(), [](const Keyed& x, const Keyed& y) { return x.key < y.key; });

  // The n-th pair goes to row n mod 29: the list reads down the rows, then across.
  std::array<QString, kWinkelCodeRows> pairRows, angleRows;
  pairRows.fill(QStringLiteral(" "));
  angleRows.fill(QStringLiteral(" "));
  for (size_t n = 0; n < kPairCount; ++n) {
    pairRows[n % kWinkelCodeRows] += PairCell(state, sorted[n].pair);
    angleRows[n % kWinkelCodeRows] += AngleCell(state, sorted[n].pair);
  }
  QStringList lines = {ListHeaderLine(WinkelCodeTitle(), chart), QStringLiteral("  ")};
  for (int row = 0; row < kWinkelCodeRows; ++row) {
    lines << pairRows[static_cast<size_t>(row)].left(kWinkelCodeLineLength)
          << angleRows[static_cast<size_t>(row)].left(kWinkelCodeLineLength);
  }
  return lines;
}

}  // namespace gyrolux
