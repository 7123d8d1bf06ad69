#include "platform/printing.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/font_faces.h"

namespace gyrolux {

QSize PrintablePageSize(const QPrinter& printer) { return QSize(printer.width(), printer.height()); }

bool HasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

QSize DefaultPrinterPageSize() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (!info.isNull()) {
    QPrinter printer(info, QPrinter::HighResolution);
    const QSize size = PrintablePageSize(printer);
    if (size.width() > 0 && size.height() > 0) return size;
  }
  QPrinter pdf(QPrinter::HighResolution);
  SetUpPdfPrinter(pdf, QString());
  return PrintablePageSize(pdf);
}

void SetUpPdfPrinter(QPrinter& printer, const QString& pdfFile) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(600);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  if (!pdfFile.isEmpty()) printer.setOutputFileName(pdfFile);
}

QString PrintFailedText() { return QStringLiteral("Der Druckauftrag kann nicht ausgeführt werden."); }

PrintJob::PrintJob(QPrinter& printer) : printer_(printer) {}

PrintJob::~PrintJob() {
  if (isActive()) painter_->end();
}

bool PrintJob::begin(QString* error) {
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&printer_)) {
    painter_.reset();
    if (error) *error = PrintFailedText();
    return false;
  }
  return true;
}

bool PrintJob::isActive() const { return painter_ && painter_->isActive(); }

QPainter& PrintJob::painter() { return *painter_; }

void PrintJob::drawPicture(const Picture& picture, const QRect& target) {
  if (!isActive()) return;
  painter_->save();
  painter_->setRenderHint(QPainter::Antialiasing);
  picture.render(*painter_, target);
  painter_->restore();
}

void PrintJob::drawText(int x, int y, const QString& text, const PictureFont& font) {
  if (!isActive()) return;
  const QFont qfont = QFontFor(font, printer_.resolution());
  painter_->save();
  painter_->setFont(qfont);
  painter_->setPen(QColor(font.color));
  painter_->drawText(QPointF(x, y + QFontMetricsF(qfont, &printer_).ascent()), text);
  painter_->restore();
}

bool PrintJob::newPage() { return isActive() && printer_.newPage(); }

bool PrintJob::end(QString* error) {
  if (!painter_) {
    if (error) *error = PrintFailedText();
    return false;
  }
  const bool ended = painter_->end();
  painter_.reset();
  if (!ended || printer_.printerState() == QPrinter::Error) {
    if (error) *error = PrintFailedText();
    return false;
  }
  return true;
}

TextPrinter::TextPrinter(QPrinter& printer, PictureFont font) : job_(printer), font_(std::move(font)) {}

TextPrinter::~TextPrinter() = default;

bool TextPrinter::begin(QString* error) {
  if (!job_.begin(error)) return false;
  const QFont qfont = QFontFor(font_, job_.printer().resolution());
  job_.painter().setFont(qfont);
  job_.painter().setPen(QColor(font_.color));
  lineHeight_ = std::max(1, QFontMetrics(qfont, &job_.printer()).height());
  const QSize page = PrintablePageSize(job_.printer());
  pageWidth_ = std::max(1, page.width());
  pageHeight_ = std::max(1, page.height());
  y_ = 0;
  pages_ = 1;
  pageBreakDue_ = false;
  return true;
}

void TextPrinter::advance(int height) {
  y_ += height;
  // Less than two line heights left: the next line starts a new page.
  if (pageHeight_ - y_ < 2 * (lineHeight_ + 2)) pageBreakDue_ = true;
}

void TextPrinter::writeLine(const QString& line) {
  if (!job_.isActive()) return;
  QPainter& painter = job_.painter();
  const QFontMetrics metrics(painter.font(), &job_.printer());
  QString rest = line;
  do {
    if (pageBreakDue_) {
      job_.newPage();
      ++pages_;
      y_ = 0;
      pageBreakDue_ = false;
    }
    if (rest.isEmpty()) {
      advance(lineHeight_);
      return;
    }
    // As many characters as fit into the page width, at least one.
    qsizetype fitting = rest.size();
    while (fitting > 1 && metrics.horizontalAdvance(rest.left(fitting)) > pageWidth_) {
      const qsizetype estimate = fitting * pageWidth_ / std::max(1, metrics.horizontalAdvance(rest.left(fitting)));
      fitting = std::clamp<qsizetype>(estimate, 1, fitting - 1);
    }
    while (fitting < rest.size() && metrics.horizontalAdvance(rest.left(fitting + 1)) <= pageWidth_) ++fitting;
    const QString piece = rest.left(fitting);
    rest.remove(0, fitting);
    painter.drawText(QPoint(0, y_ + metrics.ascent()), piece);
    advance(lineHeight_ + 2);
  } while (!rest.isEmpty());
}

bool TextPrinter::end(QString* error) { return job_.end(error); }

}  // namespace gyrolux
