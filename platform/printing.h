#pragma once

#include <memory>

#include <QRect>
#include <QSize>
#include <QString>

#include "platform/picture.h"

class QPainter;
class QPrinter;

namespace gyrolux {

// The next multiple of 100 strictly above pixels: 4960 gives 5000, 5000 gives 5100.
// Negative sizes count as 0; the result stops at the largest multiple of 100 an int holds.
constexpr int NextHundredAbove(int pixels) {
  const long long above = ((pixels < 0 ? 0LL : static_cast<long long>(pixels)) / 100 + 1) * 100;
  return static_cast<int>(above > 2147483600LL ? 2147483600LL : above);
}

// The printable width and height of printer's page in device pixels.
QSize PrintablePageSize(const QPrinter& printer);

// Whether the print system names a default printer.
bool HasDefaultPrinter();

// The printable page size of the default printer. With no printer installed, that of
// the PDF output the print dialog then offers (A4 at 600 dpi).
QSize DefaultPrinterPageSize();

// Sends printer's output to a PDF file, A4 at 600 dpi: what the print dialog offers
// when no printer is installed, and what the tests print to.
void SetUpPdfPrinter(QPrinter& printer, const QString& pdfFile);

// The German text for a print job the platform refuses.
QString PrintFailedText();

// One print job: pages of device pixels, origin at the top-left of the printable area.
class PrintJob {
 public:
  explicit PrintJob(QPrinter& printer);
  ~PrintJob();
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  // Starts the job; false with the German reason in *error.
  bool begin(QString* error = nullptr);
  bool isActive() const;
  // The picture stretched into target (device pixels; it may reach beyond the page).
  void drawPicture(const Picture& picture, const QRect& target);
  // Text with (x, y) the top-left corner of its cell, in a font of the picture kind
  // (points of the printer's resolution), transparently in the font's colour.
  void drawText(int x, int y, const QString& text, const PictureFont& font);
  bool newPage();
  // Ends the job; false when the output could not be completed.
  bool end(QString* error = nullptr);
  QPainter& painter();
  QPrinter& printer() { return printer_; }

 private:
  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;
};

// The plain text device of the lists: lines from the top-left of the printable area, a
// line with text advancing by its height plus 2 device pixels, an empty line by the
// font's height; a line wider than the page goes on in the next line; a new page begins
// when less than two line heights remain below the current line.
class TextPrinter {
 public:
  explicit TextPrinter(QPrinter& printer,
                       PictureFont font = PictureFont{QStringLiteral("courier new"), 8, false, qRgb(0, 0, 0)});
  ~TextPrinter();
  TextPrinter(const TextPrinter&) = delete;
  TextPrinter& operator=(const TextPrinter&) = delete;

  bool begin(QString* error = nullptr);
  void writeLine(const QString& line);
  bool end(QString* error = nullptr);
  int pagesStarted() const { return pages_; }

 private:
  void advance(int height);

  PrintJob job_;
  PictureFont font_;
  int lineHeight_ = 0;
  int pageWidth_ = 0;
  int pageHeight_ = 0;
  int y_ = 0;
  int pages_ = 0;
  bool pageBreakDue_ = false;
};

}  // namespace gyrolux
