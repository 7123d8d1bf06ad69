// gyrolux-calc: the chart engine and the lists without a window. The first argument
// names the verb, the rest belongs to the verb; each verb lives in its own file.
#include "tools/gyrolux_calc.h"

#include <algorithm>
#include <utility>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTextStream>
#include <QTranslator>

#include "ephemeris/sky_tables.h"
#include "ephemeris/swiss_sky.h"
#include "platform/data_folders.h"
#include "tools/calc_args.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {
namespace {

constexpr const char* kOrbHelp = "Orbis in Grad, über 0 bis 11.25; ohne Angabe 1.18.";

// To add a verb: a file calc_VERB.cpp with its define and run functions (calc_verbs.h),
// a row here, the file in CMakeLists.txt and a section in packaging/gyrolux-calc.1.
constexpr Verb kVerbs[] = {
    {.name = "chart",
     .summary = "Ein Horoskop: die Faktoren als Tabelle oder alle seine Zahlen als JSON.",
     .define = DefineChartVerb,
     .run = RunChartVerb,
     .readsMoment = true,
     .radixHelp = "Dazu eine Radix der Radix-Kartei, bei ihrem Namen genannt: als zweite Tabelle, bei "
                  "--json unter \"radix\"."},
    {.name = "axes",
     .summary = "Die vier Hauptachsen-Listen und die Stellium-Zeile eines Zeitpunkts.",
     .define = DefineAxesVerb,
     .run = RunAxesVerb,
     .readsMoment = true,
     .orbHelp = kOrbHelp,
     .radixHelp = "Dazu eine Radix der Radix-Kartei, bei ihrem Namen genannt: ihre Faktoren und "
                  "Halbsummen auf den vier Hauptachsen folgen den Listen."},
    {.name = "list",
     .summary = "Eine Liste des Auswertungsfensters oder eine Achsenabfrage, Zeile für Zeile.",
     .define = DefineListVerb,
     .run = RunListVerb,
     .leastArguments = 1,
     .mostArguments = 1,
     .readsMoment = true,
     .orbHelp = kOrbHelp,
     .radixHelp = "Die Radix der Listen gegen die Radix (transite, sonnenbogen, progression, summen): eine "
                  "Radix der Radix-Kartei, bei ihrem Namen genannt."},
    {.name = "draw",
     .summary = "Eines der Diagramme eines Zeitpunkts als WMF, PDF, SVG oder PNG.",
     .define = DefineDrawVerb,
     .run = RunDrawVerb,
     .leastArguments = 1,
     .mostArguments = 1,
     .readsMoment = true,
     .drawsWithFonts = true,
     .kindWithoutMoment = "ephemeris"},
    {.name = "search",
     .summary = "Die Alarmsuchen: der erste Zeitpunkt eines Planetenbilds oder einer Halbsumme "
                "bei einem Winkel, oder jeder Aufenthalt im Orbis.",
     .define = DefineSearchVerb,
     .run = RunSearchVerb,
     .leastArguments = 5,
     .mostArguments = 5,
     .readsMoment = true,
     .orbHelp = "Orbis der Bildsuche in Grad, 0 bis 11.25; ohne Angabe 1.18. Die Winkelsuche "
                "nimmt immer 1.1.",
     .orbMayBeZero = true,
     .dashDashArgument = "23",
     .writesAsItGoes = true},
    {.name = "radix",
     .summary = "Die Radix-Kartei: Radix-Daten erfassen, auflisten, zeigen, löschen, importieren und exportieren.",
     .define = DefineRadixVerb,
     .run = RunRadixVerb,
     .leastArguments = 1,
     .mostArguments = 2},
    {.name = "atlas",
     .summary = "Der Atlas: einen Ort bei seinem Namen finden.",
     .define = DefineAtlasVerb,
     .run = RunAtlasVerb,
     .leastArguments = 2,
     .mostArguments = 2},
    {.name = "events",
     .summary = "Die Transite und Direktionen auf eine Radix über einen Zeitraum: Eintritt, exakt und Austritt "
                "jedes Durchgangs, als Text, JSON, CSV oder iCalendar.",
     .define = DefineEventsVerb,
     .run = RunEventsVerb,
     .orbHelp = kOrbHelp,
     .writesAsItGoes = true},
};

QString Program() { return QStringLiteral("gyrolux-calc"); }

// QCommandLineParser's complaints in German: it asks the application's translators for
// them, so one is installed while the arguments are parsed.
class GermanParserTexts final : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    static constexpr std::pair<const char*, const char*> kTexts[] = {
        {"Unknown option '%1'.", "unbekannte Option '%1'"},
        {"Unknown options: %1.", "unbekannte Optionen: %1"},
        {"Missing value after '%1'.", "Wert nach '%1' fehlt"},
        {"Unexpected value after '%1'.", "unerwarteter Wert nach '%1'"},
    };
    if (qstrcmp(context, "QCommandLineParser") != 0) return {};
    for (const auto& [english, german] : kTexts) {
      if (qstrcmp(source, english) == 0) return QString::fromUtf8(german);
    }
    return {};
  }
};

