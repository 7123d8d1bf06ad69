#include "platform/bundled_images.h"

#include <QFile>

#include "platform/jpeg_image.h"

namespace gyrolux {

namespace {

QImage JpegResource(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = QStringLiteral("Das Bild %1 fehlt im Programm.").arg(path);
    return QImage();
  }
  return DecodeJpeg(file.readAll(), error);
}

}  // namespace

QImage TitlePicture(QString* error) { return JpegResource(QStringLiteral(":/gyrolux/title.jpg"), error); }

QImage CoverPicture(QString* error) { return JpegResource(QStringLiteral(":/gyrolux/cover.jpg"), error); }

QImage ApplicationIconImage() {
  return QImage(QStringLiteral(":/gyrolux/icon.png")).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace gyrolux
