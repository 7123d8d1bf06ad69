#include "events/event_export.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QStringList>
#include <QTimeZone>

#include "engine/formatting.h"
#include "radix/local_time.h"

namespace gyrolux {

namespace {

constexpr std::array<const char*, 3> kKindKeys = {"transit", "midpoint", "arc"};

QString Abbrev(int factor) { return QString::fromLatin1(FactorAbbrev[std::clamp(factor, 0, kFillerAbbrevIndex)]); }

QString Marked(const std::array<int, 2>& factors, QChar mark) {
  QString text = Abbrev(factors[0]) + mark;
  if (factors[1] != kFillerAbbrevIndex) text += u'/' + Abbrev(factors[1]) + mark;
  return text;
}

QStringList Names(const std::array<int, 2>& factors) {
  QStringList names{Abbrev(factors[0])};
  if (factors[1] != kFillerAbbrevIndex) names << Abbrev(factors[1]);
  return names;
}

QString ClockText(const std::optional<EventClock>& clock) {
  return clock ? clock->date + u' ' + clock->time : QStringLiteral("--.--.---- --:--:--");
}

std::optional<EventClock> ClockOf(const EventQuery& query, const std::optional<int64_t>& seconds) {
  if (!seconds) return std::nullopt;
  return EventClockAt(query, *seconds);
}

// Text of an iCalendar TEXT value: backslash, semicolon, comma and line end escaped.
QString IcsText(QString text) {
  text.replace(u'\\', QStringLiteral("\\\\"));
  text.replace(u';', QStringLiteral("\\;"));
  text.replace(u',', QStringLiteral("\\,"));
  text.replace(u'\n', QStringLiteral("\\n"));
  return text;
}

QByteArray IcsLine(const QString& line) { return FoldIcsLine(line.toUtf8()); }

}  // namespace

QString KindKey(EventKind kind) { return QString::fromLatin1(kKindKeys[static_cast<size_t>(kind)]); }

QString KindTitle(EventKind kind) {
  switch (kind) {
    case EventKind::Transit:
      return QStringLiteral("Transit");
    case EventKind::Midpoint:
      return QStringLiteral("Transit-Halbsumme");
    case EventKind::Arc:
      return QStringLiteral("Sonnenbogen");
  }
  return {};
}

bool ParseKinds(const QString& text, unsigned& kinds) {
  kinds = 0;
  for (const QString& part : text.split(u',')) {
    const auto it = std::find(kKindKeys.begin(), kKindKeys.end(), part.trimmed().toLower().toStdString());
    if (it == kKindKeys.end()) return false;
    kinds |= 1u << (it - kKindKeys.begin());
  }
  return kinds != 0;
}

bool ParseMovingFactors(const QString& text, std::vector<int>& factors, QString& error) {
  factors.clear();
  for (const QString& part : text.split(u',')) {
    const QString name = part.trimmed().toUpper();
    int found = -1;
    for (int id = 0; id < kFactorCount; ++id) {
      if (name == QLatin1String(FactorAbbrev[id])) found = id;
    }
    if (found < 0) {
      error = QStringLiteral("unbekannter Faktor '%1'").arg(part);
      return false;
    }
    if (!IsMovingFactor(found)) {
      error = QStringLiteral("Faktor %1 läuft nicht (WI steht still, GZ springt zum Jahreswechsel)").arg(name);
      return false;
    }
    if (std::find(factors.begin(), factors.end(), found) != factors.end()) {
      error = QStringLiteral("Faktor %1 doppelt genannt").arg(name);
      return false;
    }
    factors.push_back(found);
  }
  return true;
}

std::vector<int> DefaultMovingFactors() { return {JU, SA, UR, NE, PL, CU, HA, ZE, KR, AP, AD, VU, PO}; }

QString PictureText(const RadixEvent& event) {
  const QChar mark = event.kind == EventKind::Arc ? u's' : u't';
  return Marked(event.moving, mark) + QStringLiteral(" = ") + Marked(event.target, u'r');
}

QDateTime EventUtc(const EventQuery& query, int64_t seconds) {
  const QDate start(query.from.year, query.from.month, query.from.day);
  return QDateTime(start, QTime(0, 0), Qt::UTC).addSecs(seconds);
}

EventClock EventClockAt(const EventQuery& query, int64_t seconds) {
  const int64_t day = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
  const int64_t ofDay = seconds - day * 86400;
  const CivilDate date = AddDays(query.from, day);
  return {FormatDateText(date.day, date.month, date.year),
          QString::asprintf("%02d:%02d:%02d", static_cast<int>(ofDay / 3600), static_cast<int>(ofDay / 60 % 60),
                            static_cast<int>(ofDay % 60)),
          static_cast<double>(ofDay) / 3600.0};
}

QDateTime InZone(const QDateTime& utc, const QString& zone) {
  if (const std::optional<int> offset = ParseFixedOffset(zone)) return utc.toOffsetFromUtc(*offset);
  if (!IsKnownZone(zone)) return {};
  return utc.toTimeZone(QTimeZone(zone.toUtf8()));
}

QString EventLine(const EventQuery& query, const RadixEvent& event) {
  const EventClock exact = EventClockAt(query, event.exact);
  return QStringLiteral("%1 %2  %3  %4. Durchgang%5  Orbis %6 bis %7  Abstand %8")
      .arg(exact.date, exact.time, PictureText(event).leftJustified(17))
      .arg(event.pass)
      .arg(event.retrograde ? QStringLiteral(" R") : QStringLiteral("  "))
      .arg(ClockText(ClockOf(query, event.entering)), ClockText(ClockOf(query, event.leaving)),
           FormatAngle(2, 0, event.distance).trimmed());
}

QJsonObject EventJson(const EventQuery& query, const RadixEvent& event) {
  const auto moment = [&](const std::optional<int64_t>& seconds) -> QJsonValue {
    if (!seconds) return QJsonValue::Null;
    const EventClock clock = EventClockAt(query, *seconds);
    return QJsonObject{{QStringLiteral("date"), clock.date},
                       {QStringLiteral("time"), clock.time},
                       {QStringLiteral("hours"), clock.hours}};
  };
  return {{QStringLiteral("kind"), KindKey(event.kind)},
          {QStringLiteral("moving"), QJsonArray::fromStringList(Names(event.moving))},
          {QStringLiteral("target"), QJsonArray::fromStringList(Names(event.target))},
          {QStringLiteral("pass"), event.pass},
          {QStringLiteral("entering"), moment(event.entering)},
          {QStringLiteral("exact"), moment(event.exact)},
          {QStringLiteral("leaving"), moment(event.leaving)},
          {QStringLiteral("distance"), event.distance}};
}

QString EventCsvHeader() {
  return QStringLiteral(
      "kind,moving,target,pass,entering_date,entering_time,exact_date,exact_time,leaving_date,leaving_time,distance");
}

QString EventCsvLine(const EventQuery& query, const RadixEvent& event) {
  const auto moment = [&](const std::optional<int64_t>& seconds) {
    if (!seconds) return QStringLiteral(",");
    const EventClock clock = EventClockAt(query, *seconds);
    return clock.date + u',' + clock.time;
  };
  return QStringList{KindKey(event.kind), Names(event.moving).join(u'/'), Names(event.target).join(u'/'),
                     QString::number(event.pass), moment(event.entering), moment(event.exact),
                     moment(event.leaving), QString::number(event.distance, 'f', 6)}
      .join(u',');
}

QByteArray FoldIcsLine(const QByteArray& line) {
  QByteArray out;
  int used = 0;
  for (qsizetype i = 0; i < line.size();) {
    qsizetype length = 1;  // the octets of this character
    const auto lead = static_cast<unsigned char>(line[i]);
    if (lead >= 0xF0) length = 4;
    else if (lead >= 0xE0) length = 3;
    else if (lead >= 0xC0) length = 2;
    length = std::min(length, line.size() - i);
    if (used + length > 75) {
      out += "\r\n ";
      used = 1;
    }
    out += line.mid(i, length);
    used += static_cast<int>(length);
    i += length;
  }
  return out + "\r\n";
}

QByteArray IcsHead() {
  return IcsLine(QStringLiteral("BEGIN:VCALENDAR")) + IcsLine(QStringLiteral("VERSION:2.0")) +
         IcsLine(QStringLiteral("PRODID:-//Gyrolux//Ereignisliste 5.0//DE")) +
         IcsLine(QStringLiteral("CALSCALE:GREGORIAN")) + IcsLine(QStringLiteral("METHOD:PUBLISH"));
}

QByteArray IcsTail() { return IcsLine(QStringLiteral("END:VCALENDAR")); }

QByteArray IcsEvent(const EventQuery& query, const RadixEvent& event, const QString& radixKey,
                    const QDateTime& stamp) {
  const QString stampText = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
  const QDateTime exact = EventUtc(query, event.exact);
  const QString identity = QStringList{radixKey, KindKey(event.kind), Names(event.moving).join(u'/'),
                                       Names(event.target).join(u'/'), QString::number(event.pass),
                                       exact.toString(QStringLiteral("yyyyMMdd"))}
                               .join(u'|');
  const QByteArray uid = QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
  const QString summary = QStringLiteral("%1 %2 (%3. Durchgang)").arg(KindTitle(event.kind), PictureText(event)).arg(event.pass);
  const QString description =
      QStringLiteral("Radix: %1\nOrbis von %2 bis %3 Weltzeit\nexakt %4 Weltzeit\ngeringster Abstand %5")
          .arg(radixKey, ClockText(ClockOf(query, event.entering)), ClockText(ClockOf(query, event.leaving)),
               ClockText(EventClockAt(query, event.exact)), FormatAngle(2, 0, event.distance).trimmed());
  return IcsLine(QStringLiteral("BEGIN:VEVENT")) + IcsLine(QStringLiteral("UID:") + QString::fromLatin1(uid) + QStringLiteral("@gyrolux")) +
         IcsLine(QStringLiteral("DTSTAMP:") + stampText) +
         IcsLine(QStringLiteral("DTSTART:") + exact.toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"))) +
         IcsLine(QStringLiteral("SUMMARY:") + IcsText(summary)) +
         IcsLine(QStringLiteral("DESCRIPTION:") + IcsText(description)) + IcsLine(QStringLiteral("TRANSP:TRANSPARENT")) +
         IcsLine(QStringLiteral("END:VEVENT"));
}

}  // namespace gyrolux
