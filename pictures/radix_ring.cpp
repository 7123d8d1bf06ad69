#include "pictures/radix_ring.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "engine/dial_mode.h"
#include "engine/factors.h"
#include "engine/integer_conversion.h"
#include "pictures/dial_picture.h"

namespace gyrolux {

bool RadixFactorDrawn(int factor) { return factor != WI && factor != GZ && factor >= 0 && factor < kFactorCount; }

void DrawRadixRing(Picture& picture, const ChartState& radix, bool symbolFontPresent,
                   const RadixRingGeometry& g) {
  picture.setPen(kRadixColor, 1);
  picture.setFontColor(kRadixColor);
  // An outline only: the wheel's inner rings and signs stay visible through it.
  const QRgb brush = picture.brush();
  picture.setBrush(kNoBrush);
  picture.ellipse(g.cx - g.ring, g.cy - g.ring, g.cx + g.ring, g.cy + g.ring);
  picture.setBrush(brush);
  if (symbolFontPresent) {
    picture.setFontFace(SymbolFace());
    picture.setFontSize(8);
  }
  picture.setFontBold(false);
  for (int i = 0; i < kFactorCount; ++i) {
    if (!RadixFactorDrawn(i)) continue;
    const double lon = radix.factorLongitude[static_cast<size_t>(i)];
    if (!std::isfinite(lon)) continue;
    const QPoint outer = DialPoint(lon, g.ring, g.cx, g.cy);
    const QPoint inner = DialPoint(lon, g.tickEnd, g.cx, g.cy);
    picture.line(outer.x(), outer.y(), inner.x(), inner.y());
    const QPoint at = DialPoint(lon, g.glyph, g.cx, g.cy);
    if (symbolFontPresent) {
      picture.text(at.x() - 5, at.y() - 6, FactorGlyph(i));
    } else {
      picture.text(at.x() - 6, at.y() - 5, QLatin1String(FactorAbbrev[static_cast<size_t>(i)]));
    }
  }
}

void DrawRadixAxisMarks(Picture& picture, const ChartState& radix, const RadixAxis& axis, DialMode mode) {
  struct Mark {
    int x;
    int factor;
  };
  std::vector<Mark> marks;
  for (int i = 0; i < kFactorCount; ++i) {
    const double lon = radix.factorLongitude[static_cast<size_t>(i)];
    if (!RadixFactorDrawn(i) || !std::isfinite(lon)) continue;
    const double place = mode.Reduce(std::fmod(lon, 360.0) + (lon < 0 ? 360.0 : 0.0));
    marks.push_back({axis.originX + TruncClamped(axis.pixelsPerDegree * place, -100000, 100000), i});
  }
  std::stable_sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) { return a.x < b.x; });

  picture.setPen(kRadixColor, 1);
  picture.setFont(SymbolFace(), 8, false, kRadixColor);
  // The right end of the last glyph on each level, so that a crowding glyph takes the
  // first level where it stands clear.
  std::array<int, 3> levelEnd;
  levelEnd.fill(-1000000);
  int fallback = 0;
  for (const Mark& m : marks) {
    picture.line(m.x, axis.tickTop, m.x, axis.tickBottom);
    int level = 0;
    while (level < 3 && m.x - levelEnd[static_cast<size_t>(level)] < kRadixLabelGap) ++level;
    if (level == 3) level = fallback++ % 3;
    levelEnd[static_cast<size_t>(level)] = m.x;
    picture.text(m.x - 5, axis.labelTop + level * axis.levelStep, FactorGlyph(m.factor));
  }
}

}  // namespace gyrolux
