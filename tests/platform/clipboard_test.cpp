#include "platform/clipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "platform/colors.h"
#include "platform/wmf_writer.h"

namespace gyrolux {
namespace {

TEST(ClipboardTest, APictureGoesOnAsImageAndAsMetafile) {
  Picture picture(520, 520);
  picture.setPen(clNavy);
  picture.setBrush(clNavy);
  picture.rectangle(5, 5, 50, 60);
  CopyPictureToClipboard(picture);

  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  ASSERT_TRUE(data->hasImage());
  const QImage image = qvariant_cast<QImage>(data->imageData());
  EXPECT_EQ(image.size(), QSize(520, 520));
  EXPECT_EQ(image.pixel(20, 30), clNavy);
  EXPECT_EQ(image.pixel(50, 60), clWhite);

  ASSERT_TRUE(data->hasFormat(QLatin1String(kWmfMimeType)));
  EXPECT_EQ(data->data(QLatin1String(kWmfMimeType)), WmfBytes(picture).value());
}

}  // namespace
}  // namespace gyrolux
