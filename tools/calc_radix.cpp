// gyrolux-calc radix: the chart library from the command line (add, list, show, remove,
// import, export).
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "engine/factors.h"
#include "engine/formatting.h"
#include "engine/houses.h"
#include "ephemeris/ephemeris_choice.h"
#include "radix/chart_library.h"
#include "radix/local_time.h"
#include "radix/radix_chart.h"
#include "radix/radix_exchange.h"
#include "tools/calc_args.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

namespace {

QString Option(const QCommandLineParser& parser, const char* name) {
  return parser.value(QString::fromLatin1(name));
}

// The record of "radix add" from its options.
bool ReadRecordOptions(const QCommandLineParser& parser, RadixRecord& record, QString& error) {
  for (const char* needed : {"name", "date", "time", "lon", "lat"}) {
    if (!parser.isSet(QString::fromLatin1(needed))) {
      error = MissingOptionText(QString::fromLatin1(needed));
      return false;
    }
  }
  const bool zone = parser.isSet(QStringLiteral("zone")), offset = parser.isSet(QStringLiteral("offset"));
  if (zone == offset) {
    error = QStringLiteral("entweder --zone IANA oder --offset +HH:MM angeben");
    return false;
  }
  record.name = Option(parser, "name");
  record.localDate = ParseLocalDate(Option(parser, "date"));
  if (!record.localDate.isValid() || record.localDate.year() < 1600) {
    error = QStringLiteral("ungültiges Datum '%1' (TT.MM.JJJJ, Jahre 1600 bis 9999)").arg(Option(parser, "date"));
    return false;
  }
  record.localTime = ParseLocalTime(Option(parser, "time"));
  if (!record.localTime.isValid()) {
    error = QStringLiteral("ungültige Zeit '%1' (HH:MM oder HH:MM:SS)").arg(Option(parser, "time"));
    return false;
  }
  record.zone = zone ? Option(parser, "zone") : Option(parser, "offset");
  if (offset && !ParseFixedOffset(record.zone)) {
    error = QStringLiteral("ungültiger Abstand '%1' (+HH:MM, höchstens 15 Stunden)").arg(record.zone);
    return false;
  }
  if (zone && !IsKnownZone(record.zone)) {
    error = QStringLiteral("Die Zeitzone „%1“ ist unbekannt").arg(record.zone);
    return false;
  }
  const std::optional<double> lon = ParseNumber(Option(parser, "lon"));
  const std::optional<double> lat = ParseNumber(Option(parser, "lat"));
  if (!lon || std::fabs(*lon) > 180.0) {
    error = QStringLiteral("ungültiger Wert '%1' für --lon (eine Zahl von -180 bis 180)").arg(Option(parser, "lon"));
    return false;
  }
  if (!lat || std::fabs(*lat) > 90.0) {
    error = QStringLiteral("ungültiger Wert '%1' für --lat (eine Zahl von -90 bis 90)").arg(Option(parser, "lat"));
    return false;
  }
  record.longitude = *lon;
  record.latitude = *lat;
  record.place = Option(parser, "place");
  record.country = Option(parser, "country");
  record.notes = Option(parser, "notes");
  if (parser.isSet(QStringLiteral("kind")) && !KindFromText(Option(parser, "kind"), record.kind)) {
    error = QStringLiteral("ungültiger Wert '%1' für --kind (Person oder Ereignis)").arg(Option(parser, "kind"));
    return false;
  }
  if (!FoldFromText(Option(parser, "fold"), record.fold) ||
      (parser.isSet(QStringLiteral("fold")) && record.fold == FoldChoice::None)) {
    error = QStringLiteral("ungültiger Wert '%1' für --fold (earlier oder later)").arg(Option(parser, "fold"));
    return false;
  }
  // A local time that the clocks skipped or showed twice is named before anything else.
  const LocalTimeResolution time = ResolveLocalTime(record.localDate, record.localTime, record.zone, record.fold);
  if (time.utc.isNull()) {
    error = time.message;
    if (time.kind == LocalTimeResolution::Kind::Repeated) error += QStringLiteral(" (--fold earlier oder --fold later)");
    return false;
  }
  return true;
}

QJsonObject ShowObject(const RadixRecord& record, const RadixMoment& moment, const Chart& chart) {
  QJsonObject object = RecordToJson(record);
  QJsonArray longitudes;
  for (int id = 0; id < kFactorCount; ++id) longitudes.append(chart.state.factorLongitude[id]);
  object.insert(QStringLiteral("utcOffsetHours"), moment.time.offsetSeconds / 3600.0);
  object.insert(QStringLiteral("date"), moment.time.utc.date().toString(QStringLiteral("dd.MM.yyyy")));
  object.insert(QStringLiteral("hours"), chart.moment.hours);
  object.insert(QStringLiteral("factorLongitude"), longitudes);
  object.insert(QStringLiteral("ephemeris"), EphemerisKey(chart.moment.ephemeris));
  return object;
}

void PrintShow(const RadixRecord& r, const RadixMoment& moment, const Chart& chart, QTextStream& out) {
  out << r.name << " (" << KindText(r.kind) << ")\n"
      << "Ort       " << r.place << (r.country.isEmpty() ? QString() : QStringLiteral(", ") + r.country) << ", "
      << FormatAngle(3, 0, std::fabs(r.longitude)) << (r.longitude < 0 ? " W" : " E") << ' '
      << FormatAngle(2, 0, std::fabs(r.latitude)) << (r.latitude < 0 ? " S" : " N") << '\n'
      << "Ortszeit  " << r.localDate.toString(QStringLiteral("dd.MM.yyyy")) << ' '
      << r.localTime.toString(QStringLiteral("HH:mm:ss")) << ' ' << r.zone << " (UTC"
      << FormatOffset(moment.time.offsetSeconds) << ")\n"
      << "Weltzeit  " << moment.time.utc.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) << " WZ/GMT\n";
  for (int id = 0; id < kFactorCount; ++id) {
    const double longitude = chart.state.factorLongitude[id];
    out << QString::asprintf("%-6s%12.6f", FactorAbbrev[id], longitude) << "   " << FormatAngle(2, 30, longitude)
        << ' ' << SignOfLongitude(longitude) << (chart.state.retrograde[id] ? "   R" : "") << '\n';
  }
  if (!r.notes.isEmpty()) out << "Notiz     " << r.notes << '\n';
  if (const QString note = EphemerisNote(chart.moment.ephemeris); !note.isEmpty()) out << note << '\n';
}

