// gyrolux-calc's verbs called in the test program, their streams caught in strings: what
// each prints, how it refuses an argument and how it fails.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QXmlStreamReader>

#include "engine/factors.h"
#include "tests/test_support/files.h"
#include "tests/tools/calc_run.h"

namespace gyrolux::calc {
namespace {

using testing::PdfText;
using testing::ReadBytes;

using Outcome = testing::CalcRun;
using testing::Calc;

QJsonValue Json(const QStringList& arguments) {
  const Outcome outcome = Calc(arguments);
  EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
  EXPECT_EQ(outcome.out.count(u'\n'), 1);
  const QJsonDocument document = QJsonDocument::fromJson(outcome.out.toUtf8());
  return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

QStringList Keys(const QJsonValue& value) { return value.toObject().keys(); }

const QStringList kGreenwich = {"--date", "01.01.2000", "--hours", "12", "--lon", "0.0001", "--lat", "51.5001"};
const QStringList kBerlin = {"--date", "01.01.2000", "--hours", "12", "--lon", "13.4", "--lat", "52.5"};

// A refused argument: exit 2, nothing on stdout, one German line on stderr that names
// the verb and says what is wrong; no escape sequence for a control character.
TEST(CalcCli, RefusedArgumentsGiveOneGermanLine) {
  const QStringList g = kGreenwich;
  const QStringList mg = g.mid(2);  // without the date
  const struct {
    QStringList arguments;
    const char* complaint;
  } kRows[] = {
      {{}, "Aufruf: gyrolux-calc"},
      {{"frobnicate"}, "gyrolux-calc: unbekanntes Verb 'frobnicate'"},
      {{"--frob", "chart"}, "gyrolux-calc: unbekannte Option 'frob'"},
      {{"help", "tea"}, "gyrolux-calc help: unbekanntes Verb 'tea'"},
      {QStringList{"chart", "--date", "31.02.2025"} + mg, "chart: ungültiges Datum '31.02.2025'"},
      {QStringList{"axes", "--date", "01.01.10000"} + mg, "ungültiges Datum"},
      {QStringList{"chart", "--hours", "abc"} + g, "Option --hours ist doppelt angegeben"},
      {QStringList{"chart"} + g.mid(0, 2) + QStringList{"--hours", "100"} + g.mid(4), "ungültiger Wert '100' für --hours"},
      {QStringList{"chart"} + g.mid(0, 4) + QStringList{"--lon", "nan"} + g.mid(6), "ungültiger Wert 'nan' für --lon"},
      {QStringList{"chart"} + g.mid(0, 6) + QStringList{"--lat"}, "Wert nach '--lat' fehlt"},
      {QStringList{"chart"} + g.mid(0, 6), "Option --lat fehlt"},
      {QStringList{"chart", "--colour", "red"} + g, "unbekannte Option 'colour'"},
      {QStringList{"chart", "--json=1"} + g, "unerwarteter Wert nach '--json'"},
      {QStringList{"chart", "extra"} + g, "unerwartetes Argument 'extra'"},
      {QStringList{"chart", "--json", "--json"} + g, "Option --json ist doppelt angegeben"},
      {QStringList{"chart", "--date", "01.01.\r\n2000"} + mg, "ungültiges Datum '01.01.  2000'"},
      {QStringList{"axes", "--orb", "0"} + g, "ungültiger Wert '0' für --orb (eine Zahl über 0 bis 11.25)"},
      {QStringList{"axes", "--orb", "1,18"} + g, "für --orb"},
      {QStringList{"list", "tabelle"} + g, "list: unbekannte Liste 'tabelle'"},
      {QStringList{"list", "faktoren"}, "Option --date fehlt"},
      {QStringList{"list", "faktoren", "--axis-deg", "5"} + g, "Option --axis-deg gehört nicht zur Liste 'faktoren'"},
      {QStringList{"list", "grad-achse", "--axis-deg", "5"} + g, "Option --axis-min fehlt"},
      {QStringList{"list", "hs-achse", "--pair", "SO/XX"} + g, "Das ist keine gültige Halbsumme!"},
      {QStringList{"list", "faktoren", "--next-days", "1e3"} + g, "für --next-days"},
      {QStringList{"list", "faktoren", "--next-days", "2", "--date", "30.12.9999"} + mg, "über den 31.12.9999 hinaus"},
      {QStringList{"draw", "dial"} + g, "draw: Option --out fehlt"},
      {QStringList{"draw", "clock", "--out", "x.pdf"} + g, "unbekannte Art 'clock'"},
      {QStringList{"draw", "dial", "--out", "x.txt"} + g, "das Format von 'x.txt' ist unbekannt"},
      {QStringList{"draw", "dial", "--out", "x.pdf", "--circle", "XX"} + g, "für --circle"},
      {QStringList{"draw", "wheel", "--out", "x.pdf", "--rotation", "5"} + g, "gehören zur Art dial"},
      {QStringList{"draw", "dial", "--out", "x.pdf", "--long-lines"} + g, "gehört zur Art rscheibe"},
      {QStringList{"search", "picture", "xx", "mc", "so", "mo"} + g, "search: Das ist keine gültige Halbsumme!"},
      {QStringList{"search", "angle", "so", "mc", "23", "0"} + g, "search: Das ist kein gültiger Gradwert!"},
      {QStringList{"search", "angle", "so", "mc", "22", "31"} + g, "search: Das ist kein gültiger Minutenwert!"},
      {QStringList{"search", "angle", "so", "mc", "5", "5", "--orb", "1"} + g, "die Winkelsuche nimmt immer 1.1"},
      {QStringList{"search", "picture", "so", "mc", "ma", "ju", "--orb", "-0.5"} + g, "(eine Zahl von 0 bis 11.25)"},
      {QStringList{"search", "picture", "so", "mc", "ma", "ju", "--max-steps", "1.5"} + g, "für --max-steps"},
      {QStringList{"search", "picture", "so", "mc", "ma", "ju", "--plain", "--all"} + g, "--all hat keine"},
      {QStringList{"search", "picture", "so", "mc", "ma"} + g, "Argumente fehlen"},
      {QStringList{"search", "circle", "so", "mc", "ma", "ju"} + g, "unbekannte Suche 'circle'"},
      {QStringList{"search", "picture", "so", "mc", "ma", "ju", "--threads", "0"} + g,
       "ungültiger Wert '0' für --threads (eine ganze Zahl von 1 bis 64)"},
      {QStringList{"search", "picture", "so", "mc", "ma", "ju", "--threads", "65"} + g, "ungültiger Wert '65' für --threads"},
      {QStringList{"search", "picture", "so", "mc", "ma", "ju", "--json-lines"} + g, "--json-lines gilt nur mit --all"},
      {QStringList{"chart", "--ephemeris", "jpl"} + g, "ungültiger Wert 'jpl' für --ephemeris"},
      {QStringList{"radix", "list", "--ephemeris", "Swiss"}, "ungültiger Wert 'Swiss' für --ephemeris"},
      {QStringList{"chart", "--ephemeris", "swiss", "--date", "01.01.3001"} + mg, "Das Jahr 3001 liegt außerhalb"},
      {{"draw", "ephemeris", "--to", "01.01.2027", "--mode", "90", "--out", "x.svg"}, "--from fehlt"},
      {{"draw", "ephemeris", "--from", "01.01.2027", "--to", "01.02.2027", "--mode", "30", "--out", "x.svg"}, "für --mode"},
      {{"draw", "ephemeris", "--from", "02.01.2027", "--to", "01.01.2027", "--mode", "90", "--out", "x.svg"}, "vor seinem Anfang"},
      {{"draw", "ephemeris", "--from", "01.01.2027", "--to", "01.02.2027", "--mode", "90", "--factors", "SO,AS", "--out", "x.svg"}, "AS hängt vom Ort ab"},
      {{"draw", "ephemeris", "--from", "01.01.2027", "--to", "01.02.2027", "--mode", "90", "--midpoints", "--out", "x.svg"}, "--midpoints gehört zu --radix"},
      {QStringList{"draw", "ephemeris", "--from", "01.01.2027", "--to", "01.02.2027", "--mode", "90", "--out", "x.svg"} + g, "--date gehört nicht"},
      {QStringList{"draw", "dial", "--radix", "Nobody", "--db", "lib.sqlite", "--out", "x.svg"} + g, "Nobody"},
      {{"draw", "ephemeris", "--from", "01.01.2999", "--to", "01.02.3001", "--mode", "90", "--ephemeris", "swiss", "--out", "x.svg"},
       "nur in den Jahren 1600 bis 3000"},
      {QStringList{"draw", "wheel", "--mode", "90", "--out", "x.svg"} + g, "--mode gehört zu den Arten"},
      {QStringList{"draw", "dial", "--mode", "90", "--pointer", "90", "--out", "x.svg"} + g, "für --pointer"},
  };
  testing::WriteBytes(QStringLiteral("x.pdf"), "kept");
  for (const auto& row : kRows) {
    const Outcome outcome = Calc(row.arguments);
    SCOPED_TRACE(row.arguments.join(u' ').toStdString());
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, QString());
    EXPECT_TRUE(outcome.err.contains(QString::fromUtf8(row.complaint))) << outcome.err.toStdString();
    if (!row.arguments.isEmpty()) {
      EXPECT_EQ(outcome.err.count(u'\n'), 1);
      EXPECT_TRUE(outcome.err.endsWith(u'\n'));
      EXPECT_FALSE(outcome.err.contains(QStringLiteral("\\u"))) << outcome.err.toStdString();
    }
  }
  EXPECT_EQ(ReadBytes(QStringLiteral("x.pdf")), "kept");
}

// The chart's JSON (every value of which reference_charts_compare holds to the independent
// implementation): its keys and all digits; the table's row of the Sun at 1.1.2000 12:00.
TEST(CalcCli, ChartOfTheMomentOfTheYear2000) {
  const QJsonObject chart = Json(QStringList{"chart", "--json"} + kGreenwich).toObject();
  EXPECT_EQ(Keys(chart), (QStringList{"centuriesT", "ephemeris", "factorLongitude", "indexDateText", "indexSiderealText",
                                      "localSiderealHours", "negObliquity", "ramc", "ramcText", "retrograde",
                                      "siderealText"}));
  EXPECT_EQ(chart["factorLongitude"].toArray().size(), 23);
  EXPECT_EQ(chart["centuriesT"].toDouble(), 1.0);
  // At 18h the moment lies 36525.25 days after JD 2415020.0: all 17 digits come through.
  const QJsonObject evening =
      Json(QStringList{"chart", "--json", "--hours", "18"} + kGreenwich.mid(0, 2) + kGreenwich.mid(4)).toObject();
  EXPECT_EQ(evening["centuriesT"].toDouble(), 36525.25 / 36525);

  const QString table = Calc(QStringList{"chart"} + kGreenwich).out;
  EXPECT_TRUE(table.contains(QStringLiteral("\nSO      280.368029   10°22' STE   10°22'\n"))) << table.toStdString();
  // One table however the options are written.
  const QString southWest = Calc({"chart", "--date", "01.01.2000", "--hours", "12", "--lon", "-3.2", "--lat", "-33.75"}).out;
  EXPECT_TRUE(southWest.startsWith("Chart 01.01.2000 12:00:00 WZ/GMT, longitude -3.2000, latitude -33.7500\n"));
  EXPECT_EQ(Calc({"chart", "--lat=-33.75", "--lon=-3.2", "--hours", "12", "--date=01.01.2000"}).out, southWest);
}

// The modern sky chosen: its positions differ from the model's (that they are swetest's:
// swiss_sky_test.cpp, which runs swetest itself).
TEST(CalcCli, ModernSkyIsNamedInEveryResult) {
  const QJsonValue swiss = Json(QStringList{"chart", "--json", "--ephemeris", "swiss"} + kGreenwich);
  EXPECT_NE(swiss["factorLongitude"][MO], Json(QStringList{"chart", "--json"} + kGreenwich)["factorLongitude"][MO]);
  // Every verb's result names the sky: JSON by its key, text by its last line.
  for (const QStringList& verb : {QStringList{"chart"}, {"axes"}, {"list", "faktoren"},
                                  {"search", "picture", "so", "mo", "ma", "ju", "--max-steps", "99"}}) {
    const QStringList arguments = verb + QStringList{"--ephemeris", "swiss"} + kGreenwich;
    EXPECT_EQ(Json(arguments + QStringList{"--json"})["ephemeris"].toString(), "swiss") << verb[0].toStdString();
    EXPECT_TRUE(Calc(arguments).out.endsWith("\nEphemeride: Swiss Ephemeris\n")) << verb[0].toStdString();
  }
  // A drawing gets the line in a strip below it; in the model it stays as it is.
  ASSERT_EQ(Calc(QStringList{"draw", "dial", "--out", "swiss.pdf", "--ephemeris", "swiss"} + kGreenwich).status, 0);
  EXPECT_TRUE(PdfText("swiss.pdf").contains("Ephemeride: Swiss Ephemeris"));
}

TEST(CalcCli, AxesAndListsAsTextAndAsJson) {
  // The text is held against the independent implementation (reference_axes_compare); the
  // JSON holds the same lists, one array each, and the stellium line or null.
  const QJsonObject axes = Json(QStringList{"axes", "--json", "--orb", "0.5"} + kGreenwich).toObject();
  EXPECT_EQ(Keys(axes), (QStringList{"ephemeris", "lists", "orb", "stellium"}));
  EXPECT_EQ(axes["orb"].toDouble(), 0.5);
  QStringList joined;
  for (const QJsonValue list : axes["lists"].toArray()) {
    if (!joined.isEmpty()) joined << QString();
    for (const QJsonValue line : list.toArray()) joined << line.toString();
  }
  if (!axes["stellium"].isNull()) joined << axes["stellium"].toString();
  EXPECT_EQ(joined.join(u'\n') + u'\n', Calc(QStringList{"axes", "--orb", "0.5"} + kGreenwich).out);

  // The lists too (reference_lists_compare), but for the factors: typed coordinates, 9.98333
  // degrees are 9°59'; a fraction of 60 minutes carries.
  const QStringList moment = {"--date", "01.01.2000", "--hours", "12", "--lon", "9.98333333", "--lat", "-0.5"};
  const QString place = QStringLiteral("12:00:00 WZ/GMT, L:+009°59', B:-00°30'");
  const QJsonObject factors = Json(QStringList{"list", "faktoren", "--json"} + moment).toObject();
  EXPECT_EQ(Keys(factors), (QStringList{"ephemeris", "kind", "lines"}));
  EXPECT_EQ(factors["lines"].toArray()[0].toString(), "  Faktoren vom 01.01.2000, " + place);
  EXPECT_EQ(Calc(QStringList{"list", "faktoren"} + moment).out.split(u'\n')[0], "  Faktoren vom 01.01.2000, " + place);
  EXPECT_TRUE(Calc({"list", "faktoren", "--date", "01.01.2000", "--hours", "12", "--lon", "-9.99999999", "--lat", "50"})
                  .out.section(u'\n', 0, 0)
                  .endsWith(QStringLiteral("L:-010°00', B:+50°00'")));
  // The texts file of the working folder, found without regard to case; one named by
  // --textsfile that cannot be read is named back, a failure (1), not a refused argument.
  testing::WriteBytes(QStringLiteral("Mc-Ergnw.Txt"), "MC/MC = MC|MC eigen\r\nText \xfc" "ber das MC\r\n");
  EXPECT_EQ(Calc(QStringList{"list", "mc-texte"} + moment).out.split(u'\n').mid(6, 2),
            (QStringList{"  MC/MC = MC|MC eigen,10", "  Text über das MC"}));
  const Outcome missing = Calc(QStringList{"list", "mc-texte", "--textsfile", "/no/such/Texte.txt"} + moment);
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, QString());
  EXPECT_EQ(missing.err, "gyrolux-calc list: Die Datei /no/such/Texte.txt fehlt oder kann nicht gelesen werden.\n");
}

TEST(CalcCli, SearchesAsTextAndAsJson) {
  // CU/AP = HA/KR does not come within 1.18 degrees within the century: 72 moments on the
  // first day from 12:00, then 144 on each of the 36889 days up to 31.12.2100.
  const QJsonObject century = Json(QStringList{"search", "picture", "cu", "ap", "ha", "kr", "--json"} + kBerlin).toObject();
  EXPECT_EQ(QJsonDocument(century).toJson(QJsonDocument::Compact),
            R"({"dateLabel":null,"ephemeris":"model","found":false,"moment":{"dateText":"01.01.2101","day":1,"hours":0,"month":1,)"
            R"("year":2101},"orb":1.18,"reason":"stop-year","resultLine":null,"steps":5312088,"stopYear":2100,)"
            R"("timeLabel":null})");
  const QJsonObject limited =
      Json(QStringList{"search", "picture", "cu", "ap", "ha", "kr", "--json", "--max-steps", "72"} + kBerlin).toObject();
  EXPECT_EQ(limited["reason"].toString(), "max-steps");
  EXPECT_EQ(limited["moment"].toObject()["dateText"].toString(), "02.01.2000");
  // A picture that holds at the start is found there: MC/SO = MC/SO.
  const QJsonObject atOnce = Json(QStringList{"search", "picture", "SO", "mc", "0", "2", "--json"} + kBerlin).toObject();
  EXPECT_EQ(atOnce["steps"].toInt(), 1);
  EXPECT_TRUE(atOnce["resultLine"].toString().startsWith("     MC/SO=MC/SO "));
  EXPECT_TRUE(atOnce["resultLine"].toString().endsWith(" gefunden: Datum:01.01.2000  WZ:12:00:00"));
  EXPECT_EQ(atOnce["dateLabel"].toString(), "Sa, 01.01.2000");
  EXPECT_EQ(atOnce["timeLabel"].toString(), "12:00:00 WZ/GMT");
  EXPECT_EQ(Calc(QStringList{"search", "picture", "SO", "mc", "0", "2"} + kBerlin).out.split(u'\n'),
            (QStringList{atOnce["resultLine"].toString(), "moment: 01.01.2000 12:00:00 WZ/GMT (hours 12)", "steps: 1", ""}));
  // Names in any case, numbers and both forms of the placeholder name the same factors;
  // the fast search and the plain loop agree.
  const QStringList limit = {"--max-steps", "3000", "--json"};
  const QJsonValue placeholder = Json(QStringList{"search", "picture", "so", "--", "mo", "--"} + kBerlin + limit);
  EXPECT_EQ(Json(QStringList{"search", "picture", "2", "23", "MO", "23"} + kBerlin + limit), placeholder);
  EXPECT_TRUE(placeholder.toObject()["resultLine"].toString().startsWith("     SO/--=MO/-- "));
  for (const QStringList& query : {QStringList{"picture", "mc", "as", "so", "mo", "--orb", "0.3"},
                                   QStringList{"angle", "mc", "ma", "22", "30"}}) {
    const QStringList arguments = QStringList{"search"} + query + kBerlin + limit;
    EXPECT_EQ(Json(arguments), Json(arguments + QStringList{"--plain"})) << query.join(u' ').toStdString();
  }
  // Every stay within 2000 moments, the first at the alarm's moment, each enclosing its
  // closest approach.
  const QStringList picture = QStringList{"search", "picture", "so", "mo", "ma", "ju"} + kBerlin;
  const QJsonArray stays = Json(picture + QStringList{"--all", "--max-steps", "2000", "--json"}).toArray();
  ASSERT_FALSE(stays.isEmpty());
  EXPECT_EQ(Keys(stays[0]), (QStringList{"enters", "ephemeris", "exact", "exactDistance", "first", "leaves"}));
  EXPECT_EQ(stays[0]["first"]["dateText"], Json(picture + QStringList{"--json"})["moment"]["dateText"]);
  for (const QJsonValue stay : stays) EXPECT_LT(stay["exactDistance"].toDouble(), 1.18);
  EXPECT_EQ(Calc(picture + QStringList{"--all", "--max-steps", "2000"}).out.count(u'\n'), stays.size());
  // --json-lines: the same stays, one object a line; any --threads the same stays and hit.
  const QStringList lines = Calc(picture + QStringList{"--all", "--max-steps", "2000", "--json-lines"}).out.split(u'\n');
  ASSERT_EQ(lines.size(), stays.size() + 1);
  for (qsizetype i = 0; i < stays.size(); ++i) EXPECT_EQ(QJsonDocument::fromJson(lines[i].toUtf8()).object(), stays[i]);
  for (const char* threads : {"1", "3", "64"}) {
    EXPECT_EQ(Json(picture + QStringList{"--all", "--max-steps", "2000", "--json", "--threads", threads}), stays);
    EXPECT_EQ(Json(picture + QStringList{"--json", "--threads", threads}), Json(picture + QStringList{"--json"}));
  }
}

TEST(CalcCli, DrawWritesEveryKindInEveryFormat) {
  const QStringList moment = {"--date", "05.12.2026", "--hours", "10.497222222", "--lon", "10", "--lat", "50"};
  const struct {
    const char* kind;
    QSize size;
  } kKinds[] = {{"dial", {740, 740}}, {"rscheibe", {2400, 2960}}, {"axes", {726, 300}},
                {"wheel", {520, 520}}, {"strip", {530, 525}}};
  for (const auto& row : kKinds) {
    for (const char* format : {"wmf", "pdf", "svg", "png"}) {
      const QString file = QStringLiteral("%1.%2").arg(QLatin1String(row.kind), QLatin1String(format));
      const Outcome outcome = Calc(QStringList{"draw", row.kind, "--out", file} + moment);
      ASSERT_EQ(outcome.status, 0) << file.toStdString() << outcome.err.toStdString();
      const QByteArray bytes = ReadBytes(file);
      if (file.endsWith("wmf")) {  // the placeable header's key, its box and 96 units an inch
        const auto word = [&bytes](int at) { return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8); };
        EXPECT_EQ(bytes.left(4), QByteArray("\xD7\xCD\xC6\x9A", 4));
        EXPECT_EQ(QSize(word(10), word(12)), row.size) << file.toStdString();
        EXPECT_EQ(word(14), 96);
      } else if (file.endsWith("pdf")) {
        EXPECT_TRUE(bytes.startsWith("%PDF"));
      } else if (file.endsWith("svg")) {  // every text as outlines
        EXPECT_TRUE(bytes.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(row.size.width()).arg(row.size.height()).toUtf8()));
        EXPECT_FALSE(bytes.contains("<text"));
      } else {
        const int scale = std::max(row.size.width(), row.size.height()) <= 2000 ? 2 : 1;
        EXPECT_EQ(QImage(file).size(), row.size * scale) << file.toStdString();
      }
    }
  }
  EXPECT_TRUE(PdfText("dial.pdf").contains("Datum / Zeit: Sa, 05.12.2026 / 10:29:50 WZ/GMT"));
  EXPECT_TRUE(PdfText("dial.pdf").contains("Ort: 010°00' E, 50°00' N"));
  const QStringList south = {"--date", "05.12.2026", "--hours", "10.5", "--lon", "9.98333333333", "--lat", "-33.5"};
  ASSERT_EQ(Calc(QStringList{"draw", "axes", "--out", "south.pdf"} + south).status, 0);
  EXPECT_TRUE(PdfText("south.pdf").contains("L:+009°59', B:-33°30'"));
  // The house circle and the long bearing lines change the drawing; MC unturned is the default.
  ASSERT_EQ(Calc(QStringList{"draw", "dial", "--circle", "as", "--rotation", "-5", "--out", "as.wmf"} + moment).status, 0);
  ASSERT_EQ(Calc(QStringList{"draw", "dial", "--circle", "MC", "--rotation", "+0", "--out", "mc.wmf"} + moment).status, 0);
  ASSERT_EQ(Calc(QStringList{"draw", "rscheibe", "--long-lines", "--out", "long.wmf"} + moment).status, 0);
  EXPECT_NE(ReadBytes("as.wmf"), ReadBytes("dial.wmf"));
  EXPECT_EQ(ReadBytes("mc.wmf"), ReadBytes("dial.wmf"));
  EXPECT_NE(ReadBytes("long.wmf"), ReadBytes("rscheibe.wmf"));

  // --out through a link to a regular file writes that file; a pipe, or a link to a pipe or a
  // folder, is refused naming the file and left as it was.
  ASSERT_TRUE(QDir().mkpath("in/folder"));
  ASSERT_EQ(mkfifo("in/pipe.wmf", 0600), 0);
  testing::WriteBytes(QStringLiteral("in/real.wmf"), "old");
  const struct {
    const char* name;
    const char* target;
    int status;
  } special[] = {{"to-real.wmf", "in/real.wmf", 0}, {"to-pipe.wmf", "in/pipe.wmf", 1},
                 {"to-folder.wmf", "in/folder", 1}, {"in/pipe.wmf", nullptr, 1}};
  for (const auto& row : special) {
    if (row.target != nullptr) {
      ASSERT_TRUE(QFile::link(row.target, row.name));
    }
    const Outcome outcome = Calc(QStringList{"draw", "dial", "--out", row.name} + moment);
    EXPECT_EQ(outcome.status, row.status) << row.name;
    if (row.status != 0) {
      EXPECT_TRUE(outcome.err.contains(QFileInfo(row.name).fileName())) << row.name;
    }
    EXPECT_EQ(QFileInfo(row.name).isSymLink(), row.target != nullptr) << row.name;
  }
  EXPECT_EQ(ReadBytes("in/real.wmf"), ReadBytes("dial.wmf"));
  EXPECT_TRUE(QFileInfo("in/folder").isDir());
}

