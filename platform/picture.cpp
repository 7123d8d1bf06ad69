#include "platform/picture.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "platform/font_faces.h"

namespace gyrolux {

namespace {

// A Windows metafile keeps its sizes in 16 bits.
constexpr int kMaxPictureSide = 32767;

QPen PenFor(const PicturePen& pen) {
  const int width = std::max(1, pen.width);
  // The Windows pens: one pixel wide with square ends that leave out the end point,
  // wider ones with round ends and joins.
  if (width == 1) return QPen(QColor(pen.color), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  return QPen(QColor(pen.color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The box of a rectangle or ellipse given by left, top and exclusive right and bottom,
// as the path through the centres of its outermost pixels.
QRectF OutlineBox(const PictureOp& op) {
  const int left = std::min(op.x1, op.x2);
  const int right = std::max(op.x1, op.x2);
  const int top = std::min(op.y1, op.y2);
  const int bottom = std::max(op.y1, op.y2);
  return QRectF(left + 0.5, top + 0.5, std::max(0, right - left - 1), std::max(0, bottom - top - 1));
}

void DrawText(QPainter& painter, const PictureOp& op, TextRendering texts) {
  const QFont font = QFontFor(op.font);
  painter.save();
  painter.translate(op.x1, op.y1);
  // Escapement turns the text counter-clockwise on the screen about the top-left corner
  // of its cell; Qt turns clockwise for positive angles.
  const int escapement = NormalizedEscapement(op.escapement);
  if (escapement != 0) painter.rotate(-escapement / 10.0);
  const QPointF baseline(0, QFontMetricsF(font).ascent());
  if (texts == TextRendering::Outlines) {
    QPainterPath outline;
    outline.addText(baseline, font, op.text);
    painter.fillPath(outline, QColor(op.font.color));
  } else {
    painter.setFont(font);
    painter.setPen(QColor(op.font.color));
    painter.drawText(baseline, op.text);
  }
  painter.restore();
}

void DrawOp(QPainter& painter, const PictureOp& op, TextRendering texts) {
  switch (op.kind) {
    case PictureOp::Kind::Line: {
      painter.setPen(PenFor(op.pen));
      // Aliased lines are set into the pixels right of and below their coordinates,
      // smoothed ones about them: the pixel centres lie half a pixel further in.
      const double centre = painter.testRenderHint(QPainter::Antialiasing) ? 0.5 : 0.0;
      painter.drawLine(QPointF(op.x1 + centre, op.y1 + centre), QPointF(op.x2 + centre, op.y2 + centre));
      break;
    }
    case PictureOp::Kind::Rectangle:
      painter.setPen(PenFor(op.pen));
      painter.setBrush(op.brush == kNoBrush ? QBrush(Qt::NoBrush) : QBrush(QColor(op.brush)));
      painter.drawRect(OutlineBox(op));
      break;
    case PictureOp::Kind::Ellipse:
      painter.setPen(PenFor(op.pen));
      painter.setBrush(op.brush == kNoBrush ? QBrush(Qt::NoBrush) : QBrush(QColor(op.brush)));
      painter.drawEllipse(OutlineBox(op));
      break;
    case PictureOp::Kind::Pixel:
      painter.fillRect(QRect(op.x1, op.y1, 1, 1), QColor(op.color));
      break;
    case PictureOp::Kind::Text:
      DrawText(painter, op, texts);
      break;
    case PictureOp::Kind::Image:
      if (!op.image.isNull()) painter.drawImage(QPoint(op.x1, op.y1), op.image);
      break;
  }
}

void SetCorners(PictureOp& op, int x1, int y1, int x2, int y2) {
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
}

}  // namespace

int NormalizedEscapement(int escapement) {
  const int turned = escapement % 3600;
  return turned < 0 ? turned + 3600 : turned;
}

Picture::Picture(int width, int height)
    : width_(std::clamp(width, 1, kMaxPictureSide)), height_(std::clamp(height, 1, kMaxPictureSide)) {}

void Picture::setPen(QRgb color, int width) {
  pen_.color = color;
  pen_.width = std::max(1, width);
}

void Picture::setPenColor(QRgb color) { pen_.color = color; }

void Picture::setBrush(QRgb color) { brush_ = color; }

void Picture::setFont(const QString& face, int pointSize, bool bold, QRgb color) {
  font_.face = face;
  font_.pointSize = pointSize;
  font_.bold = bold;
  font_.color = color;
}

void Picture::setFontFace(const QString& face) { font_.face = face; }

void Picture::setFontSize(int pointSize) { font_.pointSize = pointSize; }

void Picture::setFontBold(bool bold) { font_.bold = bold; }

void Picture::setFontColor(QRgb color) { font_.color = color; }

PictureOp& Picture::push(PictureOp::Kind kind) {
  PictureOp& op = ops_.emplace_back();
  op.kind = kind;
  op.pen = pen_;
  op.brush = brush_;
  op.font = font_;
  return op;
}

void Picture::line(int x1, int y1, int x2, int y2) {
  SetCorners(push(PictureOp::Kind::Line), x1, y1, x2, y2);
}

void Picture::rectangle(int left, int top, int right, int bottom) {
  SetCorners(push(PictureOp::Kind::Rectangle), left, top, right, bottom);
}

void Picture::ellipse(int left, int top, int right, int bottom) {
  SetCorners(push(PictureOp::Kind::Ellipse), left, top, right, bottom);
}

void Picture::pixel(int x, int y, QRgb color) {
  PictureOp& op = push(PictureOp::Kind::Pixel);
  op.x1 = x;
  op.y1 = y;
  op.color = color;
}

void Picture::text(int x, int y, const QString& text, int escapement) {
  PictureOp& op = push(PictureOp::Kind::Text);
  op.x1 = x;
  op.y1 = y;
  op.text = text;
  op.escapement = escapement;
}

void Picture::image(int x, int y, const QImage& image) {
  PictureOp& op = push(PictureOp::Kind::Image);
  op.x1 = x;
  op.y1 = y;
  op.image = image;
}

void Picture::beginGroup(const QString& name) {
  endGroup();
  groups_.push_back({name, ops_.size(), ops_.size()});
  groupOpen_ = true;
}

void Picture::endGroup() {
  if (groupOpen_) groups_.back().end = ops_.size();
  groupOpen_ = false;
}

void Picture::render(QPainter& painter, const QRectF& target, TextRendering texts) const {
  render(painter, target, texts, 0, ops_.size());
}

void Picture::render(QPainter& painter, const QRectF& target, TextRendering texts, size_t first, size_t end) const {
  end = std::min(end, ops_.size());
  if (!target.isValid() || first >= end) return;
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / width_, target.height() / height_);
  // What lies outside the picture's own box stays outside the target.
  painter.setClipRect(QRect(0, 0, width_, height_), Qt::IntersectClip);
  for (size_t i = first; i < end; ++i) DrawOp(painter, ops_[i], texts);
  painter.restore();
}

QImage Picture::toImage() const { return toImage(QSize(width_, height_)); }

QImage Picture::toImage(QSize size) const {
  const QSize bounded(std::clamp(size.width(), 1, kMaxPictureSide),
                      std::clamp(size.height(), 1, kMaxPictureSide));
  QImage image(bounded, QImage::Format_RGB32);
  if (image.isNull()) return image;  // too large for the memory at hand
  image.fill(Qt::white);
  QPainter painter(&image);
  // At its own size the picture keeps its hard pixel edges; stretched it is smoothed.
  const bool stretched = bounded != QSize(width_, height_);
  painter.setRenderHint(QPainter::Antialiasing, stretched);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, stretched);
  render(painter, QRectF(QPointF(0, 0), QSizeF(bounded)));
  return image;
}

}  // namespace gyrolux
