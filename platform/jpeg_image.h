#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace gyrolux {

// Decodes a JPEG picture with libjpeg. A null image when the bytes are no complete JPEG
// picture (garbage, cut short, an unsupported colour model or more than 16 million
// pixels), with the reason in *error.
QImage DecodeJpeg(QByteArrayView bytes, QString* error = nullptr);

}  // namespace gyrolux
