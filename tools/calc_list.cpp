// gyrolux-calc list: the lines of one list of the evaluation window or of an axis lookup,
// exactly as the list is built, before a view wraps them.
#include <cmath>

#include "engine/chart.h"
#include "engine/formatting.h"
#include "evaluation/ephemeris_note.h"
#include "evaluation/axis_lookup.h"
#include "evaluation/evaluation_lists.h"
#include "evaluation/mc_texts.h"
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
      QStringLiteral("KIND"),
      QStringLiteral("faktoren, alpha-code, winkel-code, halbsummen, mc-texte, grad-achse or hs-achse."));
  parser.addOptions(MomentOptions());
  parser.addOptions({
      {QStringLiteral("orb"), QStringLiteral("Orb in degrees, above 0 up to 11.25; 1.18 if not given."),
       QStringLiteral("O")},
      {QStringLiteral("textsfile"),
       QStringLiteral("The MC/MC texts file (mc-texte); looked for as mc-ergnw.txt if not given."),
       QStringLiteral("F")},
      {QStringLiteral("axis-deg"), QStringLiteral("The degrees of the axis as typed into \"Grad\" (grad-achse)."),
       QStringLiteral("D")},
      {QStringLiteral("axis-min"),
       QStringLiteral("The minutes of the axis as typed into \"Minuten\" (grad-achse)."), QStringLiteral("M")},
      {QStringLiteral("pair"), QStringLiteral("The two factors of the axis, any order, any case (hs-achse)."),
       QStringLiteral("A/B")},
      {QStringLiteral("next-days"),
       QStringLiteral("Presses \"Nächster Tag\" N times before the list is built; 0 if not given."),
       QStringLiteral("N")},
  });
}

int RunListVerb(const QCommandLineParser& parser, QTextStream& out, QTextStream& err) {
  const QString kind = parser.positionalArguments().value(0);
  static const QStringList kKinds = {QStringLiteral("faktoren"),   QStringLiteral("alpha-code"),
                                     QStringLiteral("winkel-code"), QStringLiteral("halbsummen"),
                                     QStringLiteral("mc-texte"),    QStringLiteral("grad-achse"),
                                     QStringLiteral("hs-achse")};
  if (!kKinds.contains(kind)) {
    err << "unknown list '" << kind << "' (one of " << kKinds.join(QStringLiteral(", ")) << ")";
    return 2;
  }
  QString error;
  Chart chart;
  if (!ReadMoment(parser, chart, error)) {
    err << error;
    return 2;
  }

  double orb = 0.0;
  if (!ReadOrbOption(parser, orb, error)) {
    err << error;
    return 2;
  }
  int nextDays = 0;
  if (IsSet(parser, "next-days")) {
    bool ok = false;
    nextDays = Option(parser, "next-days").toInt(&ok);
    if (!ok || nextDays < 0 || nextDays > kMostNextDays) {
      err << "invalid value '" << Option(parser, "next-days") << "' for --next-days (a whole number from 0 to "
          << kMostNextDays << ")";
      return 2;
    }
  }
  const bool degreeAxis = kind == QLatin1String("grad-achse"), midpointAxis = kind == QLatin1String("hs-achse");
  for (const char* option : {"axis-deg", "axis-min", "pair", "textsfile"}) {
    const bool belongs = (degreeAxis && (qstrcmp(option, "axis-deg") == 0 || qstrcmp(option, "axis-min") == 0)) ||
                         (midpointAxis && qstrcmp(option, "pair") == 0) ||
                         (kind == QLatin1String("mc-texte") && qstrcmp(option, "textsfile") == 0);
    if (IsSet(parser, option) && !belongs) {
      err << "option --" << option << " does not belong to the list '" << kind << "'";
      return 2;
    }
  }

  // The lookups check their fields before the day is stepped, as the window does.
  std::optional<DegreeAxisEntry> degreeEntry;
  std::optional<FactorPair> pair;
  if (degreeAxis) {
    if (!IsSet(parser, "axis-deg") || !IsSet(parser, "axis-min")) {
      err << "missing option --axis-deg or --axis-min";
      return 2;
    }
    degreeEntry = ReadDegreeAxis(Option(parser, "axis-deg"), Option(parser, "axis-min"));
    if (!degreeEntry) {
      err << LookupTexts(AxisLookupKind::Degree).checkMessage;
      return 2;
    }
  }
  if (midpointAxis) {
    if (!IsSet(parser, "pair")) {
      err << "missing option --pair";
      return 2;
    }
    const QStringList names = Option(parser, "pair").split(u'/');
    if (names.size() == 2) pair = ReadAxisPair(names[0], names[1]);
    if (!pair) {
      err << LookupTexts(AxisLookupKind::Midpoint).checkMessage;
      return 2;
    }
  }

  RecomputeChart(chart);
  for (int day = 0; day < nextDays; ++day) {
    if (!StepLookupDay(chart)) {
      err << "--next-days " << nextDays << " steps past 31.12.9999";
      return 2;
    }
  }

  QStringList lines;
  if (kind == QLatin1String("faktoren")) {
    lines = FactorsList(chart);
  } else if (kind == QLatin1String("alpha-code")) {
    lines = AlphaCodeList(chart);
  } else if (kind == QLatin1String("winkel-code")) {
    lines = WinkelCodeList(chart);
  } else if (kind == QLatin1String("halbsummen")) {
    lines = MidpointsList(chart, orb);
  } else if (kind == QLatin1String("mc-texte")) {
    const std::optional<QString> path =
        IsSet(parser, "textsfile") ? std::optional<QString>(Option(parser, "textsfile")) : FindMcTextsFile(McTextsFolders());
    const McTextsList list = BuildMcTextsList(chart, orb, path);
    if (!list.message.isEmpty()) {
      err << list.message;
      return 2;
    }
    lines = list.lines;
  } else if (degreeAxis) {
    lines = DegreeAxisList(chart, DegreeAxisValue(*degreeEntry), orb);
  } else {
    lines = MidpointAxisList(chart, *pair, orb);
  }
  lines = WithEphemerisNote(lines, chart.moment);
  for (const QString& line : lines) out << line << '\n';
  return 0;
}

}  // namespace gyrolux::calc
