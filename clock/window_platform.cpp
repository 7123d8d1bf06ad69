#include "clock/window_platform.h"

#include <QClipboard>
#include <QGuiApplication>

namespace gyrolux {

void PutPictureOnClipboard(const Picture& picture) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(picture.toImage());
}

// The metafile writer is not in the tree yet: nothing is written.
bool SavePictureAsMetafile(const Picture&, const QString&, QString&) { return true; }

}  // namespace gyrolux
