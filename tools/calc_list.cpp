// gyrolux-calc list: the lines of one list of the evaluation window or of an axis lookup,
// exactly as the list is built, before a view wraps them.
#include <cmath>

#include <QJsonArray>
#include <QJsonObject>

#include "engine/chart.h"
#include "engine/formatting.h"
#include "ephemeris/ephemeris_choice.h"
#include "evaluation/ephemeris_note.h"
#include "evaluation/axis_lookup.h"
#include "evaluation/evaluation_lists.h"
#include "evaluation/mc_texts.h"
#include "events/radix_lists.h"
#include "tools/calc_args.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

namespace {

// The most "&Nächster Tag" presses one call makes: a little over 270 years.
constexpr int kMostNextDays = 100000;

QString Option(const QCommandLineParser& parser, const char* name) {
  return parser.value(QString::fromLatin1(name));
}

bool IsSet(const QCommandLineParser& parser, const char* name) { return parser.isSet(QString::fromLatin1(name)); }

}  // namespace

void DefineListVerb(QCommandLineParser& parser) {
  parser.addPositionalArgument(
      QStringLiteral("ART"),
      QStringLiteral("faktoren, alpha-code, winkel-code, halbsummen, mc-texte, grad-achse oder hs-achse; mit "
                     "--radix auch transite, sonnenbogen, progression oder summen."));
  parser.addOptions({
      {QStringLiteral("textsfile"),
       QStringLiteral("Die Datei der MC/MC-Texte (mc-texte); ohne Angabe wird mc-ergnw.txt gesucht."),
       QStringLiteral("F")},
      {QStringLiteral("axis-deg"), QStringLiteral("Die Grad der Achse, wie in \"Grad\" eingetippt (grad-achse)."),
       QStringLiteral("G")},
      {QStringLiteral("axis-min"),
       QStringLiteral("Die Minuten der Achse, wie in \"Minuten\" eingetippt (grad-achse)."), QStringLiteral("M")},
      {QStringLiteral("pair"), QStringLiteral("Die beiden Faktoren der Achse, in beliebiger Reihenfolge und Schreibung (hs-achse)."),
       QStringLiteral("A/B")},
      {QStringLiteral("next-days"),
       QStringLiteral("Drückt N-mal \"Nächster Tag\", bevor die Liste entsteht; ohne Angabe 0."),
       QStringLiteral("N")},
      {QStringLiteral("json"), QStringLiteral("Die Liste als ein JSON-Objekt.")},
  });
}

