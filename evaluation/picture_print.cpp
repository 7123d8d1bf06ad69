#include "evaluation/picture_print.h"

#include <QPrinter>

#include "platform/printing.h"

namespace gyrolux {

bool PrintDiagramPage(Prompter& prompter, const Picture& picture,
                      const std::function<PrintedPage(QSize page, int printerDpi)>& layout,
                      QPageLayout::Orientation orientation) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setCopyCount(1);
  if (orientation == QPageLayout::Landscape) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
  }
  if (!prompter.choosePrinter(printer)) return false;
  // Measured now, on the printer the dialog chose: its resolution may differ from the
  // default printer's.
  const QSize printable = PrintablePageSize(printer);
  const PrintedPage page =
      layout(QSize(NextHundredAbove(printable.width()), NextHundredAbove(printable.height())), printer.resolution());
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
