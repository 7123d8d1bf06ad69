#pragma once

#include <optional>

#include <QCommandLineParser>
#include <QJsonValue>
#include <QTextStream>

#include "engine/chart.h"
#include "engine/dial_mode.h"
#include "platform/picture.h"
#include "session/session.h"

namespace gyrolux::calc {

// What a verb's run is handed. The entry has parsed the arguments, read --ephemeris into
// ephemeris (every verb takes it) and, for a verb that reads a moment (Verb::readsMoment), read --date, --hours, --lon and --lat into chart and
// computed it, and read --orb (Verb::orbHelp) into orb: the shared first step of those
// verbs, so that a verb starts from a checked chart.
struct VerbCall {
  const QCommandLineParser& parser;
  QTextStream& out;  // the result; reaches stdout only when run returns 0
  QTextStream& err;  // a complaint, without "gyrolux-calc VERB:" and without line end
  Chart chart;       // computed at the moment given in the sky given (readsMoment), else default
  Ephemeris ephemeris = Ephemeris::Model;
  Orb orb = kPictureOrb;  // the --orb given, or the pictures' orb
  // The radix of --radix NAME [--db FILE] (Verb::radixHelp), loaded and computed; none
  // when --radix is not given.
  std::optional<Chart> radix;
  QString radixName;
};

// The exit status of run: 0 done, 1 a failure while working (a file that cannot be read
// or written), 2 a refused argument. err reaches stderr, as one line after
// "gyrolux-calc VERB: ", only when run does not return 0.
inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;
inline constexpr int kRefused = 2;

// One verb of gyrolux-calc, a row of the table in gyrolux_calc.cpp.
//
// define adds the verb's own options (QCommandLineParser::addOption) and describes its
// positional arguments (addPositionalArgument), so that "gyrolux-calc VERB --help" shows
// them; -h/--help, --version, --ephemeris and the options of the first step are added by
// the entry. A verb with kinds ("list KIND") takes the kind as its first positional argument, names the
// kinds in that argument's description and checks the kind and the arguments that follow
// it in run.
//
// Before run is called the entry refuses an unknown option, a missing or unexpected
// value, a repeated option, fewer than leastArguments or more than mostArguments
// positional arguments, and a moment or orb it cannot read.
struct Verb {
  const char* name;
  const char* summary;  // one line, shown by "gyrolux-calc --help" and "VERB --help"
  void (*define)(QCommandLineParser& parser);
  int (*run)(VerbCall& call);
  int leastArguments = 0;
  int mostArguments = 0;
  // The verb works on one moment: --date, --hours, --lon and --lat are required.
  bool readsMoment = false;
  // The verb takes --orb, described by this text (nullptr: no --orb). The orb lies above
  // 0 (with orbMayBeZero at 0 or above) and at most at half the 22.5-degree mode.
  const char* orbHelp = nullptr;
  bool orbMayBeZero = false;
  // The verb takes --radix NAME [--db FILE], described by this text (nullptr: neither);
  // the entry loads the radix from the library into VerbCall::radix.
  const char* radixHelp = nullptr;
  // The verb draws with fonts: the program then runs on a QGuiApplication (on the offscreen
  // platform unless QT_QPA_PLATFORM names another) instead of a QCoreApplication.
  bool drawsWithFonts = false;
  // What a lone "--" stands for when the verb takes it as an argument (the placeholder
  // factor of the search), rather than as the end of the options; nullptr: the end.
  const char* dashDashArgument = nullptr;
  // The verb writes to the output as it goes (a long list, streamed), having checked
  // everything that could fail before its first line.
  bool writesAsItGoes = false;
  // The kind (first positional argument) for which the verb reads no moment although
  // readsMoment is set; nullptr: none.
  const char* kindWithoutMoment = nullptr;
};

void DefineChartVerb(QCommandLineParser& parser);
int RunChartVerb(VerbCall& call);
void DefineAxesVerb(QCommandLineParser& parser);
int RunAxesVerb(VerbCall& call);
void DefineListVerb(QCommandLineParser& parser);
int RunListVerb(VerbCall& call);
void DefineDrawVerb(QCommandLineParser& parser);
int RunDrawVerb(VerbCall& call);
// The radix of --radix NAME [--db FILE] loaded and computed in the sky, or none when not
// asked for; false with the message in error when it cannot be loaded.
bool ReadDrawRadix(const QCommandLineParser& parser, Ephemeris sky, std::optional<LoadedRadix>& radix, QString& error);
// The dial mode of --mode: "360", "90", "45", "22.5" (or "22,5"); otherwise nothing, and
// why not on err.
std::optional<DialMode> ReadDialMode(const QCommandLineParser& parser, QTextStream& err);
// Whether a drawing can be written to out: a metafile (.wmf) or an export format;
// otherwise why not on err.
bool DrawingFileKnown(const QString& out, QTextStream& err);
// Writes a drawing to out, as a metafile or in the format its name says.
bool WriteDrawing(const Picture& picture, const QString& out, QString* error);
// "draw ephemeris": the graphic ephemeris of a period, written to out.
int RunDrawEphemeris(VerbCall& call, const QString& out);
void DefineSearchVerb(QCommandLineParser& parser);
int RunSearchVerb(VerbCall& call);

// Writes a value as one line of compact JSON (QJsonDocument writes each double in the
// shortest form that reads back to it, a non-finite one as null).
void PrintJsonLine(const QJsonValue& value, QTextStream& out);
void DefineRadixVerb(QCommandLineParser& parser);
int RunRadixVerb(VerbCall& call);
void DefineAtlasVerb(QCommandLineParser& parser);
int RunAtlasVerb(VerbCall& call);
void DefineEventsVerb(QCommandLineParser& parser);
// The radix named by --radix in the library of --db (or the default library), computed.
bool ReadLibraryRadix(const QCommandLineParser& parser, Chart& chart, QString& error);
int RunEventsVerb(VerbCall& call);

}  // namespace gyrolux::calc
