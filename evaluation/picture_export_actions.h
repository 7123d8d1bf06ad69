#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "platform/picture.h"
#include "platform/prompter.h"

class QWidget;

namespace gyrolux {

// Gives the widget that shows a diagram a context menu with "Als PDF speichern…",
// "Als SVG speichern…" and "Als PNG speichern…" (actions named exportPdfAction,
// exportSvgAction, exportPngAction). Each asks for a file through the prompter, suggesting
// baseName with the format's extension, and writes the picture that picture() gives then;
// a file that cannot be written is reported.
void AddPictureExportActions(QWidget* view, Prompter& prompter, std::function<std::optional<Picture>()> picture,
                             std::function<QString()> baseName);

}  // namespace gyrolux