int Refuse(QTextStream& err, const QString& message) {
  err << message;
  return 2;
}

}  // namespace

void DefineRadixVerb(QCommandLineParser& parser) {
  parser.addPositionalArgument(QStringLiteral("AKTION"),
                               QStringLiteral("add, list, show NAME, remove NAME, import DATEI oder export DATEI "
                                              "(.aaf, .csv oder .json nach der Endung)."),
                               QStringLiteral("AKTION [NAME|DATEI]"));
  parser.addOptions({
      {QStringLiteral("name"), QStringLiteral("add: der Name der Radix, einmalig in der Radix-Kartei."), QStringLiteral("NAME")},
      {QStringLiteral("date"), QStringLiteral("add: das örtliche Datum, TT.MM.JJJJ (1600 bis 9999)."), QStringLiteral("TT.MM.JJJJ")},
      {QStringLiteral("time"), QStringLiteral("add: die örtliche Zeit, HH:MM oder HH:MM:SS."), QStringLiteral("HH:MM[:SS]")},
      {QStringLiteral("zone"), QStringLiteral("add: die IANA-Zeitzone (Europe/Berlin)."), QStringLiteral("IANA")},
      {QStringLiteral("offset"), QStringLiteral("add: ein fester Abstand zur Weltzeit statt einer Zone (+05:30)."), QStringLiteral("+HH:MM")},
      {QStringLiteral("lon"), QStringLiteral("add: Länge in Grad, Ost positiv."), QStringLiteral("L")},
      {QStringLiteral("lat"), QStringLiteral("add: Breite in Grad, Nord positiv."), QStringLiteral("B")},
      {QStringLiteral("place"), QStringLiteral("add: der Ortsname."), QStringLiteral("TEXT")},
      {QStringLiteral("country"), QStringLiteral("add: das Land."), QStringLiteral("TEXT")},
      {QStringLiteral("kind"), QStringLiteral("add: Person (Vorgabe) oder Ereignis."), QStringLiteral("ART")},
      {QStringLiteral("notes"), QStringLiteral("add: eine Notiz."), QStringLiteral("TEXT")},
      {QStringLiteral("fold"),
       QStringLiteral("add: bei einer örtlichen Zeit, die die Uhren zweimal zeigten, die frühere (earlier) oder die spätere (later)."),
       QStringLiteral("earlier|later")},
      {QStringLiteral("db"), QStringLiteral("Die Datei der Radix-Kartei (Vorgabe: $GYROLUX_CHARTS, sonst "
                                            "$XDG_DATA_HOME/gyrolux/charts.sqlite)."),
       QStringLiteral("DATEI")},
      {QStringLiteral("json"), QStringLiteral("list, show: JSON statt Text.")},
  });
}

