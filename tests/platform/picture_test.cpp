#include "platform/picture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/colors.h"

namespace gyrolux {
namespace {

// The box of all pixels that are not white.
QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
  return box;
}

TEST(PictureTest, ShapesLeaveOutTheirRightAndBottomEdgeAndPixelsAreExact) {
  Picture picture(100, 100);
  picture.setPen(clBlack);
  picture.setBrush(clRed);
  picture.rectangle(10, 20, 30, 40);
  picture.setBrush(clYellow);
  picture.ellipse(40, 10, 90, 50);
  picture.setPen(clNavy);
  picture.line(2, 5, 12, 5);
  picture.line(5, 60, 5, 70);
  picture.pixel(30, 80, clGreen);
  QImage icon(4, 3, QImage::Format_RGB32);
  icon.fill(clTeal);
  picture.image(60, 70, icon);
  picture.image(0, 0, QImage());  // nothing, and no crash
  const QImage image = picture.toImage();
  ASSERT_EQ(image.size(), QSize(100, 100));
  const auto inkIn = [&image](const QRect& area) {
    QImage part = image.copy(area);
    return InkBox(part).translated(area.topLeft());
  };
  EXPECT_EQ(inkIn(QRect(8, 18, 30, 30)), QRect(QPoint(10, 20), QPoint(29, 39)));
  EXPECT_EQ(image.pixel(29, 39), clBlack);  // the outline's far corner
  EXPECT_EQ(image.pixel(28, 38), clRed);    // filled inside
  EXPECT_EQ(inkIn(QRect(38, 8, 60, 50)), QRect(QPoint(40, 10), QPoint(89, 49)));
  EXPECT_EQ(image.pixel(65, 30), clYellow);
  EXPECT_EQ(image.pixel(41, 11), clWhite);  // the corners of the ellipse's box stay free
  EXPECT_EQ(inkIn(QRect(0, 0, 15, 8)), QRect(2, 5, 10, 1));   // the line stops before its end
  EXPECT_EQ(inkIn(QRect(0, 55, 10, 20)), QRect(5, 60, 1, 10));
  EXPECT_EQ(inkIn(QRect(25, 75, 10, 10)), QRect(30, 80, 1, 1));
  EXPECT_EQ(image.pixel(30, 80), clGreen);
  EXPECT_EQ(inkIn(QRect(55, 65, 20, 20)), QRect(60, 70, 4, 3));  // an image at its own size
  EXPECT_EQ(image.pixel(5, 70), clWhite);
  EXPECT_EQ(image.pixel(5, 60), clNavy);
}

TEST(PictureTest, StretchedRenderingScalesTheLogicalPixels) {
  Picture picture(100, 50);
  picture.setPen(clRed);
  picture.setBrush(clRed);
  picture.rectangle(0, 0, 50, 25);
  const QImage image = picture.toImage(QSize(400, 100));
  EXPECT_EQ(image.pixel(190, 45), clRed);
  EXPECT_EQ(image.pixel(210, 55), clWhite);

  // Onto any painter, into a target rectangle.
  QImage target(300, 300, QImage::Format_RGB32);
  target.fill(clBlack);
  QPainter painter(&target);
  picture.render(painter, QRectF(100, 100, 100, 50));
  painter.end();
  EXPECT_EQ(target.pixel(120, 110), clRed);
  EXPECT_EQ(target.pixel(175, 140), clBlack);  // the picture's ground is left as it was
  EXPECT_EQ(target.pixel(90, 90), clBlack);
}

TEST(PictureTest, SizesAreClampedToWhatAMetafileHolds) {
  const Picture picture(0, 100000);
  EXPECT_EQ(picture.width(), 1);
  EXPECT_EQ(picture.height(), 32767);
}

TEST(PictureTest, TextStandsBelowAndRightOfItsPointAndTurnsCounterClockwise) {
  const QString text = QStringLiteral("MMMMMM");
  auto inkOf = [&](int escapement) {
    Picture picture(300, 300);
    picture.setFont(QStringLiteral("Arial"), 12, false, clRed);
    picture.text(150, 150, text, escapement);
    return InkBox(picture.toImage());
  };
  // Unturned: the cell's top-left corner is the point; 12 points are 16 pixels.
  const QRect flat = inkOf(0);
  ASSERT_TRUE(flat.isValid());
  EXPECT_TRUE(flat.left() >= 150 && flat.left() <= 152 && flat.top() >= 150 && flat.bottom() <= 150 + 16);
  EXPECT_GT(flat.width(), 4 * 12);
  // A quarter turn counter-clockwise: the text runs upwards, its cell lies right of the point.
  const QRect up = inkOf(900);
  EXPECT_TRUE(up.left() >= 150 && up.right() <= 150 + 16 && up.bottom() <= 152);
  EXPECT_NEAR(up.height(), flat.width(), 2);
  // Three quarters (2700, as the glyphs at 0 degrees): the text runs downwards, cell to the left.
  const QRect down = inkOf(2700);
  EXPECT_TRUE(down.right() <= 150 && down.left() >= 150 - 16 && down.top() >= 148);
  EXPECT_NEAR(down.height(), flat.width(), 2);
  EXPECT_EQ(inkOf(-900), down);  // the same direction
}

}  // namespace
}  // namespace gyrolux
