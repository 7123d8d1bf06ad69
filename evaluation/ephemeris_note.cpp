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

}  // namespace gyrolux
