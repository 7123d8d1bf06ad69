#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/wmf_writer.h"

namespace gyrolux {

QMimeData* PictureMimeData(const Picture& picture) {
  auto* data = new QMimeData;
  data->setImageData(picture.toImage());
  // Without the metafile the image alone still serves.
  if (const std::optional<QByteArray> wmf = WmfBytes(picture)) data->setData(QLatin1String(kWmfMimeType), *wmf);
  return data;
}

void CopyPictureToClipboard(const Picture& picture) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setMimeData(PictureMimeData(picture));
}

}  // namespace gyrolux
