// gyrolux-calc search: the clock's two alarms without a window, the first hit as the
// dialogs report it, or every stay within the orb over the alarm's period.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "dialogs/search_input.h"
#include "dialogs/search_report.h"
#include "dialogs/search_session.h"
#include "engine/formatting.h"
#include "ephemeris/ephemeris_choice.h"
#include "midpoints/alarm_search.h"
#include "midpoints/all_hits.h"
#include "tools/calc_args.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

namespace {

QString ReasonName(SearchStop stop) {
  switch (stop) {
    case SearchStop::Found:
      return QStringLiteral("found");
    case SearchStop::StopYear:
      return QStringLiteral("stop-year");
    case SearchStop::MaxSteps:
      return QStringLiteral("max-steps");
    case SearchStop::Aborted:
      return QStringLiteral("aborted");
    case SearchStop::Rejected:
      break;
  }
  return QStringLiteral("rejected");
}

// A factor as its two-letter name in any case or as its FactorId 0..23 (23 and "--" the
// placeholder).
std::optional<int> ReadFactor(const QString& text) {
  if (const std::optional<int> id = FactorIdOfName(text.toUpper())) return id;
  if (text.isEmpty() || text.size() > 2) return std::nullopt;
  int id = 0;
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    id = id * 10 + (c.unicode() - u'0');
  }
  if (id > kFillerAbbrevIndex) return std::nullopt;
  return id;
}

// The pair as the dialogs store it, in ascending order.
std::optional<std::pair<int, int>> ReadPair(const QString& first, const QString& second) {
  const std::optional<int> a = ReadFactor(first);
  const std::optional<int> b = ReadFactor(second);
  if (!a || !b) return std::nullopt;
  return std::pair<int, int>(std::min(*a, *b), std::max(*a, *b));
}

struct SearchRequest {
  AlarmQuery query;
  SearchMoment start;
  SearchOptions options;
  bool plain = false;
  bool all = false;
  bool json = false;
  bool jsonLines = false;
};

bool ReadRequest(const VerbCall& call, SearchRequest& request, QString& error) {
  const QCommandLineParser& parser = call.parser;
  const QStringList args = parser.positionalArguments();
  const QString kind = args[0];
  if (kind != u"picture" && kind != u"angle") {
    error = QStringLiteral("unbekannte Suche '%1' (picture oder angle)").arg(kind);
    return false;
  }
  const bool picture = kind == u"picture";
  const std::optional<std::pair<int, int>> first = ReadPair(args[1], args[2]);
  const std::optional<std::pair<int, int>> second = picture ? ReadPair(args[3], args[4]) : first;
  if (!first || !second) {
    error = InvalidPairMessage();
    return false;
  }
  if (picture) {
    request.query = PictureQuery(first->first, first->second, second->first, second->second, call.orb.degrees);
  } else {
    if (parser.isSet(QStringLiteral("orb"))) {
      error = QStringLiteral("--orb gilt für die Bildsuche; die Winkelsuche nimmt immer %1")
                  .arg(kAngleSearchOrb.degrees);
      return false;
    }
    // Read as the dialog reads its two fields.
    const AngleCheck angle = CheckSearchAngle(args[3], args[4]);
    if (!angle.angle) {
      error = angle.message;
      return false;
    }
    request.query = MidpointAngleQuery(first->first, first->second, *angle.angle);
  }

  request.start = SearchStart(call.chart);
  if (parser.isSet(QStringLiteral("max-steps"))) {
    const QString text = parser.value(QStringLiteral("max-steps"));
    bool ok = false;
    const qlonglong steps = text.toLongLong(&ok);
    if (!ok || steps < 1 || text.trimmed() != text || text.startsWith(u'+')) {
      error = QStringLiteral("ungültiger Wert '%1' für --max-steps (eine ganze Zahl ab 1)").arg(text);
      return false;
    }
    request.options.maxSteps = steps;
  }
  if (parser.isSet(QStringLiteral("threads"))) {
    const QString text = parser.value(QStringLiteral("threads"));
    bool ok = false;
    const int threads = text.toInt(&ok);
    if (!ok || threads < 1 || threads > 64 || text.trimmed() != text || text.startsWith(u'+')) {
      error = QStringLiteral("ungültiger Wert '%1' für --threads (eine ganze Zahl von 1 bis 64)").arg(text);
      return false;
    }
    request.options.threads = threads;
  }
  request.plain = parser.isSet(QStringLiteral("plain"));
  request.all = parser.isSet(QStringLiteral("all"));
  request.json = parser.isSet(QStringLiteral("json"));
  request.jsonLines = parser.isSet(QStringLiteral("json-lines"));
  if (request.jsonLines && !request.all) {
    error = QStringLiteral("--json-lines gilt nur mit --all");
    return false;
  }
  if (request.plain && request.all) {
    error = QStringLiteral("--plain gilt nur für den Alarm; --all hat keine einfache Form");
    return false;
  }
  return true;
}

