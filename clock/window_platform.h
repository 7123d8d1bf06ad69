#pragma once

#include <QString>

#include "platform/picture.h"

namespace gyrolux {

// The two platform services the clock's windows need that the platform layer does not
// offer yet: the clipboard and the metafile writer.

// Puts the picture on the clipboard.
void PutPictureOnClipboard(const Picture& picture);

// Writes the picture as a Windows metafile; false, with the reason, when it fails.
bool SavePictureAsMetafile(const Picture& picture, const QString& path, QString& error);

}  // namespace gyrolux
