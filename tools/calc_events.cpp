// gyrolux-calc events: the transits and directions onto a radix over a period, each pass
// with entering, exact and leaving to the second, as text, JSON, CSV or iCalendar.
#include <QDateTime>
#include <QJsonDocument>

#include "engine/chart_core.h"
#include "events/event_export.h"
#include "events/event_search.h"
#include "radix/chart_library.h"
#include "radix/radix_chart.h"
#include "radix/radix_exchange.h"
#include "tools/calc_args.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

namespace {

QString Option(const QCommandLineParser& parser, const char* name) {
  return parser.value(QString::fromLatin1(name));
}

bool IsSet(const QCommandLineParser& parser, const char* name) { return parser.isSet(QString::fromLatin1(name)); }

std::optional<CivilDate> ReadPeriodDate(const QCommandLineParser& parser, const char* name, QString& error) {
  if (!IsSet(parser, name)) {
    error = MissingOptionText(QString::fromLatin1(name));
    return std::nullopt;
  }
  const QString text = Option(parser, name);
  const QDate date = ParseLocalDate(text);
  if (!date.isValid() || date.year() < 1600 || date.year() > 9999) {
    error = QStringLiteral("ungültiges Datum '%1' für --%2 (TT.MM.JJJJ, Jahre 1600 bis 9999)").arg(text, QString::fromLatin1(name));
    return std::nullopt;
  }
  return CivilDate{date.day(), date.month(), date.year()};
}

// The radix from the library (--radix) or from its world time and place (--birth-*);
// radixKey names it in the calendar's identities.
bool ReadRadix(const QCommandLineParser& parser, Ephemeris sky, EventQuery& query, QString& radixKey, QString& error) {
  const bool fromLibrary = IsSet(parser, "radix");
  bool birth = false;
  for (const char* name : {"birth-date", "birth-hours", "birth-lon", "birth-lat"}) birth = birth || IsSet(parser, name);
  if (fromLibrary == birth) {
    error = QStringLiteral("entweder --radix NAME oder --birth-date, --birth-hours, --birth-lon und --birth-lat angeben");
    return false;
  }
  if (!fromLibrary && IsSet(parser, "db")) {
    error = QStringLiteral("--db gilt nur mit --radix");
    return false;
  }
  Chart chart;
  if (fromLibrary) {
    if (!ReadLibraryRadix(parser, chart, error)) return false;
    radixKey = Option(parser, "radix");
  } else {
    if (!ReadMoment(parser, chart, error, QStringLiteral("birth-"))) return false;
    RecomputeChart(chart);
    radixKey = QStringLiteral("%1 %2 %3 %4")
                   .arg(Option(parser, "birth-date"), Option(parser, "birth-hours"), Option(parser, "birth-lon"),
                        Option(parser, "birth-lat"));
  }
  // The radix and the events in the sky asked for.
  chart.moment.ephemeris = sky;
  RecomputeChart(chart);
  query.radix = chart.moment;
  query.radixLongitudes = chart.state.factorLongitude;
  return true;
}

}  // namespace

bool ReadLibraryRadix(const QCommandLineParser& parser, Chart& chart, QString& error) {
  const QString name = Option(parser, "radix");
  const std::unique_ptr<ChartLibrary> library = ChartLibrary::Open(ChartLibraryPath(Option(parser, "db")), error);
  if (!library) return false;
  const std::optional<RadixRecord> record = library->Find(name, error);
  if (!record) {
    if (error.isEmpty()) error = QStringLiteral("„%1“ steht nicht in der Radix-Kartei").arg(name);
    return false;
  }
  const std::optional<Chart> computed = RadixChart(*record, error);
  if (!computed) return false;
  chart = *computed;
  return true;
}

