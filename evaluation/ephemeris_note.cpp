#include "evaluation/ephemeris_note.h"

#include "ephemeris/ephemeris_choice.h"

namespace gyrolux {

QStringList WithEphemerisNote(QStringList lines, const ChartMoment& moment) {
  const QString note = EphemerisNote(moment.ephemeris);
  if (!note.isEmpty()) lines << QString() << note;
  return lines;
}

PrintedPage WithEphemerisNote(PrintedPage page, const ChartMoment& moment) {
  const QString note = EphemerisNote(moment.ephemeris);
  if (note.isEmpty()) return page;
  PictureFont font;
  if (!page.texts.empty()) font = page.texts.front().font;
  const QRect& picture = page.pictureTarget;
  page.texts.push_back({QPoint(picture.left(), picture.bottom() + picture.height() / 40), note, font});
  return page;
}

Picture WithEphemerisNote(const Picture& picture, const ChartMoment& moment) {
  const QString note = EphemerisNote(moment.ephemeris);
  if (note.isEmpty()) return picture;
  // The strip holds one line of 8 points (13 pixels at 96 dots an inch) with a little room.
  constexpr int kStrip = 18;
  Picture noted(picture.width(), picture.height() + kStrip);
  for (const PictureOp& op : picture.ops()) {
    noted.setPen(op.pen.color, op.pen.width);
    noted.setBrush(op.brush);
    noted.setFont(op.font.face, op.font.pointSize, op.font.bold, op.font.color);
    switch (op.kind) {
      case PictureOp::Kind::Line: noted.line(op.x1, op.y1, op.x2, op.y2); break;
      case PictureOp::Kind::Rectangle: noted.rectangle(op.x1, op.y1, op.x2, op.y2); break;
      case PictureOp::Kind::Ellipse: noted.ellipse(op.x1, op.y1, op.x2, op.y2); break;
      case PictureOp::Kind::Pixel: noted.pixel(op.x1, op.y1, op.color); break;
      case PictureOp::Kind::Text: noted.text(op.x1, op.y1, op.text, op.escapement); break;
      case PictureOp::Kind::Image: noted.image(op.x1, op.y1, op.image); break;
    }
  }
  noted.setFont(QStringLiteral("ms sans serif"), 8, false, qRgb(0, 0, 0));
  noted.text(4, picture.height() + 2, note);
  return noted;
}

}  // namespace gyrolux
