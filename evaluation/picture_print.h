#pragma once

#include <functional>

#include <QPageLayout>

#include "evaluation/diagram_prints.h"
#include "platform/picture.h"
#include "platform/prompter.h"

namespace gyrolux {

// Prints a diagram on one page: the print dialog (one copy preset); when it is accepted,
// layout is asked for the page of the printer chosen there (its printable width and height,
// each raised to the next hundred above) at that printer's resolution, and the picture and
// texts are printed. A refused job is reported through the prompter. False when nothing was
// printed. A landscape diagram asks for an A4 page across.
bool PrintDiagramPage(Prompter& prompter, const Picture& picture,
                      const std::function<PrintedPage(QSize page, int printerDpi)>& layout,
                      QPageLayout::Orientation orientation = QPageLayout::Portrait);

}  // namespace gyrolux
