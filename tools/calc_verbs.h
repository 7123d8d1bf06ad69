#pragma once

#include <QCommandLineParser>
#include <QTextStream>

namespace gyrolux::calc {

// One verb of gyrolux-calc, a row of the table in gyrolux_calc.cpp.
//
// define adds the verb's options (QCommandLineParser::addOption) and describes its
// positional arguments (addPositionalArgument), so that "gyrolux-calc VERB --help" shows
// them; -h/--help is added by the entry. A verb with kinds ("list KIND") takes the kind
// as its first positional argument, names the kinds in that argument's description and
// checks the kind and the arguments that follow it in run.
//
// Before run is called the entry refuses an unknown option, a missing or unexpected
// value, a repeated option and fewer than leastArguments or more than mostArguments
// positional arguments.
//
// run does the work on the parsed arguments and returns the exit status: it writes its
// result to out, or a complaint about a bad argument to err (without "gyrolux-calc VERB:"
// and without line end) and returns 2. out reaches stdout only when run returns 0, err
// reaches stderr, as one line after "gyrolux-calc VERB: ", only when it does not.
struct Verb {
  const char* name;
  const char* summary;  // one line, shown by "gyrolux-calc --help" and "VERB --help"
  void (*define)(QCommandLineParser& parser);
  int (*run)(const QCommandLineParser& parser, QTextStream& out, QTextStream& err);
  int leastArguments = 0;
  int mostArguments = 0;
  // The verb draws with fonts: the program then runs on a QGuiApplication (on the offscreen
  // platform unless QT_QPA_PLATFORM names another) instead of a QCoreApplication.
  bool drawsWithFonts = false;
  // What a lone "--" stands for when the verb takes it as an argument (the placeholder
  // factor of the search), rather than as the end of the options; nullptr: the end.
  const char* dashDashArgument = nullptr;
};

void DefineChartVerb(QCommandLineParser& parser);
int RunChartVerb(const QCommandLineParser& parser, QTextStream& out, QTextStream& err);

void DefineAxesVerb(QCommandLineParser& parser);
int RunAxesVerb(const QCommandLineParser& parser, QTextStream& out, QTextStream& err);

void DefineListVerb(QCommandLineParser& parser);
int RunListVerb(const QCommandLineParser& parser, QTextStream& out, QTextStream& err);
void DefineDrawVerb(QCommandLineParser& parser);
int RunDrawVerb(const QCommandLineParser& parser, QTextStream& out, QTextStream& err);
void DefineSearchVerb(QCommandLineParser& parser);
int RunSearchVerb(const QCommandLineParser& parser, QTextStream& out, QTextStream& err);
void DefineRadixVerb(QCommandLineParser& parser);
int RunRadixVerb(const QCommandLineParser& parser, QTextStream& out, QTextStream& err);
void DefineAtlasVerb(QCommandLineParser& parser);
int RunAtlasVerb(const QCommandLineParser& parser, QTextStream& out, QTextStream& err);

}  // namespace gyrolux::calc
