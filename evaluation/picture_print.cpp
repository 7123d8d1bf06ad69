#include "evaluation/picture_print.h"

#include <QPrinter>

#include "platform/printing.h"

namespace gyrolux {

bool PrintDiagramPage(Prompter& prompter, const Picture& picture,
                      const std::function<PrintedPage(int pageWidth, int printerDpi)>& layout) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setCopyCount(1);
  if (!prompter.choosePrinter(printer)) return false;
  const PrintedPage page = layout(NextHundredAbove(PrintablePageSize(printer).width()), printer.resolution());
  PrintJob job(printer);
  QString error;
  if (!job.begin(&error)) {
    prompter.error(error);
    return false;
  }
  job.drawPicture(picture, page.pictureTarget);
  for (const PageText& text : page.texts) job.drawText(text.at.x(), text.at.y(), text.text, text.font);
  if (!job.end(&error)) {
    prompter.error(error);
    return false;
  }
  return true;
}

}  // namespace gyrolux