QCommandLineOption HelpOption() {
  return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Zeigt diese Hilfe an."));
}

// Qt's help text, which names the program by the path it was started with; that path
// becomes usage ("gyrolux-calc chart").
QString HelpText(const QCommandLineParser& parser, const QString& usage) {
  QString text = parser.helpText();
  const QString start =
      QCommandLineParser::tr("Usage: %1").arg(QCoreApplication::arguments().value(0));
  if (text.startsWith(start)) text.replace(0, start.size(), QCommandLineParser::tr("Usage: %1").arg(usage));
  return text;
}

// Writes "WHO: complaint" as one line: line ends and other control characters in the
// complaint (an argument quoted back, a reason set on a line of its own) become blanks.
void Complain(QTextStream& err, const QString& who, const QString& complaint) {
  QString line = who + QStringLiteral(": ");
  for (QChar c : complaint.trimmed()) {
    const QChar::Category category = c.category();
    const bool breaks = category == QChar::Other_Control || category == QChar::Separator_Line ||
                        category == QChar::Separator_Paragraph;
    line += breaks ? QChar(u' ') : c;
  }
  err << line << '\n';
  err.flush();
}

// Writes the result and checks that it arrived: a full disk or a closed pipe behind stdout
// is a failure, not a silent success.
int Deliver(QTextStream& out, QTextStream& err, const QString& who, const QString& text) {
  out << text;
  out.flush();
  if (out.status() == QTextStream::Ok) return kDone;
  Complain(err, who, QStringLiteral("Schreibfehler auf der Standardausgabe"));
  return kFailed;
}

// The first step of the verbs: the sky read; for those that work on a moment the moment
// read and computed in it, the orb read and the radix loaded, computed in the same sky.
bool ReadFirstStep(const Verb& verb, VerbCall& call, QString& error) {
  if (!ReadEphemeris(call.parser, call.ephemeris, error)) return false;
  if (verb.radixHelp != nullptr) {
    const bool named = call.parser.isSet(QStringLiteral("radix"));
    if (call.parser.isSet(QStringLiteral("db")) && !named) {
      error = QStringLiteral("--db gilt nur mit --radix");
      return false;
    }
    if (named) {
      Chart radix;
      if (!ReadLibraryRadix(call.parser, radix, error) || !TakeEphemeris(call.ephemeris, radix.moment, error)) return false;
      RecomputeChart(radix);
      call.radix = radix;
      call.radixName = call.parser.value(QStringLiteral("radix"));
    }
  }
  const bool momentFree =
      verb.kindWithoutMoment && call.parser.positionalArguments().value(0) == QLatin1String(verb.kindWithoutMoment);
  if (verb.readsMoment && !momentFree) {
    if (!ReadMoment(call.parser, call.chart, error) || !TakeEphemeris(call.ephemeris, call.chart.moment, error)) return false;
    RecomputeChart(call.chart);
  }
  return verb.orbHelp == nullptr || ReadOrbOption(call.parser, call.orb, error, verb.orbMayBeZero);
}

int RunVerb(const Verb& verb, const QStringList& arguments, QTextStream& out, QTextStream& err) {
  const QString who = Program() + u' ' + QLatin1String(verb.name);
  QCommandLineParser parser;
  parser.setApplicationDescription(QString::fromUtf8(verb.summary));
  const QCommandLineOption help = HelpOption();
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  parser.addOption(EphemerisOption());
  if (verb.readsMoment) parser.addOptions(MomentOptions());
  if (verb.orbHelp != nullptr) {
    parser.addOption({QStringLiteral("orb"), QString::fromUtf8(verb.orbHelp), QStringLiteral("O")});
  }
  if (verb.radixHelp != nullptr) {
    parser.addOptions({{QStringLiteral("radix"), QString::fromUtf8(verb.radixHelp), QStringLiteral("NAME")},
                       {QStringLiteral("db"),
                        QStringLiteral("Die Datei der Radix-Kartei (Vorgabe: $GYROLUX_CHARTS, sonst "
                                       "$XDG_DATA_HOME/gyrolux/charts.sqlite)."),
                        QStringLiteral("DATEI")}});
  }
  verb.define(parser);
  QStringList given = arguments;
  if (verb.dashDashArgument != nullptr) {
    for (QString& argument : given) {
      if (argument == u"--") argument = QLatin1String(verb.dashDashArgument);
    }
  }
  // parse(), not process(): process() would print Qt's own messages and exit by itself.
  if (!parser.parse(QStringList{who} + given)) {
    Complain(err, who, parser.errorText());
    return kRefused;
  }
  if (parser.isSet(help)) return Deliver(out, err, who, HelpText(parser, who));
  if (parser.isSet(version)) {
    return Deliver(out, err, who, Program() + u' ' + QStringLiteral(GYROLUX_VERSION) + u'\n');
  }
  // QCommandLineParser keeps every value of a repeated option; here an option counts once.
  QSet<QString> seen;
  for (const QString& name : parser.optionNames()) {
    if (seen.contains(name) || parser.values(name).size() > 1) {
      const QString dashes = name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
      Complain(err, who, QStringLiteral("Option %1%2 ist doppelt angegeben").arg(dashes, name));
      return kRefused;
    }
    seen.insert(name);
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.size() > verb.mostArguments) {
    Complain(err, who, QStringLiteral("unerwartetes Argument '%1'").arg(positional[verb.mostArguments]));
    return kRefused;
  }
  if (positional.size() < verb.leastArguments) {
    Complain(err, who, QStringLiteral("Argumente fehlen (siehe %1 --help)").arg(who));
    return kRefused;
  }
  // The verb writes into buffers, so that a failure leaves stdout empty.
  QString result, complaint;
  QTextStream resultStream(&result), complaintStream(&complaint);
  VerbCall call{.parser = parser, .out = verb.writesAsItGoes ? out : resultStream, .err = complaintStream, .chart = {}, .orb = kPictureOrb, .radix = {}, .radixName = {}};
  if (!ReadFirstStep(verb, call, complaint)) {
    Complain(err, who, complaint);
    return kRefused;
  }
  const int status = verb.run(call);
  resultStream.flush();
  complaintStream.flush();
  if (status != kDone) {
    Complain(err, who, complaint);
    return status;
  }
  return Deliver(out, err, who, result);
}

