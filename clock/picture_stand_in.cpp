// Picture, recorded and replayed, for as long as the platform layer's own implementation
// is not in the tree (built only then; see CMakeLists.txt). Enough to show the dial.
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "clock/window_fonts.h"
#include "platform/picture.h"

namespace gyrolux {

Picture::Picture(int width, int height) : width_(width), height_(height) {}

void Picture::setPen(QRgb color, int width) { pen_ = {color, width}; }
void Picture::setPenColor(QRgb color) { pen_.color = color; }
void Picture::setBrush(QRgb color) { brush_ = color; }
void Picture::setFont(const QString& face, int pointSize, bool bold, QRgb color) {
  font_ = {face, pointSize, bold, color};
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
  PictureOp& op = push(PictureOp::Kind::Line);
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
}
void Picture::rectangle(int left, int top, int right, int bottom) {
  PictureOp& op = push(PictureOp::Kind::Rectangle);
  op.x1 = left, op.y1 = top, op.x2 = right, op.y2 = bottom;
}
void Picture::ellipse(int left, int top, int right, int bottom) {
  PictureOp& op = push(PictureOp::Kind::Ellipse);
  op.x1 = left, op.y1 = top, op.x2 = right, op.y2 = bottom;
}
void Picture::pixel(int x, int y, QRgb color) {
  PictureOp& op = push(PictureOp::Kind::Pixel);
  op.x1 = x, op.y1 = y, op.color = color;
}
void Picture::text(int x, int y, const QString& text, int escapement) {
  PictureOp& op = push(PictureOp::Kind::Text);
  op.x1 = x, op.y1 = y, op.text = text, op.escapement = escapement;
}
void Picture::image(int x, int y, const QImage& image) {
  PictureOp& op = push(PictureOp::Kind::Image);
  op.x1 = x, op.y1 = y, op.image = image;
}

void Picture::render(QPainter& painter, const QRectF& target) const {
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / width_, target.height() / height_);
  painter.setClipRect(QRect(0, 0, width_, height_));
  for (const PictureOp& op : ops_) {
    painter.setPen(QPen(QColor(op.pen.color), op.pen.width));
    painter.setBrush(QColor(op.brush));
    // Right and bottom are exclusive, as the shapes of the drawings were designed.
    const QRect box(op.x1, op.y1, op.x2 - op.x1 - 1, op.y2 - op.y1 - 1);
    switch (op.kind) {
      case PictureOp::Kind::Line:
        painter.drawLine(op.x1, op.y1, op.x2, op.y2);
        break;
      case PictureOp::Kind::Rectangle:
        painter.drawRect(box);
        break;
      case PictureOp::Kind::Ellipse:
        painter.drawEllipse(box);
        break;
      case PictureOp::Kind::Pixel:
        painter.setPen(QColor(op.color));
        painter.drawPoint(op.x1, op.y1);
        break;
      case PictureOp::Kind::Text: {
        const QFont font = WindowFont(op.font.face, (op.font.pointSize * 96 + 36) / 72,
                                      op.font.bold);
        painter.setFont(font);
        painter.setPen(QColor(op.font.color));
        painter.save();
        painter.translate(op.x1, op.y1);
        painter.rotate(-op.escapement / 10.0);
        painter.drawText(0, QFontMetrics(font).ascent(), op.text);
        painter.restore();
        break;
      }
      case PictureOp::Kind::Image:
        painter.drawImage(op.x1, op.y1, op.image);
        break;
    }
  }
  painter.restore();
}

QImage Picture::toImage() const { return toImage(QSize(width_, height_)); }

QImage Picture::toImage(QSize size) const {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

}  // namespace gyrolux
