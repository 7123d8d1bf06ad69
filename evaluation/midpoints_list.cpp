// "&Halbsummen": the midpoint axes that hold planetary pictures.
#include "engine/factors.h"
#include "evaluation/evaluation_lists.h"
#include "evaluation/list_cells.h"

namespace gyrolux {

namespace {

constexpr int kPicturesPerLine = 6;

// What starts the continuation of an axis's line: a ditto mark and " = ".
QString DittoStart() { return QStringLiteral(" --\"-- = "); }

}  // namespace

QStringList MidpointsList(const Chart& chart, Orb orb) {
  const ChartState& state = chart.state;
  QStringList lines = {ListHeaderLine(MidpointsTitle(), chart), QStringLiteral("  ")};
  for (int a = 0; a < kMidpointFactorCount; ++a) {
    for (int b = a; b < kMidpointFactorCount; ++b) {
      const double axis = PairPosition(state, a, b);
      QString line = u' ' + PairName(a, b) + QStringLiteral(" = ");
      int count = 0;
      // Only the pairs of the factors from B on are asked; B/B is the axis's own factor.
      for (int c = b; c < kMidpointFactorCount; ++c) {
        for (int d = c; d < kMidpointFactorCount; ++d) {
          if (c == b && d == b) continue;
          if (!orb.HoldsPositions(axis, PairPosition(state, c, d))) continue;
          line += PairWithHouse(state, c, d) + QStringLiteral(" = ");
          if (++count == kPicturesPerLine) {
            lines << line.chopped(3);
            line = DittoStart();
            count = 0;
          }
        }
      }
      if (count > 0) lines << line.chopped(3);
    }
  }
  return lines;
}

}  // namespace gyrolux
