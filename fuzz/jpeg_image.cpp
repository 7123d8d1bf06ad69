// The JPEG decoder of the title and cover pictures.
#include "fuzz/fuzz_support.h"
#include "platform/jpeg_image.h"

using namespace gyrolux;
using namespace gyrolux::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Prepare();
  QString error;
  const QImage image = DecodeJpeg(QByteArrayView(data, static_cast<qsizetype>(size)), &error);
  if (image.isNull()) {
    FuzzCheck(!error.isEmpty(), "a refused picture without a reason");
  } else {
    FuzzCheck(error.isEmpty(), "a decoded picture with a reason");
    FuzzCheck(qint64(image.width()) * image.height() <= 16LL * 1024 * 1024, "a picture above 16 million pixels");
  }
  return 0;
}
