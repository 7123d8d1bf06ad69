#pragma once

#include <functional>

#include "evaluation/diagram_prints.h"
#include "platform/picture.h"
#include "platform/prompter.h"

namespace gyrolux {

// Prints a diagram on one page: the print dialog (one copy preset); when it is accepted,
// layout is asked for the page of width W (the printable width raised to the next hundred
// above, taken now) on a printer of the resolution given, and the picture and texts are
// printed. A refused job is reported
// through the prompter. False when nothing was printed.
bool PrintDiagramPage(Prompter& prompter, const Picture& picture,
                      const std::function<PrintedPage(int pageWidth, int printerDpi)>& layout);

}  // namespace gyrolux
