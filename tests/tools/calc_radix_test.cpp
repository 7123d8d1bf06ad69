// gyrolux-calc radix and atlas, run in-process on a library in the test's folder.
#include <gtest/gtest.h>

#include <cmath>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "tests/test_support/files.h"
#include "tests/tools/calc_run.h"

namespace gyrolux {
namespace {

using testing::Calc;
using testing::CalcRun;

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
      {Add("Alt", "31.12.1599", "08:00", "+01:00"), 2, "ungültiges Datum '31.12.1599' (TT.MM.JJJJ, Jahre 1600 bis 9999)"},
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

TEST(CalcRadix, ChartAndAxesTakeTheRadixBesideTheMoment) {
  QStringList add = Add("Berta", "01.07.1980", "12:00", "Europe/Berlin");
  add.last() = QStringLiteral("beside.sqlite");
  ASSERT_EQ(Calc(add).status, 0);
  const QStringList moment = {"--date", "01.01.2025", "--hours", "12", "--lon", "13.4", "--lat", "52.5"};
  const QStringList radix = {"--radix", "Berta", "--db", "beside.sqlite"};
  const auto json = [](const CalcRun& run) { return QJsonDocument::fromJson(run.out.toUtf8()).object(); };
  const QJsonArray shown = json(Calc({"radix", "show", "Berta", "--json", "--db", "beside.sqlite"}))["factorLongitude"].toArray();
  const QJsonArray now = json(Calc(QStringList{"chart", "--json"} + moment))["factorLongitude"].toArray();

  // chart: the moment's object with the key "radix" added, its longitudes those of radix
  // show; the text gets a second table headed with the radix's name.
  QJsonObject both = json(Calc(QStringList{"chart", "--json"} + moment + radix));
  EXPECT_EQ(both.take("radix").toObject(), (QJsonObject{{"name", "Berta"}, {"factorLongitude", shown}}));
  EXPECT_EQ(both, json(Calc(QStringList{"chart", "--json"} + moment)));
  const QString alone = Calc(QStringList{"chart"} + moment).out, table = Calc(QStringList{"chart"} + moment + radix).out;
  ASSERT_TRUE(table.startsWith(alone + "\nRadix Berta 01.07.1980 10:00:00 WZ/GMT")) << table.toStdString();
  EXPECT_TRUE(table.contains(QString::asprintf("\nSO%16.6f", shown[2].toDouble())));

  // axes: after the moment's lists, for each of MC, SO, AS, MO (t) every radix factor and
  // radix midpoint within the orb, counted here from the longitudes in the 22.5-degree mode.
  const QStringList orb = {"--orb", "0.9"};
  const QString lists = Calc(QStringList{"axes"} + moment + orb).out;
  const CalcRun axes = Calc(QStringList{"axes"} + moment + orb + radix);
  ASSERT_TRUE(axes.out.startsWith(lists + "\n Radix Berta: 01.07.1980, 10:00:00 WZ/GMT\n")) << axes.err.toStdString();
  const QJsonArray radixLists = json(Calc(QStringList{"axes", "--json"} + moment + orb + radix))["radix"].toObject()["lists"].toArray();
  ASSERT_EQ(radixLists.size(), 4);
  const int axisIds[] = {0, 2, 3, 4};  // MC, SO, AS, MO
  for (int i = 0; i < 4; ++i) {
    int expected = 0;
    for (int a = 0; a < 23; ++a) {
      for (int b = a; b < 23; ++b) {
        const double d = std::fabs(std::fmod((shown[a].toDouble() + shown[b].toDouble()) / 2, 22.5) -
                                   std::fmod(now[axisIds[i]].toDouble(), 22.5));
        expected += std::min(d, 22.5 - d) < 0.9;
      }
    }
    const QJsonArray hits = radixLists[i].toArray();
    EXPECT_EQ(hits.size(), expected) << i;
    for (const QJsonValue& hit : hits) EXPECT_TRUE(axes.out.contains(hit.toString() + u'\n'));
  }

  // A radix that is not there, a library that cannot be read, --db alone: one line, 2.
  testing::WriteBytes(QStringLiteral("junk.sqlite"), "kein SQLite");
  for (const char* verb : {"chart", "axes"}) {
    for (const QStringList& wrong : {QStringList{"--radix", "Niemand", "--db", "beside.sqlite"},
                                     QStringList{"--radix", "Berta", "--db", "junk.sqlite"},
                                     QStringList{"--db", "beside.sqlite"}}) {
      const CalcRun run = Calc(QStringList{QString::fromLatin1(verb)} + moment + wrong);
      EXPECT_EQ(run.status, 2) << verb;
      EXPECT_TRUE(run.out.isEmpty());
      EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    }
  }
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
