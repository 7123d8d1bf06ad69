#include "platform/font_faces.h"

#include <algorithm>
#include <array>

namespace gyrolux {

namespace {

struct FaceSubstitute {
  const char* requested;  // compared without regard to case
  const char* installed;
};

// Liberation Sans and Liberation Mono have the metrics of the faces the drawings were
// laid out with, so texts keep their widths.
constexpr std::array<FaceSubstitute, 5> kFaceSubstitutes = {{
    {"ms sans serif", "Liberation Sans"},
    {"ariel", "Liberation Sans"},
    {"arial", "Liberation Sans"},
    {"courier new", "Liberation Mono"},
    {"courier", "Liberation Mono"},
}};

}  // namespace

QString InstalledFamilyFor(const QString& face) {
  const QString trimmed = face.trimmed();
  for (const FaceSubstitute& substitute : kFaceSubstitutes) {
    if (trimmed.compare(QLatin1String(substitute.requested), Qt::CaseInsensitive) == 0)
      return QString::fromLatin1(substitute.installed);
  }
  return face;
}

int FontPixelHeight(int pointSize, int dpi) {
  const long long points = std::clamp(pointSize, 1, 4000);
  const long long dots = std::clamp(dpi, 1, 100000);
  // MulDiv(points, dpi, 72): the product divided with rounding half away from zero.
  return static_cast<int>((points * dots + 36) / 72);
}

QFont QFontFor(const PictureFont& font, int dpi) {
  QFont qfont(InstalledFamilyFor(font.face));
  qfont.setPixelSize(std::max(1, FontPixelHeight(font.pointSize, dpi)));
  qfont.setBold(font.bold);
  // A text is set glyph after glyph, as the Windows TextOut sets it.
  qfont.setKerning(false);
  return qfont;
}

}  // namespace gyrolux