void DefineEventsVerb(QCommandLineParser& parser) {
  parser.addOptions({
      {QStringLiteral("radix"), QStringLiteral("Die Radix: eine Radix der Radix-Kartei, bei ihrem Namen genannt."), QStringLiteral("NAME")},
      {QStringLiteral("db"), QStringLiteral("Die Datei der Radix-Kartei (Vorgabe: $GYROLUX_CHARTS, sonst "
                                            "$XDG_DATA_HOME/gyrolux/charts.sqlite)."),
       QStringLiteral("DATEI")},
      {QStringLiteral("birth-date"), QStringLiteral("Oder die Radix durch ihren Zeitpunkt: das Datum, TT.MM.JJJJ."),
       QStringLiteral("TT.MM.JJJJ")},
      {QStringLiteral("birth-hours"), QStringLiteral("Die Weltzeit der Radix in Dezimalstunden."), QStringLiteral("H")},
      {QStringLiteral("birth-lon"), QStringLiteral("Die Länge der Radix, Ost positiv."), QStringLiteral("L")},
      {QStringLiteral("birth-lat"), QStringLiteral("Die Breite der Radix, Nord positiv."), QStringLiteral("B")},
      {QStringLiteral("from"), QStringLiteral("Der erste Tag des Zeitraums, ab 0:00 Weltzeit."), QStringLiteral("TT.MM.JJJJ")},
      {QStringLiteral("to"), QStringLiteral("Der letzte Tag des Zeitraums, bis 24:00 Weltzeit."), QStringLiteral("TT.MM.JJJJ")},
      {QStringLiteral("kinds"),
       QStringLiteral("transit (ein laufender Faktor auf einem Radixfaktor oder einer Halbsumme), midpoint (eine "
                      "laufende Halbsumme auf einem Radixfaktor), arc (ein mit dem Sonnenbogen dirigierter Faktor "
                      "auf einem Radixfaktor oder einer Halbsumme); durch Kommas getrennt, ohne Angabe transit."),
       QStringLiteral("ARTEN")},
      {QStringLiteral("factors"),
       QStringLiteral("Die laufenden Faktoren, durch Kommas getrennt (MC, SO, AS, MO, KN, ME ... PO); ohne Angabe JU "
                      "bis PL und die hypothetischen Faktoren."),
       QStringLiteral("LISTE")},
      {QStringLiteral("json"), QStringLiteral("Ein JSON-Array, ein Objekt je Ereignis.")},
      {QStringLiteral("csv"), QStringLiteral("CSV mit einer Kopfzeile.")},
      {QStringLiteral("ics"), QStringLiteral("Eine iCalendar-Datei, ein VEVENT je Ereignis.")},
  });
}

int RunEventsVerb(VerbCall& call) {
  const QCommandLineParser& parser = call.parser;
  QString error;
  const auto refuse = [&](const QString& message) {
    call.err << message;
    return kRefused;
  };
  if (IsSet(parser, "json") + IsSet(parser, "csv") + IsSet(parser, "ics") > 1)
    return refuse(QStringLiteral("nur eine der Optionen --json, --csv und --ics"));
  EventQuery query;
  QString radixKey;
  const std::optional<CivilDate> from = ReadPeriodDate(parser, "from", error);
  if (!from) return refuse(error);
  const std::optional<CivilDate> to = ReadPeriodDate(parser, "to", error);
  if (!to) return refuse(error);
  if (DayNumber(*to) < DayNumber(*from)) return refuse(QStringLiteral("--to liegt vor --from"));
  query.from = *from;
  query.days = DayNumber(*to) - DayNumber(*from) + 1;
  if (query.days > kMaxEventDays) return refuse(QStringLiteral("der Zeitraum ist länger als hundert Jahre"));
  if (IsSet(parser, "kinds") && !ParseKinds(Option(parser, "kinds"), query.kinds))
    return refuse(QStringLiteral("ungültiger Wert '%1' für --kinds (transit, midpoint, arc)").arg(Option(parser, "kinds")));
  query.moving = DefaultMovingFactors();
  if (IsSet(parser, "factors") && !ParseMovingFactors(Option(parser, "factors"), query.moving, error)) return refuse(error);
  query.orb = call.orb;
  if (!ReadRadix(parser, call.ephemeris, query, radixKey, error)) return refuse(error);
  if (const QString problem = EventQueryProblem(query); !problem.isEmpty()) return refuse(problem);

  QTextStream& out = call.out;
  const bool json = IsSet(parser, "json"), csv = IsSet(parser, "csv"), ics = IsSet(parser, "ics");
  const QDateTime stamp = QDateTime::currentDateTimeUtc();
  bool first = true;
  if (json) out << "[";
  if (csv) out << EventCsvHeader() << '\n';
  if (ics) out << QString::fromUtf8(IcsHead());
  FindRadixEvents(query, [&](const RadixEvent& event) {
    if (json) {
      out << (first ? "\n" : ",\n") << QString::fromUtf8(QJsonDocument(EventJson(query, event)).toJson(QJsonDocument::Compact));
    } else if (csv) {
      out << EventCsvLine(query, event) << '\n';
    } else if (ics) {
      out << QString::fromUtf8(IcsEvent(query, event, radixKey, stamp));
    } else {
      out << EventLine(query, event) << '\n';
    }
    first = false;
  });
  if (json) out << (first ? "]\n" : "\n]\n");
  if (ics) out << QString::fromUtf8(IcsTail());
  return kDone;
}

}  // namespace gyrolux::calc
