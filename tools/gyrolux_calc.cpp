// gyrolux-calc: the chart engine and the lists without a window. The first argument
// names the verb, the rest belongs to the verb; each verb lives in its own file.
#include "tools/gyrolux_calc.h"

#include <algorithm>

#include <QCoreApplication>
#include <QSet>
#include <QTextStream>

#include "ephemeris/swiss_sky.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {
namespace {

// To add a verb: a file calc_VERB.cpp with its define and run functions (calc_verbs.h),
// a row here and the file in CMakeLists.txt.
constexpr Verb kVerbs[] = {
    {.name = "chart",
     .summary = "One chart: the factors as a table, or all its numbers as JSON.",
     .define = DefineChartVerb,
     .run = RunChartVerb},
    {.name = "axes",
     .summary = "The four main-axis lists and the stellium line of one moment.",
     .define = DefineAxesVerb,
     .run = RunAxesVerb},
    {.name = "list",
     .summary = "One list of the evaluation window or an axis lookup, line by line.",
     .define = DefineListVerb,
     .run = RunListVerb,
     .leastArguments = 1,
     .mostArguments = 1},
    {.name = "draw",
     .summary = "One of the diagrams of a moment as WMF, PDF, SVG or PNG.",
     .define = DefineDrawVerb,
     .run = RunDrawVerb,
     .leastArguments = 1,
     .mostArguments = 1,
     .drawsWithFonts = true},
    {.name = "search",
     .summary = "The alarm searches: the first moment of a planetary picture or of a midpoint "
                "at an angle, or every stay within the orb.",
     .define = DefineSearchVerb,
     .run = RunSearchVerb,
     .leastArguments = 5,
     .mostArguments = 5,
     .dashDashArgument = "23"},
};

QString Program() { return QStringLiteral("gyrolux-calc"); }

QCommandLineOption HelpOption() {
  return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Displays this help."));
}

// Qt's help text, which names the program by the path it was started with; that path
// becomes usage ("gyrolux-calc chart").
QString HelpText(const QCommandLineParser& parser, const QString& usage) {
  QString text = parser.helpText();
  const QString start =
      QCommandLineParser::tr("Usage: %1").arg(QCoreApplication::arguments().value(0));
  if (text.startsWith(start)) text.replace(0, start.size(), QStringLiteral("Usage: ") + usage);
  return text;
}

// Writes "WHO: complaint" as one line: line ends and other control characters in the
// complaint (an argument quoted back may hold any) are written as \uXXXX.
void Complain(QTextStream& err, const QString& who, const QString& complaint) {
  QString line = who + QStringLiteral(": ");
  for (QChar c : complaint.trimmed()) {
    const QChar::Category category = c.category();
    if (category == QChar::Other_Control || category == QChar::Separator_Line ||
        category == QChar::Separator_Paragraph) {
      line += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    } else {
      line += c;
    }
  }
  err << line << '\n';
}

int RunVerb(const Verb& verb, const QStringList& arguments, QTextStream& out, QTextStream& err) {
  const QString who = Program() + u' ' + QLatin1String(verb.name);
  QCommandLineParser parser;
  parser.setApplicationDescription(QString::fromUtf8(verb.summary));
  const QCommandLineOption help = HelpOption();
  parser.addOption(help);
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
    return 2;
  }
  if (parser.isSet(help)) {
    out << HelpText(parser, who);
    return 0;
  }
  // QCommandLineParser keeps every value of a repeated option; here an option counts once.
  QSet<QString> seen;
  for (const QString& name : parser.optionNames()) {
    if (seen.contains(name) || parser.values(name).size() > 1) {
      const QString dashes = name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
      Complain(err, who, QStringLiteral("option %1%2 given twice").arg(dashes, name));
      return 2;
    }
    seen.insert(name);
  }
  const QStringList positional = parser.positionalArguments();
  if (positional.size() > verb.mostArguments) {
    Complain(err, who,
             QStringLiteral("unexpected argument '%1'").arg(positional[verb.mostArguments]));
    return 2;
  }
  if (positional.size() < verb.leastArguments) {
    Complain(err, who, QStringLiteral("missing arguments (see %1 --help)").arg(who));
    return 2;
  }
  // The verb writes into buffers, so that a failure leaves stdout empty.
  QString result, complaint;
  QTextStream resultStream(&result), complaintStream(&complaint);
  const int status = verb.run(parser, resultStream, complaintStream);
  resultStream.flush();
  complaintStream.flush();
  if (status == 0) {
    out << result;
  } else {
    Complain(err, who, complaint);
  }
  return status;
}

QString TopHelpText(const QCommandLineParser& parser) {
  QString text = HelpText(parser, Program()) + QStringLiteral("\nVerbs:\n");
  qsizetype width = 0;
  for (const Verb& verb : kVerbs) width = std::max<qsizetype>(width, qstrlen(verb.name));
  for (const Verb& verb : kVerbs) {
    text += QStringLiteral("  ") + QLatin1String(verb.name).toString().leftJustified(width + 2) +
            QString::fromUtf8(verb.summary) + u'\n';
  }
  return text;
}

}  // namespace

int RunCalc(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  // --ephemeris swiss computes in the modern sky (ephemeris/).
  InstallSwissSky();
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("The chart engine and the lists of the clock without a window."));
  // Everything after the verb is the verb's, its options included.
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  const QCommandLineOption help = HelpOption();
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(
      QStringLiteral("VERB"),
      QStringLiteral("One of the verbs below; \"gyrolux-calc VERB --help\" shows its options."),
      QStringLiteral("VERB [VERB options]"));
  if (!parser.parse(arguments)) {
    Complain(err, Program(), parser.errorText());
    return 2;
  }
  if (parser.isSet(help)) {
    out << TopHelpText(parser);
    return 0;
  }
  if (parser.isSet(version)) {
    out << Program() << u' ' << QCoreApplication::applicationVersion() << '\n';
    return 0;
  }
  QStringList rest = parser.positionalArguments();
  if (rest.isEmpty()) {
    err << TopHelpText(parser);
    return 2;
  }
  const QString name = rest.takeFirst();
  for (const Verb& verb : kVerbs) {
    if (name == QLatin1String(verb.name)) return RunVerb(verb, rest, out, err);
  }
  Complain(err, Program(), QStringLiteral("unknown verb '%1'").arg(name));
  return 2;
}

bool VerbDrawsWithFonts(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] == '-') continue;
    for (const Verb& verb : kVerbs) {
      if (qstrcmp(argv[i], verb.name) == 0) return verb.drawsWithFonts;
    }
    return false;
  }
  return false;
}

}  // namespace gyrolux::calc
