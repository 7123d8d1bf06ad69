// gyrolux-calc radix and atlas, run in-process on a library in the test's folder.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "tests/test_support/files.h"
#include "tools/gyrolux_calc.h"

namespace gyrolux {
namespace {

struct CalcRun {
  int status;
  QString out, err;
};

CalcRun Calc(QStringList arguments) {
  CalcRun run;
  QTextStream out(&run.out), err(&run.err);
  run.status = calc::RunCalc(QStringList{QStringLiteral("gyrolux-calc")} + arguments, out, err);
  out.flush();
  err.flush();
  return run;
}

QStringList Add(const char* name, const char* date, const char* time, const char* zone) {
  return {QStringLiteral("radix"), QStringLiteral("add"), QStringLiteral("--name"), QString::fromUtf8(name),
          QStringLiteral("--date"), QString::fromLatin1(date), QStringLiteral("--time"), QString::fromLatin1(time),
          QString::fromLatin1(zone[0] == '+' || zone[0] == '-' ? "--offset" : "--zone"), QString::fromLatin1(zone),
          QStringLiteral("--lon"), QStringLiteral("13.41"), QStringLiteral("--lat"), QStringLiteral("52.52"),
          QStringLiteral("--place"), QStringLiteral("Berlin"), QStringLiteral("--db"), QStringLiteral("charts.sqlite")};
}

TEST(CalcRadix, AddRefusesBadInputAndShowsTheChartAsChartComputesIt) {
  const struct {
    QStringList arguments;
    int status;
    const char* named;  // in stderr
  } cases[] = {
      {Add("Anna", "01.07.1980", "12:00:30", "Europe/Berlin"), 0, ""},
      {Add("Anna", "02.07.1980", "12:00", "Europe/Berlin"), 2, "schon vergeben"},
      {Add("Doppelt", "28.09.1980", "02:30", "Europe/Berlin"), 2, "zuerst mit UTC+02:00, dann mit UTC+01:00"},
      {Add("Doppelt", "28.09.1980", "02:30", "Europe/Berlin") + QStringList{"--fold", "later"}, 0, ""},
      {Add("Indien", "15.01.1990", "08:00", "+05:30"), 0, ""},
      {Add("Alt", "31.12.1599", "08:00", "+01:00"), 2, "1600"},
      {Add("Falsch", "15.01.1990", "08:00", "+05:30") + QStringList{"--fold", "sometimes"}, 2, "--fold"},
  };
  for (const auto& c : cases) {
    const CalcRun run = Calc(c.arguments);
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    EXPECT_EQ(run.status, c.status) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.named))) << run.err.toStdString();
  }
  // 12:00:30 summer time in Berlin is 10:00:30 world time, and the chart is chart's at that
  // moment. (What is stored and read back: the radix logic tests.)
  const CalcRun show = Calc({"radix", "show", "Anna", "--json", "--db", "charts.sqlite"});
  ASSERT_EQ(show.status, 0) << show.err.toStdString();
  const QJsonObject object = QJsonDocument::fromJson(show.out.toUtf8()).object();
  EXPECT_EQ(object["utcOffsetHours"].toDouble(), 2.0);
  EXPECT_DOUBLE_EQ(object["hours"].toDouble(), 10.0 + 30 / 3600.0);
  const CalcRun chart = Calc({"chart", "--json", "--date", "01.07.1980", "--hours",
                          QString::number(object["hours"].toDouble(), 'g', 17), "--lon", "13.41", "--lat", "52.52"});
  ASSERT_EQ(chart.status, 0);
  const QJsonArray expected = QJsonDocument::fromJson(chart.out.toUtf8()).object()["factorLongitude"].toArray();
  EXPECT_EQ(expected.size(), 23);
  EXPECT_EQ(object["factorLongitude"].toArray(), expected);

  const CalcRun list = Calc({"radix", "list", "--json", "--db", "charts.sqlite"});
  const QJsonArray charts = QJsonDocument::fromJson(list.out.toUtf8()).array();
  ASSERT_EQ(charts.size(), 3);
  EXPECT_EQ(charts[1].toObject()["name"].toString(), QStringLiteral("Doppelt"));
  EXPECT_EQ(charts[1].toObject()["localTime"].toString(), QStringLiteral("02:30:00"));
  EXPECT_EQ(charts[2].toObject()["zone"].toString(), QStringLiteral("+05:30"));
  EXPECT_EQ(Calc({"radix", "remove", "Indien", "--db", "charts.sqlite"}).status, 0);
  EXPECT_EQ(Calc({"radix", "remove", "Indien", "--db", "charts.sqlite"}).status, 2);
  EXPECT_EQ(Calc({"radix", "show", "Indien", "--db", "charts.sqlite"}).status, 2);
}

TEST(CalcRadix, ExportImportRoundTripAndRefusedLines) {
  ASSERT_EQ(Calc(Add("Anna", "01.07.1980", "12:00:30", "Europe/Berlin")).status, 0);
  ASSERT_EQ(Calc(Add("Doppelt", "28.09.1980", "02:30", "Europe/Berlin") + QStringList{"--fold", "earlier"}).status, 0);
  const QString before = Calc({"radix", "list", "--json", "--db", "charts.sqlite"}).out;
  for (const char* file : {"out.aaf", "out.csv", "out.json"}) {
    ASSERT_EQ(Calc({"radix", "export", file, "--db", "charts.sqlite"}).status, 0);
    const QString copy = QString::fromLatin1(file) + QStringLiteral(".sqlite");
    const CalcRun import = Calc({"radix", "import", file, "--db", copy});
    EXPECT_EQ(import.status, 0) << file << import.err.toStdString();
    if (QString::fromLatin1(file).endsWith(u"aaf")) continue;  // coordinates to the arc second
    EXPECT_EQ(Calc({"radix", "list", "--json", "--db", copy}).out, before) << file;
  }
  // Importing again: every chart's name is taken; nothing is added twice.
  const CalcRun again = Calc({"radix", "import", "out.csv", "--db", "charts.sqlite"});
  EXPECT_EQ(again.status, 2);
  EXPECT_TRUE(again.err.contains(QStringLiteral("Zeile 2:"))) << again.err.toStdString();
  EXPECT_TRUE(again.err.contains(QStringLiteral("Zeile 3:")));
  testing::WriteBytes(QStringLiteral("bad.aaf"), "#A93:Neu,*,e,1.1.2000,12:00,Bonn,D\r\n#B93:*,50n44,7e06,1he00,0\r\n"
                                                 "#A93:Kurz,*,e,1.1.2000\r\n");
  const CalcRun bad = Calc({"radix", "import", "bad.aaf", "--db", "charts.sqlite"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_TRUE(bad.err.contains(QStringLiteral("1 Radix-Daten eingelesen, 1 abgewiesen: Zeile 3:"))) << bad.err.toStdString();
}

// What is found is the radix logic tests' concern; here the JSON of the first place.
TEST(CalcAtlas, FindsByGermanNameBestFirst) {
  const CalcRun run = Calc({"atlas", "find", "Koln", "--json"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QJsonObject first = QJsonDocument::fromJson(run.out.toUtf8()).array().first().toObject();
  EXPECT_EQ(first.keys(), (QStringList{"admin", "country", "lat", "lon", "name", "population", "zone"}));
  EXPECT_EQ(first["name"].toString(), QStringLiteral("Köln"));
  EXPECT_NEAR(first["lat"].toDouble(), 50.93, 0.01);
}

}  // namespace
}  // namespace gyrolux
