#include "platform/jpeg_image.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include "tests/test_support/files.h"

namespace gyrolux {
namespace {

using testing::ReadBytes;

TEST(JpegImageTest, ColoursComeOutInTheirPlaces) {
  // A picture made here with known halves: red on the left, blue on the right.
  QImage source(64, 32, QImage::Format_RGB32);
  source.fill(QColor(255, 0, 0));
  for (int y = 0; y < 32; ++y)
    for (int x = 32; x < 64; ++x) source.setPixel(x, y, qRgb(0, 0, 255));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(source.save(&buffer, "JPEG", 95));

  QString error;
  const QImage decoded = DecodeJpeg(bytes, &error);
  ASSERT_EQ(decoded.size(), QSize(64, 32)) << error.toStdString();
  EXPECT_TRUE(error.isEmpty());
  const QColor left = decoded.pixelColor(8, 16), right = decoded.pixelColor(56, 16);
  EXPECT_TRUE(left.red() > 220 && left.blue() < 40) << left.name().toStdString();
  EXPECT_TRUE(right.blue() > 220 && right.red() < 40) << right.name().toStdString();
}

TEST(JpegImageTest, BrokenInputIsReportedNeverDecoded) {
  const QByteArray title = ReadBytes(QStringLiteral(":/gyrolux/title.jpg"));
  ASSERT_GT(title.size(), 1000);
  QString error;
  // Cut short at several places, from inside the header to just before the end marker.
  for (const qsizetype length : {qsizetype(2), qsizetype(600), title.size() - 2}) {
    error.clear();
    EXPECT_TRUE(DecodeJpeg(QByteArrayView(title).first(length), &error).isNull()) << length;
    EXPECT_TRUE(error.startsWith(QStringLiteral("Das Bild kann nicht gelesen werden"))) << length;
  }
  for (const QByteArray& other : {QByteArray("not a picture at all"), ReadBytes(QStringLiteral(":/gyrolux/icon.png"))}) {
    EXPECT_TRUE(DecodeJpeg(other, &error).isNull());
  }
  // Any other damage: the fuzz target jpeg_image.
}

}  // namespace
}  // namespace gyrolux
