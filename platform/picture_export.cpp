#include "platform/picture_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "platform/text_file.h"

namespace gyrolux {

namespace {

constexpr int kLogicalDpi = 96;
constexpr int kLargestDoubledSide = 2000;

QString CannotMakeText() { return QStringLiteral("Das Bild kann nicht erzeugt werden."); }

std::optional<QByteArray> PdfBytes(const Picture& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
  {
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Die Mini-Gyrolux"));
    writer.setResolution(kLogicalDpi);
    const QSizeF points(picture.width() * 72.0 / kLogicalDpi, picture.height() * 72.0 / kLogicalDpi);
    writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer)) return std::nullopt;
    painter.setRenderHint(QPainter::Antialiasing);
    picture.render(painter, QRectF(0, 0, picture.width(), picture.height()));
    if (!painter.end()) return std::nullopt;
  }
  return bytes;
}

std::optional<QByteArray> SvgBytesOfOps(const Picture& picture, size_t first, size_t end) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
  {
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(picture.width(), picture.height()));
    generator.setViewBox(QRect(0, 0, picture.width(), picture.height()));
    generator.setResolution(kLogicalDpi);
    generator.setTitle(QStringLiteral("Die Mini-Gyrolux"));
    QPainter painter;
    if (!painter.begin(&generator)) return std::nullopt;
    painter.setRenderHint(QPainter::Antialiasing);
    picture.render(painter, QRectF(0, 0, picture.width(), picture.height()), TextRendering::Outlines, first, end);
    if (!painter.end()) return std::nullopt;
  }
  return bytes;
}

// The picture's named groups become <g id="NAME"> elements. The generator knows no names,
// so each run of operations is rendered on its own and the drawing elements of each run
// (what follows the generator's </defs>, up to </svg>) are put together in one document.
std::optional<QByteArray> SvgBytes(const Picture& picture) {
  if (picture.groups().empty()) return SvgBytesOfOps(picture, 0, picture.ops().size());
  const QByteArray defsEnd = QByteArrayLiteral("</defs>\n");
  const QByteArray svgEnd = QByteArrayLiteral("</svg>");
  QByteArray document;
  const auto append = [&](size_t first, size_t end, const QString& name) -> bool {
    if (first >= end && !document.isEmpty()) return true;
    const std::optional<QByteArray> part = SvgBytesOfOps(picture, first, end);
    if (!part) return false;
    const qsizetype bodyStart = part->indexOf(defsEnd);
    const qsizetype bodyEnd = part->lastIndexOf(svgEnd);
    if (bodyStart < 0 || bodyEnd < bodyStart) return false;
    const qsizetype from = bodyStart + defsEnd.size();
    if (document.isEmpty()) document = part->left(from);
    if (!name.isEmpty()) document += "<g id=\"" + name.toHtmlEscaped().toUtf8() + "\">\n";
    document += part->mid(from, bodyEnd - from);
    if (!name.isEmpty()) document += "</g>\n";
    return true;
  };
  size_t done = 0;
  for (const Picture::Group& group : picture.groups()) {
    if (!append(done, group.first, QString()) || !append(group.first, group.end, group.name)) return std::nullopt;
    done = group.end;
  }
  if (!append(done, picture.ops().size(), QString())) return std::nullopt;
  return document + svgEnd + '\n';
}

std::optional<QByteArray> PngBytes(const Picture& picture) {
  const bool doubled = std::max(picture.width(), picture.height()) <= kLargestDoubledSide;
  const int scale = doubled ? 2 : 1;
  QImage image = picture.toImage(QSize(picture.width() * scale, picture.height() * scale));
  if (image.isNull()) return std::nullopt;
  // Dots per metre of scale x 96 dpi: a viewer that honours it shows the logical size.
  const int dotsPerMetre = qRound(scale * kLogicalDpi / 0.0254);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<ExportFormat> ExportFormatOfFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("pdf")) return ExportFormat::Pdf;
  if (suffix == QLatin1String("svg")) return ExportFormat::Svg;
  if (suffix == QLatin1String("png")) return ExportFormat::Png;
  return std::nullopt;
}

QString ExportExtension(ExportFormat format) {
  switch (format) {
    case ExportFormat::Pdf: return QStringLiteral(".pdf");
    case ExportFormat::Svg: return QStringLiteral(".svg");
    case ExportFormat::Png: return QStringLiteral(".png");
  }
  return QString();
}

std::optional<QByteArray> ExportBytes(const Picture& picture, ExportFormat format, QString* error) {
  std::optional<QByteArray> bytes;
  switch (format) {
    case ExportFormat::Pdf: bytes = PdfBytes(picture); break;
    case ExportFormat::Svg: bytes = SvgBytes(picture); break;
    case ExportFormat::Png: bytes = PngBytes(picture); break;
  }
  if (!bytes && error) *error = CannotMakeText();
  return bytes;
}

bool ExportPicture(const Picture& picture, const QString& path, ExportFormat format, QString* error) {
  QString reason;
  const std::optional<QByteArray> bytes = ExportBytes(picture, format, &reason);
  if (!bytes) {
    if (error) *error = CannotWriteFileText(path, reason);
    return false;
  }
  return ReplaceFileContents(path, *bytes, error);
}

}  // namespace gyrolux
