#include "radix/local_time.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include <QRegularExpression>
#include <QTimeZone>

namespace gyrolux {

namespace {

constexpr int kMostOffsetSeconds = 15 * 3600;

QString DateTimeText(const QDateTime& naive) {
  return naive.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString ClockText(qint64 secondsOfDay) {
  return QTime(0, 0).addSecs(static_cast<int>(secondsOfDay)).toString(
      secondsOfDay % 60 == 0 ? QStringLiteral("HH:mm") : QStringLiteral("HH:mm:ss"));
}

}  // namespace

std::optional<int> ParseFixedOffset(const QString& text) {
  static const QRegularExpression form(QStringLiteral("^([+-])(\\d\\d):(\\d\\d)(?::(\\d\\d))?$"));
  const QRegularExpressionMatch match = form.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const int hours = match.captured(2).toInt();
  const int minutes = match.captured(3).toInt();
  const int seconds = match.captured(4).isEmpty() ? 0 : match.captured(4).toInt();
  if (minutes > 59 || seconds > 59) return std::nullopt;
  const int total = hours * 3600 + minutes * 60 + seconds;
  if (total > kMostOffsetSeconds) return std::nullopt;
  return match.captured(1) == u"-" ? -total : total;
}

QString FormatOffset(int seconds) {
  const int magnitude = std::abs(seconds);
  QString text = QStringLiteral("%1%2:%3")
                     .arg(seconds < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                     .arg(magnitude / 3600, 2, 10, QLatin1Char('0'))
                     .arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'));
  if (magnitude % 60 != 0) text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QLatin1Char('0'));
  return text;
}

bool IsKnownZone(const QString& zone) {
  if (ParseFixedOffset(zone)) return true;
  return !zone.isEmpty() && QTimeZone::isTimeZoneIdAvailable(zone.toUtf8());
}

LocalTimeResolution ResolveLocalTime(QDate date, QTime time, const QString& zone, FoldChoice fold) {
  LocalTimeResolution result;
  // The local time read as if it were world time: the instant we look for lies within a
  // day of it.
  const QDateTime naive(date, time, Qt::UTC);
  if (!date.isValid() || !time.isValid()) {
    result.message = QStringLiteral("Datum oder Uhrzeit ungültig");
    return result;
  }
  if (const std::optional<int> fixed = ParseFixedOffset(zone)) {
    result.kind = LocalTimeResolution::Kind::Unique;
    result.offsetSeconds = *fixed;
    result.utc = naive.addSecs(-*fixed);
    return result;
  }
  if (!IsKnownZone(zone)) {
    result.message = QStringLiteral("Die Zeitzone „%1“ ist unbekannt").arg(zone);
    return result;
  }
  const QTimeZone tz(zone.toUtf8());
  // Every offset in force around that time: the one two days before and those of the
  // transitions in between. Each offset that maps back onto the local time is a solution.
  const QDateTime from = naive.addDays(-2), to = naive.addDays(2);
  std::vector<int> offsets{tz.offsetFromUtc(from)};
  const QTimeZone::OffsetDataList transitions = tz.transitions(from, to);
  for (const QTimeZone::OffsetData& transition : transitions) offsets.push_back(transition.offsetFromUtc);
  std::sort(offsets.begin(), offsets.end());
  offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
  std::vector<std::pair<QDateTime, int>> solutions;
  for (int offset : offsets) {
    const QDateTime utc = naive.addSecs(-offset);
    if (tz.offsetFromUtc(utc) == offset) solutions.emplace_back(utc, offset);
  }
  std::sort(solutions.begin(), solutions.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  if (solutions.size() == 1) {
    result.kind = LocalTimeResolution::Kind::Unique;
    std::tie(result.utc, result.offsetSeconds) = solutions.front();
    return result;
  }
  if (solutions.empty()) {
    result.kind = LocalTimeResolution::Kind::Gap;
    // The transition whose skipped span holds the time: the clocks went from the local
    // time before it straight on to the one after it.
    int before = offsets.front();
    for (const QTimeZone::OffsetData& transition : transitions) {
      const QDateTime start = transition.atUtc.addSecs(before);
      const QDateTime end = transition.atUtc.addSecs(transition.offsetFromUtc);
      if (start <= naive && naive < end) {
        const qint64 startSeconds = QTime(0, 0).secsTo(start.time());
        const qint64 endSeconds = QTime(0, 0).secsTo(end.time());
        result.message =
            QStringLiteral("Die Ortszeit %1 gibt es in %2 nicht: am %3 sprangen die Uhren von %4 auf %5 "
                           "(Zeitsprung von UTC%6 auf UTC%7)")
                .arg(DateTimeText(naive), zone, start.toString(QStringLiteral("dd.MM.yyyy")),
                     ClockText(startSeconds), ClockText(endSeconds), FormatOffset(before),
                     FormatOffset(transition.offsetFromUtc));
        return result;
      }
      before = transition.offsetFromUtc;
    }
    result.message = QStringLiteral("Die Ortszeit %1 gibt es in %2 nicht (Zeitsprung)").arg(DateTimeText(naive), zone);
    return result;
  }
  result.kind = LocalTimeResolution::Kind::Repeated;
  result.earlierOffset = solutions.front().second;
  result.laterOffset = solutions.back().second;
  if (fold == FoldChoice::None) {
    result.message = QStringLiteral("Die Ortszeit %1 gab es in %2 zweimal: zuerst mit UTC%3, dann mit UTC%4; "
                                    "früher oder später?")
                         .arg(DateTimeText(naive), zone, FormatOffset(result.earlierOffset),
                              FormatOffset(result.laterOffset));
    return result;
  }
  std::tie(result.utc, result.offsetSeconds) = fold == FoldChoice::Earlier ? solutions.front() : solutions.back();
  return result;
}

}  // namespace gyrolux