// The graphic ephemeris with a radix: every factor's line and every radix line is one
// element named by its id, as an XML reader finds it; the diagrams of a moment take the
// radix too (its refused arguments: RefusedArgumentsGiveOneGermanLine).
TEST(CalcCli, DrawEphemerisNamesItsLinesAndTakesARadix) {
  ASSERT_EQ(Calc({"radix", "add", "--name", "R", "--date", "01.06.1990", "--time", "12:00", "--zone", "Europe/Berlin",
                  "--lon", "13.4", "--lat", "52.5", "--db", "lib.sqlite"}).status, 0);
  const QStringList ephemeris = {"draw", "ephemeris", "--from", "01.01.2027", "--to", "31.12.2027", "--mode", "45",
                                 "--factors", "SO,MO,SA", "--radix", "R", "--db", "lib.sqlite", "--midpoints"};
  for (const char* file : {"e.svg", "e.png", "e.pdf", "e.wmf"}) {
    const Outcome outcome = Calc(ephemeris + QStringList{"--out", file});
    ASSERT_EQ(outcome.status, 0) << file << outcome.err.toStdString();
  }
  EXPECT_EQ(QImage("e.png").size(), QSize(2246, 1588));
  QFile svg("e.svg");
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&svg);
  QMap<QString, int> ids, drawn;  // each id, and the drawing elements inside it
  QStringList named;               // per open <g>: the id it or a <g> around it carries
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement) {
      const QString id = xml.attributes().value(QStringLiteral("id")).toString();
      if (xml.name() == u"g") {
        named.append(id.isEmpty() && !named.isEmpty() ? named.last() : id);
        if (!id.isEmpty()) ++ids[id];
      }
      if (!named.isEmpty() && !named.last().isEmpty() && (xml.name() == u"polyline" || xml.name() == u"path"))
        ++drawn[named.last()];
    } else if (xml.isEndElement() && xml.name() == u"g" && !named.isEmpty()) {
      named.removeLast();
    }
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  for (const char* id : {"SO", "MO", "SA", "r-SO", "r-MC", "r-PO", "r-SO-MO"}) {
    EXPECT_EQ(ids.value(id), 1) << id;
    EXPECT_GT(drawn.value(id), 0) << id;
  }
  EXPECT_FALSE(ids.contains("JU"));
  EXPECT_EQ(ids.size(), 3 + 21 + 210);
  // In the modern sky the title names it.
  ASSERT_EQ(Calc(ephemeris + QStringList{"--out", "swiss.pdf", "--ephemeris", "swiss"}).status, 0);
  EXPECT_TRUE(PdfText("swiss.pdf").contains("Ephemeride: Swiss Ephemeris"));

  const QStringList moment = {"--date", "05.12.2026", "--hours", "10.5", "--lon", "10", "--lat", "50"};
  for (const char* kind : {"dial", "axes", "strip", "wheel"}) {
    ASSERT_EQ(Calc(QStringList{"draw", kind, "--out", "plain.wmf"} + moment).status, 0);
    ASSERT_EQ(Calc(QStringList{"draw", kind, "--out", "radix.wmf", "--radix", "R", "--db", "lib.sqlite"} + moment).status, 0);
    EXPECT_NE(ReadBytes("plain.wmf"), ReadBytes("radix.wmf")) << kind;
  }
}

// Output that does not arrive (a full disk behind stdout) is a failure with its own line.
TEST(CalcCli, AWriteErrorOnStdoutFails) {
  for (const QStringList& arguments : {QStringList{"--help"}, QStringList{"chart", "--version"},
                                       QStringList{"chart", "--json"} + kGreenwich,
                                       QStringList{"search", "picture", "so", "mo", "ma", "ju", "--all", "--json",
                                                   "--max-steps", "2000"} + kBerlin}) {
    QFile full(QStringLiteral("/dev/full"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    QString err;
    QTextStream out(&full), errStream(&err);
    EXPECT_EQ(RunCalc(QStringList{"gyrolux-calc"} + arguments, out, errStream), 1);
    errStream.flush();
    EXPECT_TRUE(err.endsWith(": Schreibfehler auf der Standardausgabe\n")) << err.toStdString();
  }
}

}  // namespace
}  // namespace gyrolux::calc
