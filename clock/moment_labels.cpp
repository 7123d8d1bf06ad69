#include "clock/moment_labels.h"

#include <cmath>

#include "engine/formatting.h"

namespace gyrolux {

namespace {

// Far above what the clock can reach within its years (about 8.8e7 hours), and small
// enough for exact whole seconds in a double.
constexpr double kLargestShownHours = 1e12;

}  // namespace

QString ShownClock(double hours) {
  if (std::isnan(hours)) hours = 0.0;
  if (hours >= 0.0 && hours < 100.0) return FormatClock(hours);
  const bool negative = hours < 0.0;
  const double magnitude = std::fmin(std::fabs(hours), kLargestShownHours);
  // Whole seconds as in FormatClock: cut off, not rounded.
  const double totalSeconds = std::floor(magnitude * 3600.0 + 1e-6);
  const double wholeHours = std::floor(totalSeconds / 3600.0);
  const int rest = static_cast<int>(totalSeconds - wholeHours * 3600.0);
  QString text = QString::number(wholeHours, 'f', 0).rightJustified(2, u'0') + u':' +
                 ZeroPad(static_cast<unsigned>(rest / 60), 2) + u':' +
                 ZeroPad(static_cast<unsigned>(rest % 60), 2);
  if (negative && totalSeconds > 0.0) text.prepend(u'-');
  return text;
}

QString DateLabel(const Chart& chart) {
  const ChartMoment& m = chart.moment;
  return WeekdayName(m.year, m.month, m.day) + QStringLiteral(", ") + chart.texts.dateText;
}

QString TimeLabel(double hours) { return ShownClock(hours) + QStringLiteral(" WZ/GMT"); }

QString PlaceLabel(const ChartMoment& moment) {
  return FormatCoordinate(false, std::fabs(moment.longitude)) +
         (moment.westLongitude ? QStringLiteral(" W") : QStringLiteral(" E")) +
         QStringLiteral(", ") + FormatCoordinate(false, std::fabs(moment.latitude)).mid(1) +
         (moment.southLatitude ? QStringLiteral(" S") : QStringLiteral(" N"));
}

QString PlaceLabelFromTexts(const QString& longitudeText, const QString& latitudeText) {
  const bool west = longitudeText.startsWith(u'-');
  const bool south = latitudeText.startsWith(u'-');
  return longitudeText.mid(1, 7) + (west ? QStringLiteral(" W, ") : QStringLiteral(" E, ")) +
         latitudeText.mid(1, 6) + (south ? QStringLiteral(" S") : QStringLiteral(" N"));
}

}  // namespace gyrolux
