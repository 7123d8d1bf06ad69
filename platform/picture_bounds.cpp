#include "platform/picture_bounds.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QTransform>

#include "platform/font_faces.h"

namespace gyrolux {

namespace {

QRectF Box(const PictureOp& op) {
  return QRectF(QPointF(std::min(op.x1, op.x2), std::min(op.y1, op.y2)),
                QPointF(std::max(op.x1, op.x2), std::max(op.y1, op.y2)));
}

QRectF TextBounds(const PictureOp& op) {
  const QFontMetricsF metrics(QFontFor(op.font));
  // The inked part, from the top of the text cell (the baseline lies an ascent below it).
  const QRectF ink = metrics.boundingRect(op.text).translated(0, metrics.ascent());
  QTransform turn;
  turn.translate(op.x1, op.y1);
  turn.rotate(-NormalizedEscapement(op.escapement) / 10.0);
  return turn.mapRect(ink);
}

}  // namespace

QRectF DrawnBounds(const Picture& picture) {
  QRectF bounds;
  const auto add = [&bounds](const QRectF& part) { bounds = bounds.isNull() ? part : bounds.united(part); };
  for (const PictureOp& op : picture.ops()) {
    switch (op.kind) {
      case PictureOp::Kind::Line: {
        const double half = std::max(1, op.pen.width) / 2.0;
        add(Box(op).adjusted(-half, -half, half, half));
        break;
      }
      case PictureOp::Kind::Rectangle:
      case PictureOp::Kind::Ellipse:
        add(Box(op));
        break;
      case PictureOp::Kind::Pixel:
        add(QRectF(op.x1, op.y1, 1, 1));
        break;
      case PictureOp::Kind::Text:
        if (!op.text.isEmpty()) add(TextBounds(op));
        break;
      case PictureOp::Kind::Image:
        add(QRectF(QPointF(op.x1, op.y1), QSizeF(op.image.size())));
        break;
    }
  }
  return bounds;
}

}  // namespace gyrolux
