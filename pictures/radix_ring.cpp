#include "pictures/radix_ring.h"

#include <cmath>

#include "engine/factors.h"
#include "pictures/dial_picture.h"

namespace gyrolux {

void DrawRadixRing(Picture& picture, const ChartState& radix, bool symbolFontPresent) {
  constexpr int kRing = 140, kTickEnd = 130, kGlyph = 118;
  picture.setPenColor(kRadixColor);
  picture.setFontColor(kRadixColor);
  picture.ellipse(260 - kRing, 260 - kRing, 260 + kRing, 260 + kRing);
  if (symbolFontPresent) {
    picture.setFontFace(SymbolFace());
    picture.setFontSize(8);
  }
  picture.setFontBold(false);
  for (int i = 0; i < kFactorCount; ++i) {
    if (i == WI || i == GZ) continue;
    const double lon = radix.factorLongitude[static_cast<size_t>(i)];
    if (!std::isfinite(lon)) continue;
    const QPoint outer = DialPoint(lon, kRing);
    const QPoint inner = DialPoint(lon, kTickEnd);
    picture.line(outer.x(), outer.y(), inner.x(), inner.y());
    const QPoint at = DialPoint(lon, kGlyph);
    if (symbolFontPresent) {
      picture.text(at.x() - 5, at.y() - 6, FactorGlyph(i));
    } else {
      picture.text(at.x() - 6, at.y() - 5, QLatin1String(FactorAbbrev[static_cast<size_t>(i)]));
    }
  }
}

}  // namespace gyrolux
