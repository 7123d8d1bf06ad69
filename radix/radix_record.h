#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

namespace gyrolux {

enum class RadixKind { Person, Event };

// Which of the two moments a local time that the clocks showed twice (the hour repeated
// when summer time ends) means; None where the time is unambiguous.
enum class FoldChoice { None, Earlier, Later };

// One chart of the library: a birth or an event in local time with its zone and place.
struct RadixRecord {
  QString name;
  RadixKind kind = RadixKind::Person;
  QDate localDate;
  QTime localTime;   // to the second
  QString zone;      // an IANA name ("Europe/Berlin") or a fixed offset ("+05:30")
  FoldChoice fold = FoldChoice::None;
  QString place;
  QString country;
  double longitude = 0.0;  // degrees, east positive
  double latitude = 0.0;   // degrees, north positive
  QString notes;
  qint64 revision = 0;     // counts the changes stored; guards against lost updates
};

// The texts of the kinds as shown and stored: "Person", "Ereignis".
QString KindText(RadixKind kind);
bool KindFromText(const QString& text, RadixKind& kind);
// "earlier", "later" or "" for None.
QString FoldText(FoldChoice fold);
bool FoldFromText(const QString& text, FoldChoice& fold);

// The checks every stored chart passes: a name of 1 to 100 characters without line
// breaks, a date in the years 1600 to 9999, a valid time, a known zone, a longitude
// within -180..180 and a latitude within -90..90, and a local time that exists once (or a
// fold chosen where it exists twice). The German reason, or an empty text.
QString RecordProblem(const RadixRecord& record);

}  // namespace gyrolux