QJsonObject MomentObject(const SearchMoment& m, bool withTimeText) {
  QJsonObject object{
      {QStringLiteral("day"), m.moment.day},
      {QStringLiteral("month"), m.moment.month},
      {QStringLiteral("year"), m.moment.year},
      {QStringLiteral("hours"), m.moment.hours},
      {QStringLiteral("dateText"), m.dateText},
  };
  if (withTimeText) object.insert(QStringLiteral("timeText"), ShownClock(m.moment.hours));
  return object;
}

QString MomentText(const SearchMoment& m) { return m.dateText + u' ' + ShownClock(m.moment.hours); }

void PrintJson(const QJsonValue& value, QTextStream& out) { PrintJsonLine(value, out); }

int RunAlarm(const SearchRequest& request, QTextStream& out, QTextStream& err) {
  const SearchResult result = request.plain ? PlainAlarmSearch(request.query, request.start, request.options)
                                            : FastAlarmSearch(request.query, request.start, request.options);
  if (result.stop == SearchStop::Rejected || result.stop == SearchStop::Aborted) {
    err << "die Suche lief nicht (" << ReasonName(result.stop) << ")";
    return kRefused;
  }
  // The chart at the moment where the search stopped, as the clock then shows it.
  Chart chart;
  chart.moment = result.moment.moment;
  chart.texts.dateText = result.moment.dateText;
  RecomputeChart(chart);
  const QString resultLine = result.found ? SearchResultLine(request.query, chart) : QString();
  if (request.json) {
    const auto textOrNull = [&result](const QString& text) {
      return result.found ? QJsonValue(text) : QJsonValue(QJsonValue::Null);
    };
    PrintJson(QJsonObject{
                  {QStringLiteral("found"), result.found},
                  {QStringLiteral("steps"), static_cast<qint64>(result.steps)},
                  {QStringLiteral("reason"), ReasonName(result.stop)},
                  {QStringLiteral("stopYear"), AlarmStopYear(request.start.moment.year)},
                  {QStringLiteral("orb"), request.query.orb},
                  {QStringLiteral("moment"), MomentObject(result.moment, false)},
                  {QStringLiteral("resultLine"), textOrNull(resultLine)},
                  {QStringLiteral("dateLabel"), textOrNull(FoundDateLabel(chart.moment))},
                  {QStringLiteral("timeLabel"), textOrNull(FoundTimeLabel(chart.moment.hours))},
                  {QStringLiteral("ephemeris"), EphemerisKey(request.start.moment.ephemeris)},
              },
              out);
    return kDone;
  }
  out << (result.found ? resultLine : QStringLiteral("no hit (%1)").arg(ReasonName(result.stop))) << '\n';
  out << "moment: " << MomentText(result.moment) << " WZ/GMT (hours "
      << QString::number(result.moment.moment.hours, 'g', 17) << ")\n";
  out << "steps: " << result.steps << '\n';
  if (const QString note = EphemerisNote(request.start.moment.ephemeris); !note.isEmpty()) out << note << '\n';
  return kDone;
}

QJsonObject RunObject(const HitRun& run, Ephemeris ephemeris) {
  return QJsonObject{
      {QStringLiteral("ephemeris"), EphemerisKey(ephemeris)},
      {QStringLiteral("first"), MomentObject(run.alarm, true)},
      {QStringLiteral("enters"), MomentObject(run.enters, true)},
      {QStringLiteral("exact"), MomentObject(run.closest, true)},
      {QStringLiteral("leaves"), MomentObject(run.leaves, true)},
      {QStringLiteral("exactDistance"), run.leastDistance},
  };
}

