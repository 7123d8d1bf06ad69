#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "platform/picture.h"

namespace gyrolux {

// A Picture as a placeable Windows metafile of its own size at 96 logical pixels per
// inch: pens, solid brushes and fonts (by face name, as given) are created and selected
// as they change and deleted when replaced, texts are Windows-1252 bytes drawn
// transparently from the top-left of their cell, turned by their escapement.
// The metafile is built in memory and checked against its own header. Nothing, with the
// reason in *error, when it cannot be made. Safe to call from several threads (the
// metafile library counts objects in one global, so the calls take turns).
std::optional<QByteArray> WmfBytes(const Picture& picture, QString* error = nullptr);

// Writes the metafile to path, replacing the file there only when the whole metafile has
// been written. False with the German error text in *error.
bool WriteWmf(const Picture& picture, const QString& path, QString* error = nullptr);

}  // namespace gyrolux