QString TopHelpText(const QCommandLineParser& parser) {
  QString text = HelpText(parser, Program()) + QStringLiteral("\nVerben:\n");
  QList<std::pair<QString, QString>> rows;
  for (const Verb& verb : kVerbs) rows.append({QLatin1String(verb.name), QString::fromUtf8(verb.summary)});
  rows.append({QStringLiteral("help"), QStringLiteral("Die Optionen eines Verbs: \"gyrolux-calc help VERB\".")});
  qsizetype width = 0;
  for (const auto& row : rows) width = std::max(width, row.first.size());
  for (const auto& [name, summary] : rows) text += QStringLiteral("  ") + name.leftJustified(width + 2) + summary + u'\n';
  return text;
}

const Verb* FindVerb(const QString& name) {
  for (const Verb& verb : kVerbs) {
    if (name == QLatin1String(verb.name)) return &verb;
  }
  return nullptr;
}

int RunCalcParsed(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  // --ephemeris swiss computes in the modern sky (ephemeris/).
  InstallSwissSky();
  // Its fitted spans from the tables shipped with the program, where they are.
  UseSkyTables(FindFileInFolders(ProgramDataFolders(), QLatin1String(kSkyTablesFileName)).value_or(QString()));
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Das Rechenwerk und die Listen der Uhr ohne Fenster."));
  // Everything after the verb is the verb's, its options included.
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  const QCommandLineOption help = HelpOption();
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(
      QStringLiteral("VERB"),
      QStringLiteral("Eines der Verben unten; \"gyrolux-calc VERB --help\" zeigt seine Optionen."),
      QStringLiteral("VERB [Optionen des Verbs]"));
  if (!parser.parse(arguments)) {
    Complain(err, Program(), parser.errorText());
    return kRefused;
  }
  if (parser.isSet(help)) return Deliver(out, err, Program(), TopHelpText(parser));
  if (parser.isSet(version)) {
    return Deliver(out, err, Program(), Program() + u' ' + QStringLiteral(GYROLUX_VERSION) + u'\n');
  }
  QStringList rest = parser.positionalArguments();
  if (rest.isEmpty()) {
    err << TopHelpText(parser);
    return kRefused;
  }
  const QString name = rest.takeFirst();
  if (name == u"help") {
    if (rest.isEmpty() || rest == QStringList{QStringLiteral("--help")} || rest == QStringList{QStringLiteral("-h")}) {
      return Deliver(out, err, Program(), TopHelpText(parser));
    }
    const Verb* verb = rest.size() == 1 ? FindVerb(rest[0]) : nullptr;
    if (verb != nullptr) return RunVerb(*verb, {QStringLiteral("--help")}, out, err);
    Complain(err, Program() + QStringLiteral(" help"),
             QStringLiteral("unbekanntes Verb '%1'").arg(rest.join(u' ')));
    return kRefused;
  }
  if (const Verb* verb = FindVerb(name)) return RunVerb(*verb, rest, out, err);
  Complain(err, Program(), QStringLiteral("unbekanntes Verb '%1'").arg(name));
  return kRefused;
}

}  // namespace

void PrintJsonLine(const QJsonValue& value, QTextStream& out) {
  const QJsonDocument document = value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
  out << QString::fromUtf8(document.toJson(QJsonDocument::Compact)) << '\n';
}

int RunCalc(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  GermanParserTexts german;
  QCoreApplication::installTranslator(&german);
  const int status = RunCalcParsed(arguments, out, err);
  QCoreApplication::removeTranslator(&german);
  return status;
}

bool VerbDrawsWithFonts(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] == '-') continue;
    const Verb* verb = FindVerb(QString::fromLocal8Bit(argv[i]));
    return verb != nullptr && verb->drawsWithFonts;
  }
  return false;
}

}  // namespace gyrolux::calc
