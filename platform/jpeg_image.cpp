#include "platform/jpeg_image.h"

#include <csetjmp>
#include <cstdio>

#include <QtEndian>

#include <jpeglib.h>

namespace gyrolux {

namespace {

constexpr long long kMaxPixels = 16LL * 1024 * 1024;

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps
// back into DecodeInto. Warnings (such as a file that ends too early, which libjpeg
// would fill up with grey) are counted and make the picture count as broken.
struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnFatalError(j_common_ptr info) {
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

void OnMessage(j_common_ptr info, int level) {
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  if (level < 0 && errors->manager.num_warnings++ == 0) (*info->err->format_message)(info, errors->message);
}

// Decodes into image (already null); only plain data lives in this frame, so the jump
// back from libjpeg passes over no destructor. Returns the error text or nullptr.
const char* DecodeInto(const unsigned char* data, unsigned long size, QImage& image, JpegErrors& errors) {
  jpeg_decompress_struct info;
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = OnFatalError;
  errors.manager.emit_message = OnMessage;
  errors.message[0] = '\0';
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    image = QImage();
    return errors.message;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  if (static_cast<long long>(info.image_width) * info.image_height > kMaxPixels) {
    jpeg_destroy_decompress(&info);
    return "Das Bild ist zu groß.";
  }
  // Straight into the 32-bit layout of QImage::Format_RGB32 (0xffRRGGBB in memory order).
  info.out_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
  jpeg_start_decompress(&info);
  image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB32);
  if (image.isNull()) {
    jpeg_destroy_decompress(&info);
    return "Für das Bild reicht der Speicher nicht.";
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  if (errors.manager.num_warnings > 0) {
    image = QImage();
    return errors.message;
  }
  return nullptr;
}

}  // namespace

QImage DecodeJpeg(QByteArrayView bytes, QString* error) {
  QImage image;
  if (bytes.isEmpty()) {
    if (error) *error = QStringLiteral("Das Bild ist leer.");
    return image;
  }
  JpegErrors errors;
  const char* failure = DecodeInto(reinterpret_cast<const unsigned char*>(bytes.data()),
                                   static_cast<unsigned long>(bytes.size()), image, errors);
  if (failure != nullptr) {
    if (error) *error = QStringLiteral("Das Bild kann nicht gelesen werden: ") + QString::fromUtf8(failure);
    return QImage();
  }
  return image;
}

}  // namespace gyrolux
