#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include "events/event_search.h"

namespace gyrolux {

// The name of a kind in the command line and the JSON: "transit", "midpoint", "arc".
QString KindKey(EventKind kind);
// The German name shown: "Transit", "Transit-Halbsumme", "Sonnenbogen".
QString KindTitle(EventKind kind);
// A comma-separated list of kind keys; false for an empty or unknown one.
bool ParseKinds(const QString& text, unsigned& kinds);
// A comma-separated list of factor abbreviations (upper or lower case) that can move
// (IsMovingFactor), each once; false with the German reason otherwise.
bool ParseMovingFactors(const QString& text, std::vector<int>& factors, QString& error);
// The moving factors when none are chosen: the slow ones, JU to PL and the eight
// hypothetical factors, whose passes an astrologer plans for.
std::vector<int> DefaultMovingFactors();

// The picture in the notation of the lists, each factor marked: t transiting, r radix,
// s directed by the solar arc: "JUt = SOr/MOr", "SOt/MOt = JUr", "MAs = ASr".
QString PictureText(const RadixEvent& event);

// A moment of the period as world time.
struct EventClock {
  QString date;  // DD.MM.YYYY
  QString time;  // HH:MM:SS
  double hours;  // of the day, decimal
};
EventClock EventClockAt(const EventQuery& query, int64_t seconds);
QDateTime EventUtc(const EventQuery& query, int64_t seconds);
// The same moment in a zone (an IANA name or a fixed offset such as "+05:30"); invalid
// for an unknown zone.
QDateTime InZone(const QDateTime& utc, const QString& zone);

// One event as a line of text: the exact moment, the picture, the pass, the stay and the
// least distance; moments in world time. An unknown entering or leaving (the period
// begins or ends inside the orb) is shown as dashes.
QString EventLine(const EventQuery& query, const RadixEvent& event);

// The JSON object of an event: kind, moving, target, pass, entering, exact, leaving
// (each {date, time, hours} or null) and distance.
QJsonObject EventJson(const EventQuery& query, const RadixEvent& event);

// CSV: the header line and one line per event (comma-separated, no field needs quotes).
QString EventCsvHeader();
QString EventCsvLine(const EventQuery& query, const RadixEvent& event);

// iCalendar (RFC 5545): the calendar's head and tail and one VEVENT per event, lines
// ending CR LF and folded at 75 octets. The UID is made of radixKey (what names the
// radix), the kind, the picture, the pass and the exact day, so that a calendar reading
// a second export of the same radix updates its entries instead of adding them again.
QByteArray IcsHead();
QByteArray IcsEvent(const EventQuery& query, const RadixEvent& event, const QString& radixKey,
                    const QDateTime& stamp);
QByteArray IcsTail();
// A content line folded: at most 75 octets a line, never inside a UTF-8 character.
QByteArray FoldIcsLine(const QByteArray& line);

}  // namespace gyrolux
