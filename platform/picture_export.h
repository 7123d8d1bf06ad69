#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "platform/picture.h"

namespace gyrolux {

// The formats a diagram is exported in besides the Windows metafile, which keeps the face
// names as the drawings ask for them and so depends on the fonts of the machine that shows
// it. These look the same anywhere:
//   Pdf  one page of the picture's size (96 logical pixels to the inch), the fonts embedded;
//   Svg  the picture's size, every text as the outlines of its glyphs, each named group of
//        operations (Picture::beginGroup) one <g> element with the name as its id;
//   Png  at twice the picture's size up to 2000 pixels a side (sharp on fine screens),
//        else at its own size, marked with the resolution that shows it at its own size.
enum class ExportFormat { Pdf, Svg, Png };

// The format a file name asks for by its extension (any case), or nothing.
std::optional<ExportFormat> ExportFormatOfFile(const QString& path);

// The file name's extension for a format: ".pdf", ".svg", ".png".
QString ExportExtension(ExportFormat format);

// The file's bytes; nothing, with the reason, when they cannot be made.
std::optional<QByteArray> ExportBytes(const Picture& picture, ExportFormat format, QString* error = nullptr);

// Writes the picture to path, replacing a file there only when the whole file has been
// written. False with the German error text in *error. A QGuiApplication must exist.
bool ExportPicture(const Picture& picture, const QString& path, ExportFormat format, QString* error = nullptr);

}  // namespace gyrolux
