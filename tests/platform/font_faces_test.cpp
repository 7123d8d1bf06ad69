#include "platform/font_faces.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "platform/colors.h"

namespace gyrolux {
namespace {

TEST(FontFacesTest, OldFaceNamesFindInstalledFacesAndSizesRoundAsMulDiv) {
  for (const char* name : {"MS Sans Serif", "ariel"})
    EXPECT_EQ(InstalledFamilyFor(QString::fromLatin1(name)), QStringLiteral("Liberation Sans")) << name;
  EXPECT_EQ(InstalledFamilyFor(QStringLiteral("Courier New")), QStringLiteral("Liberation Mono"));
  EXPECT_EQ(InstalledFamilyFor(QStringLiteral("RuduzodediRuvedur")), QStringLiteral("RuduzodediRuvedur"));
  // Points at 96 dpi: 10.67 and 13.33; 233.3 at 600 dpi.
  EXPECT_EQ(FontPixelHeight(8), 11);
  EXPECT_EQ(FontPixelHeight(10), 13);
  EXPECT_EQ(FontPixelHeight(28, 600), 233);
  EXPECT_EQ(FontPixelHeight(-5), 1);   // limits, never an overflow
  EXPECT_GT(FontPixelHeight(1 << 30, 1 << 30), 0);

  // The face that is really drawn with.
  EXPECT_EQ(QFontInfo(QFontFor(PictureFont{QStringLiteral("ariel"), 8, true, clBlack})).family(),
            QStringLiteral("Liberation Sans"));
}

}  // namespace
}  // namespace gyrolux