int RunListVerb(VerbCall& call) {
  const QCommandLineParser& parser = call.parser;
  QTextStream& err = call.err;
  Chart& chart = call.chart;
  const Orb orb = call.orb;
  const QString kind = parser.positionalArguments().value(0);
  static const QStringList kKinds = {QStringLiteral("faktoren"),   QStringLiteral("alpha-code"),
                                     QStringLiteral("winkel-code"), QStringLiteral("halbsummen"),
                                     QStringLiteral("mc-texte"),    QStringLiteral("grad-achse"),
                                     QStringLiteral("hs-achse")};
  const std::optional<RadixListKind> radixKind = RadixListKindOf(kind);
  if (!kKinds.contains(kind) && !radixKind) {
    err << "unbekannte Liste '" << kind << "' (eine von " << kKinds.join(QStringLiteral(", "))
        << ", transite, sonnenbogen, progression, summen)";
    return kRefused;
  }
  if (call.radix.has_value() != radixKind.has_value()) {
    err << (radixKind ? MissingOptionText(QStringLiteral("radix"))
                      : QStringLiteral("Option --radix gehört nicht zur Liste '%1'").arg(kind));
    return kRefused;
  }
  int nextDays = 0;
  if (IsSet(parser, "next-days")) {
    bool ok = false;
    nextDays = Option(parser, "next-days").toInt(&ok);
    if (!ok || nextDays < 0 || nextDays > kMostNextDays) {
      err << "ungültiger Wert '" << Option(parser, "next-days") << "' für --next-days (eine ganze Zahl von 0 bis "
          << kMostNextDays << ")";
      return kRefused;
    }
  }
  const bool degreeAxis = kind == QLatin1String("grad-achse"), midpointAxis = kind == QLatin1String("hs-achse");
  for (const char* option : {"axis-deg", "axis-min", "pair", "textsfile"}) {
    const bool belongs = (degreeAxis && (qstrcmp(option, "axis-deg") == 0 || qstrcmp(option, "axis-min") == 0)) ||
                         (midpointAxis && qstrcmp(option, "pair") == 0) ||
                         (kind == QLatin1String("mc-texte") && qstrcmp(option, "textsfile") == 0);
    if (IsSet(parser, option) && !belongs) {
      err << "Option --" << option << " gehört nicht zur Liste '" << kind << "'";
      return kRefused;
    }
  }

  // The lookups check their fields before the day is stepped, as the window does.
  std::optional<DegreeAxisEntry> degreeEntry;
  std::optional<FactorPair> pair;
  if (degreeAxis) {
    if (!IsSet(parser, "axis-deg") || !IsSet(parser, "axis-min")) {
      err << MissingOptionText(QString::fromLatin1(IsSet(parser, "axis-deg") ? "axis-min" : "axis-deg"));
      return kRefused;
    }
    degreeEntry = ReadDegreeAxis(Option(parser, "axis-deg"), Option(parser, "axis-min"));
    if (!degreeEntry) {
      err << LookupTexts(AxisLookupKind::Degree).checkMessage;
      return kRefused;
    }
  }
  if (midpointAxis) {
    if (!IsSet(parser, "pair")) {
      err << MissingOptionText(QStringLiteral("pair"));
      return kRefused;
    }
    const QStringList names = Option(parser, "pair").split(u'/');
    if (names.size() == 2) pair = ReadAxisPair(names[0], names[1]);
    if (!pair) {
      err << LookupTexts(AxisLookupKind::Midpoint).checkMessage;
      return kRefused;
    }
  }

  for (int day = 0; day < nextDays; ++day) {
    if (!StepLookupDay(chart)) {
      err << "--next-days " << nextDays << " führt über den 31.12.9999 hinaus";
      return kRefused;
    }
  }

  QStringList lines;
  if (radixKind) {
    lines = RadixList(*radixKind, chart, call.radixName, *call.radix, orb);
  } else if (kind == QLatin1String("faktoren")) {
    lines = FactorsList(chart);
  } else if (kind == QLatin1String("alpha-code")) {
    lines = AlphaCodeList(chart);
  } else if (kind == QLatin1String("winkel-code")) {
    lines = WinkelCodeList(chart);
  } else if (kind == QLatin1String("halbsummen")) {
    lines = MidpointsList(chart, orb);
  } else if (kind == QLatin1String("mc-texte")) {
    const bool named = IsSet(parser, "textsfile");
    const std::optional<QString> path =
        named ? std::optional<QString>(Option(parser, "textsfile")) : FindMcTextsFile(McTextsFolders());
    const McTextsList list = BuildMcTextsList(chart, orb, path);
    if (!list.message.isEmpty()) {
      // A file named on the command line is named back, not the one looked for.
      err << (named && list.message == MissingMcTextsMessage()
                  ? QStringLiteral("Die Datei %1 fehlt oder kann nicht gelesen werden.").arg(*path)
                  : list.message);
      return kFailed;
    }
    lines = list.lines;
  } else if (degreeAxis) {
    lines = DegreeAxisList(chart, DegreeAxisValue(*degreeEntry), orb);
  } else {
    lines = MidpointAxisList(chart, *pair, orb);
  }
  if (IsSet(parser, "json")) {
    // The keys are listed in gyrolux-calc.1.
    PrintJsonLine(QJsonObject{{QStringLiteral("kind"), kind},
                              {QStringLiteral("lines"), QJsonArray::fromStringList(lines)},
                              {QStringLiteral("ephemeris"), EphemerisKey(chart.moment.ephemeris)}},
                  call.out);
  } else {
    for (const QString& line : WithEphemerisNote(lines, chart.moment)) call.out << line << '\n';
  }
  return kDone;
}

}  // namespace gyrolux::calc
