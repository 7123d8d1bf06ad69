#include "radix/radix_record.h"

#include <cmath>

#include "radix/local_time.h"

namespace gyrolux {

QString KindText(RadixKind kind) {
  return kind == RadixKind::Event ? QStringLiteral("Ereignis") : QStringLiteral("Person");
}

bool KindFromText(const QString& text, RadixKind& kind) {
  if (text == u"Person") {
    kind = RadixKind::Person;
  } else if (text == u"Ereignis") {
    kind = RadixKind::Event;
  } else {
    return false;
  }
  return true;
}

QString FoldText(FoldChoice fold) {
  switch (fold) {
    case FoldChoice::Earlier: return QStringLiteral("earlier");
    case FoldChoice::Later: return QStringLiteral("later");
    case FoldChoice::None: break;
  }
  return {};
}

bool FoldFromText(const QString& text, FoldChoice& fold) {
  if (text.isEmpty()) {
    fold = FoldChoice::None;
  } else if (text == u"earlier") {
    fold = FoldChoice::Earlier;
  } else if (text == u"later") {
    fold = FoldChoice::Later;
  } else {
    return false;
  }
  return true;
}

QString RecordProblem(const RadixRecord& record) {
  const QString name = record.name;
  if (name.trimmed().isEmpty()) return QStringLiteral("Der Name fehlt");
  if (name.size() > 100) return QStringLiteral("Der Name ist länger als 100 Zeichen");
  for (QChar c : name) {
    if (c.category() == QChar::Other_Control) return QStringLiteral("Der Name enthält Steuerzeichen");
  }
  if (!record.localDate.isValid() || record.localDate.year() < 1600 || record.localDate.year() > 9999)
    return QStringLiteral("Das Datum liegt nicht in den Jahren 1600 bis 9999");
  if (!record.localTime.isValid()) return QStringLiteral("Die Uhrzeit ist ungültig");
  if (!std::isfinite(record.longitude) || std::fabs(record.longitude) > 180.0)
    return QStringLiteral("Die Länge liegt nicht zwischen -180 und 180 Grad");
  if (!std::isfinite(record.latitude) || std::fabs(record.latitude) > 90.0)
    return QStringLiteral("Die Breite liegt nicht zwischen -90 und 90 Grad");
  const LocalTimeResolution resolution =
      ResolveLocalTime(record.localDate, record.localTime, record.zone, record.fold);
  if (resolution.utc.isNull()) return resolution.message;
  const int utcYear = resolution.utc.date().year();
  if (utcYear < 1600 || utcYear > 9999) return QStringLiteral("Die Weltzeit liegt nicht in den Jahren 1600 bis 9999");
  return {};
}

}  // namespace gyrolux
