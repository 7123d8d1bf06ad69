#pragma once

#include <QString>

#include "platform/picture.h"

class QMimeData;

namespace gyrolux {

// The mime type under which a Windows metafile goes onto the clipboard.
inline constexpr char kWmfMimeType[] = "image/x-wmf";

// The clipboard content for a picture: the image at the picture's size, and the
// placeable Windows metafile under image/x-wmf. The caller owns the result.
QMimeData* PictureMimeData(const Picture& picture);

// Replaces the clipboard content with the picture (image and metafile).
void CopyPictureToClipboard(const Picture& picture);

}  // namespace gyrolux