int RunRadixVerb(VerbCall& call) {
  const QCommandLineParser& parser = call.parser;
  QTextStream& out = call.out;
  QTextStream& err = call.err;
  const QStringList arguments = parser.positionalArguments();
  const QString action = arguments[0];
  const bool takesArgument = action == u"show" || action == u"remove" || action == u"import" || action == u"export";
  if (!takesArgument && action != u"add" && action != u"list")
    return Refuse(err, QStringLiteral("unbekannte Aktion '%1' (add, list, show, remove, import oder export)").arg(action));
  if (takesArgument != (arguments.size() == 2))
    return Refuse(err, takesArgument ? QStringLiteral("%1 braucht ein Argument").arg(action)
                                     : QStringLiteral("unerwartetes Argument '%1'").arg(arguments.value(1)));
  RadixRecord record;
  QString error;
  if (action == u"add" && !ReadRecordOptions(parser, record, error)) return Refuse(err, error);
  const std::unique_ptr<ChartLibrary> library = ChartLibrary::Open(ChartLibraryPath(Option(parser, "db")), error);
  if (!library) return Refuse(err, error);
  const bool json = parser.isSet(QStringLiteral("json"));

  if (action == u"add") {
    if (!library->Add(record, error)) return Refuse(err, error);
    out << QStringLiteral("„%1“ in die Radix-Kartei aufgenommen\n").arg(record.name);
    return 0;
  }
  if (action == u"list") {
    const std::optional<QList<RadixRecord>> records = library->All(error);
    if (!records) return Refuse(err, error);
    if (json) {
      QJsonArray array;
      for (const RadixRecord& r : *records) array.append(RecordToJson(r));
      out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)) << '\n';
    } else {
      for (const RadixRecord& r : *records) {
        out << r.name << "  " << r.localDate.toString(QStringLiteral("dd.MM.yyyy")) << ' '
            << r.localTime.toString(QStringLiteral("HH:mm:ss")) << "  " << r.zone << "  " << r.place << '\n';
      }
    }
    return 0;
  }
  const QString argument = arguments[1];
  if (action == u"show") {
    const std::optional<RadixRecord> found = library->Find(argument, error);
    if (!found) return Refuse(err, error.isEmpty() ? QStringLiteral("„%1“ steht nicht in der Radix-Kartei").arg(argument) : error);
    const std::optional<RadixMoment> moment = RadixMomentOf(*found, error);
    std::optional<Chart> chart = RadixChart(*found, error);
    if (!moment || !chart) return Refuse(err, error);
    // The radix in the sky asked for.
    if (!TakeEphemeris(call.ephemeris, chart->moment, error)) return Refuse(err, error);
    RecomputeChart(*chart);
    if (json) {
      out << QString::fromUtf8(QJsonDocument(ShowObject(*found, *moment, *chart)).toJson(QJsonDocument::Compact)) << '\n';
    } else {
      PrintShow(*found, *moment, *chart, out);
    }
    return 0;
  }
  if (action == u"remove") {
    if (!library->Remove(argument, error)) return Refuse(err, error);
    out << QStringLiteral("„%1“ aus der Radix-Kartei gelöscht\n").arg(argument);
    return 0;
  }
  if (action == u"export") {
    const std::optional<QList<RadixRecord>> records = library->All(error);
    if (!records) return Refuse(err, error);
    if (!WriteExchangeFile(argument, *records, error)) return Refuse(err, error);
    out << QStringLiteral("%1 Radix-Daten nach %2 geschrieben\n").arg(records->size()).arg(argument);
    return 0;
  }
  // import: the charts read are added in one transaction; the refused ones are named.
  const std::optional<ImportedCharts> imported = ReadExchangeFile(argument, error);
  if (!imported) return Refuse(err, error + QStringLiteral("; nichts eingelesen"));
  QList<RadixRecord> records;
  for (const auto& [line, r] : imported->records) records.append(r);
  QList<std::pair<int, QString>> refusedByIndex;
  if (!library->AddAll(records, refusedByIndex, error)) return Refuse(err, error + QStringLiteral("; nichts eingelesen"));
  QList<std::pair<int, QString>> refused = imported->refused;
  for (const auto& [index, reason] : refusedByIndex) refused.append({imported->records[index].first, reason});
  std::sort(refused.begin(), refused.end());
  const qsizetype added = records.size() - refusedByIndex.size();
  const QString entry = ExchangeFormatOf(argument) == ExchangeFormat::Json ? QStringLiteral("Eintrag") : QStringLiteral("Zeile");
  if (!refused.isEmpty()) {
    QStringList reasons;
    for (const auto& [line, reason] : refused) reasons << QStringLiteral("%1 %2: %3").arg(entry).arg(line).arg(reason);
    return Refuse(err, QStringLiteral("%1 Radix-Daten eingelesen, %2 abgewiesen: %3")
                           .arg(added)
                           .arg(refused.size())
                           .arg(reasons.join(QStringLiteral("; "))));
  }
  out << QStringLiteral("%1 Radix-Daten eingelesen\n").arg(added);
  return 0;
}

}  // namespace gyrolux::calc