QString CompactJson(const QJsonObject& object) {
  return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// Each stay is written as it is found: a line of text, a line of JSON, or the next
// element of the JSON array (the same bytes as the whole array written at once).
int RunAllHits(const SearchRequest& request, QTextStream& out, QTextStream& err) {
  if (!IsSearchable(request.query, request.start, request.options)) {
    err << "die Suche lief nicht (" << ReasonName(SearchStop::Rejected) << ")";
    return 2;
  }
  bool first = true;
  const auto write = [&](const HitRun& run) {
    if (request.jsonLines) {
      out << CompactJson(RunObject(run, request.start.moment.ephemeris)) << '\n';
    } else if (request.json) {
      out << (first ? "[" : ",") << CompactJson(RunObject(run, request.start.moment.ephemeris));
    } else {
      out << "first " << MomentText(run.alarm) << "  enters " << MomentText(run.enters) << "  exact "
          << MomentText(run.closest) << " (" << QString::number(run.leastDistance, 'f', 6) << "°)  leaves "
          << MomentText(run.leaves) << '\n';
    }
    first = false;
  };
  const AllHitsResult all = FindAllHits(request.query, request.start, request.options, write);
  if (request.json && !request.jsonLines) out << (first ? "[]" : "]") << '\n';
  const QString note = EphemerisNote(request.start.moment.ephemeris);
  if (!request.json && !note.isEmpty()) out << note << '\n';
  if (all.stop == SearchStop::Rejected || all.stop == SearchStop::Aborted) {
    err << "die Suche lief nicht (" << ReasonName(all.stop) << ")";
    return kRefused;
  }
  return kDone;
}

}  // namespace

void DefineSearchVerb(QCommandLineParser& parser) {
  parser.addPositionalArgument(
      QStringLiteral("ART"),
      QStringLiteral("picture A B C D (das Bild A/B = C/D) oder angle A B GRAD MIN (die Halbsumme "
                     "A/B bei GRAD Grad MIN Minuten des 22,5-Grad-Modus). Ein Faktor ist sein "
                     "Kürzel aus zwei Buchstaben in beliebiger Schreibung oder seine Nummer 0 bis 23; "
                     "-- oder 23 ist der Platzhalter."),
      QStringLiteral("picture A B C D | angle A B GRAD MIN"));
  parser.addOption({QStringLiteral("max-steps"),
                    QStringLiteral("Endet nach N geprüften Zeitpunkten (Grund max-steps)."), QStringLiteral("N")});
  parser.addOption({QStringLiteral("plain"),
                    QStringLiteral("Die einfache Schleife, ein ganzes Horoskop je Zeitpunkt, statt der schnellen Suche.")});
  parser.addOption({QStringLiteral("all"),
                    QStringLiteral("Jeden Aufenthalt im Orbis über den Zeitraum: wo der Alarm "
                                   "hält, wo der Orbis betreten wird, die größte Nähe und wo der "
                                   "Orbis verlassen wird, jeweils auf die Sekunde.")});
  parser.addOption({QStringLiteral("json"), QStringLiteral("Das Ergebnis als JSON.")});
  parser.addOption({QStringLiteral("json-lines"),
                    QStringLiteral("Mit --all: jeder Aufenthalt als eine JSON-Zeile, geschrieben, sobald er gefunden ist.")});
  parser.addOption({QStringLiteral("threads"),
                    QStringLiteral("Threads der Suche, 1 bis 64; ohne Angabe so viele, wie dieser Prozess "
                                   "CPUs nutzen darf (seine Affinität und CPU-Quote)."),
                    QStringLiteral("N")});
}

int RunSearchVerb(VerbCall& call) {
  SearchRequest request;
  QString error;
  if (!ReadRequest(call, request, error)) {
    call.err << error;
    return kRefused;
  }
  return request.all ? RunAllHits(request, call.out, call.err) : RunAlarm(request, call.out, call.err);
}

}  // namespace gyrolux::calc
