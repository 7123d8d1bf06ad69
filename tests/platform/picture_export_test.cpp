#include "platform/picture_export.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>

#include "platform/colors.h"
#include "platform/picture_bounds.h"

namespace gyrolux {
namespace {

TEST(PictureExportTest, FormatsByExtensionPngSizeAndAFailureReported) {
  EXPECT_EQ(ExportFormatOfFile(QStringLiteral("a/b.PDF")), ExportFormat::Pdf);
  EXPECT_EQ(ExportFormatOfFile(QStringLiteral("b.svg")), ExportFormat::Svg);
  EXPECT_EQ(ExportFormatOfFile(QStringLiteral("b.Png")), ExportFormat::Png);
  EXPECT_EQ(ExportFormatOfFile(QStringLiteral("b.wmf")), std::nullopt);
  EXPECT_EQ(ExportFormatOfFile(QStringLiteral("pdf")), std::nullopt);

  Picture picture(100, 50);
  picture.text(10, 10, QStringLiteral("Ort"));
  QString error;
  // A folder in the way: reported with the file's name, the folder left as it was.
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("taken.png/inner")));
  EXPECT_FALSE(ExportPicture(picture, QStringLiteral("taken.png"), ExportFormat::Png, &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("Die Datei taken.png kann nicht geschrieben werden."))) << error.toStdString();
  EXPECT_TRUE(QDir(QStringLiteral("taken.png/inner")).exists());
  // At twice its size (the draw verb's case in calc_cli_test.cpp), marked to show at its own size.
  ASSERT_TRUE(ExportPicture(picture, QStringLiteral("picture.png"), ExportFormat::Png));
  EXPECT_NEAR(QImage(QStringLiteral("picture.png")).dotsPerMeterX(), 2 * 96 / 0.0254, 1);
}

// Dark pixels of a picture drawn with its texts as glyphs or as outlines.
int Ink(const Picture& picture, TextRendering texts, QRect* box = nullptr) {
  QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    picture.render(painter, QRectF(0, 0, picture.width(), picture.height()), texts);
  }
  int ink = 0;
  QRect found;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) {
        ++ink;
        found = found.united(QRect(x, y, 1, 1));
      }
    }
  }
  if (box) *box = found;
  return ink;
}

TEST(PictureExportTest, OutlinesStandWhereTheGlyphsStandAndTheBoundsHoldThem) {
  for (int escapement : {0, 900, 2700}) {
    Picture picture(200, 200);
    picture.setFont(QStringLiteral("Arial"), 14, true, clBlack);
    picture.text(100, 100, QStringLiteral("Achse 22°"), escapement);
    QRect glyphBox, outlineBox;
    const int glyphs = Ink(picture, TextRendering::Glyphs, &glyphBox);
    const int outlines = Ink(picture, TextRendering::Outlines, &outlineBox);
    ASSERT_GT(glyphs, 50);
    EXPECT_NEAR(outlines, glyphs, glyphs / 5) << escapement;
    EXPECT_NEAR(outlineBox.center().x(), glyphBox.center().x(), 2) << escapement;
    EXPECT_NEAR(outlineBox.center().y(), glyphBox.center().y(), 2) << escapement;
    // The measured bounds hold the ink; a quarter turn puts the text above its corner,
    // three quarters below it.
    const QRectF bounds = DrawnBounds(picture);
    EXPECT_TRUE(bounds.adjusted(-1, -1, 1, 1).contains(QRectF(glyphBox))) << escapement;
    if (escapement == 900) {
      EXPECT_LT(bounds.bottom(), 101);
    } else if (escapement == 2700) {
      EXPECT_GT(bounds.top(), 99);
    }
  }
}

}  // namespace
}  // namespace gyrolux
