#include "platform/bundled_images.h"

#include <gtest/gtest.h>

namespace gyrolux {
namespace {

TEST(BundledImagesTest, TitleCoverAndIconDecodeToTheirSizes) {
  QString error;
  const QImage title = TitlePicture(&error);
  EXPECT_EQ(title.size(), QSize(765, 569)) << error.toStdString();
  const QImage cover = CoverPicture(&error);
  EXPECT_EQ(cover.size(), QSize(525, 553)) << error.toStdString();
  EXPECT_EQ(ApplicationIconImage().size(), QSize(32, 32));
}

}  // namespace
}  // namespace gyrolux
