#pragma once

#include <QString>

#include "engine/chart.h"
#include "engine/field_readers.h"
#include "platform/picture.h"

namespace gyrolux::testing {

// 10:29:50, the time of day most tests start at.
inline constexpr double kMorning = 10.0 + 29.0 / 60 + 50.0 / 3600;

// A chart of that moment at 10°00' E, 50°00' N with its date and place texts; the
// positions are left for the test to set or compute.
inline Chart ChartOn(int day, int month, int year, double hours) {
  Chart chart;
  chart.moment = {day, month, year, hours, 10.0, 50.0, false, false};
  chart.texts.dateText = QString::asprintf("%02d.%02d.%04d", day, month, year);
  chart.texts.longitudeText = QStringLiteral("+010°00'");
  chart.texts.latitudeText = QStringLiteral("+50°00'");
  return chart;
}

// The same with the date read from its text, however damaged.
inline Chart ChartAt(const QString& date, double hours) {
  Chart chart = ChartOn(0, 0, 0, hours);
  chart.texts.dateText = date;
  ReadDateFields(date, chart.moment);
  return chart;
}

// The first text of a picture with that text (and that point size, when given).
inline const PictureOp* FindText(const Picture& picture, const QString& text, int pointSize = 0) {
  for (const PictureOp& op : picture.ops()) {
    if (op.kind == PictureOp::Kind::Text && op.text == text && (!pointSize || op.font.pointSize == pointSize)) return &op;
  }
  return nullptr;
}

}  // namespace gyrolux::testing
