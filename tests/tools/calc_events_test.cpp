// gyrolux-calc events, in-process: refusals, the four outputs agreeing event for event, the
// radix from the library, and the calendar file as an independent reader sees it.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "tests/tools/calc_run.h"

namespace gyrolux {
namespace {

using testing::CalcRun;

CalcRun Calc(const QStringList& arguments) { return testing::Calc(QStringList{QStringLiteral("events")} + arguments); }

const QStringList kBirth = {"--birth-date", "14.07.1968", "--birth-hours", "9.5", "--birth-lon", "13.4",
                            "--birth-lat", "52.5"};
const QStringList kPeriod = {"--from", "01.01.2025", "--to", "31.03.2025", "--kinds", "transit,midpoint,arc",
                             "--factors", "SO,MA,SA"};

TEST(CalcEvents, RefusesBadInputWithOneLineAndNoOutput) {
  const QStringList period = {"--from", "01.01.2025", "--to", "31.01.2025"};
  const struct {
    QStringList arguments;
    const char* named;
  } cases[] = {
      {kBirth + QStringList{"--from", "01.01.1599", "--to", "31.01.1600"}, "--from"},
      {kBirth + QStringList{"--from", "01.01.2025", "--to", "01.01.10000"}, "--to"},
      {kBirth + QStringList{"--from", "02.01.2025", "--to", "01.01.2025"}, "vor --from"},
      {kBirth + QStringList{"--from", "01.01.2000", "--to", "01.01.2101"}, "hundert"},
      {kBirth + period + QStringList{"--factors", "SA,XY"}, "XY"},
      {kBirth + period + QStringList{"--factors", "GZ"}, "GZ"},
      {kBirth + period + QStringList{"--orb", "0"}, "--orb"},
      {kBirth + period + QStringList{"--orb", "11.26"}, "--orb"},
      {kBirth + period + QStringList{"--kinds", "transit,progression"}, "--kinds"},
      {kBirth + period + QStringList{"--json", "--ics"}, "--ics"},
      {kBirth + QStringList{"--from", "01.01.2999", "--to", "31.01.3001", "--ephemeris", "swiss"}, "1600 bis 3000"},
      {period, "--radix"},
      {QStringList{"--birth-date", "14.07.1968"} + period, "--birth-hours"},
      {QStringList{"--radix", "Niemand", "--db", "charts.sqlite"} + period, "Niemand"},
  };
  for (const auto& c : cases) {
    const CalcRun run = Calc(c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments.join(u' ').toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String(c.named))) << run.err.toStdString();
  }
}

TEST(CalcEvents, TextJsonCsvAndCalendarAgreeAndTheCalendarReadsBack) {
  const CalcRun json = Calc(kBirth + kPeriod + QStringList{"--json"});
  ASSERT_EQ(json.status, 0) << json.err.toStdString();
  const QJsonArray events = QJsonDocument::fromJson(json.out.toUtf8()).array();
  ASSERT_GT(events.size(), 20);
  QSet<QString> kinds;
  for (const QJsonValue& v : events) {
    const QJsonObject e = v.toObject();
    EXPECT_EQ(e.keys(), (QStringList{"distance", "entering", "exact", "kind", "leaving", "moving", "pass", "target"}));
    kinds << e["kind"].toString();
    for (const char* key : {"entering", "exact", "leaving"}) {
      if (e[key].isNull()) continue;
      const QJsonObject m = e[key].toObject();
      const QTime time = QTime::fromString(m["time"].toString(), QStringLiteral("HH:mm:ss"));
      EXPECT_NEAR(m["hours"].toDouble(), time.msecsSinceStartOfDay() / 3.6e6, 1e-9);
    }
  }
  EXPECT_EQ(kinds, (QSet<QString>{"transit", "midpoint", "arc"}));

  const CalcRun text = Calc(kBirth + kPeriod);
  const CalcRun csv = Calc(kBirth + kPeriod + QStringList{"--csv"});
  const QStringList textLines = text.out.split(u'\n', Qt::SkipEmptyParts);
  const QStringList csvLines = csv.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(textLines.size(), events.size());
  ASSERT_EQ(csvLines.size(), events.size() + 1);
  EXPECT_EQ(csvLines[0], QStringLiteral("kind,moving,target,pass,entering_date,entering_time,exact_date,exact_time,"
                                        "leaving_date,leaving_time,distance"));
  for (qsizetype i = 0; i < events.size(); ++i) {
    const QJsonObject exact = events[i].toObject()["exact"].toObject();
    const QString when = exact["date"].toString() + u' ' + exact["time"].toString();
    EXPECT_TRUE(textLines[i].startsWith(when)) << textLines[i].toStdString();
    EXPECT_EQ(csvLines[i + 1].split(u',')[6] + u' ' + csvLines[i + 1].split(u',')[7], when);
  }

  // The calendar: RFC 5545 as python3-icalendar reads it, each DTSTART the exact moment.
  const CalcRun ics = Calc(kBirth + kPeriod + QStringList{"--ics"});
  ASSERT_EQ(ics.status, 0);
  const QByteArray bytes = ics.out.toUtf8();
  for (const QByteArray& line : bytes.split('\n')) {
    EXPECT_LE(line.size(), 76);  // 75 octets and the CR
    if (!line.isEmpty()) {
      EXPECT_TRUE(line.endsWith('\r'));
    }
  }
  QFile file(QStringLiteral("events.ics"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  file.close();
  QProcess python;
  // The distribution's interpreter, which sees the distribution's python3-icalendar.
  const QString interpreter = QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                               : QStringLiteral("python3");
  python.start(interpreter, {QStringLiteral("-c"), QStringLiteral(R"(
import icalendar
cal = icalendar.Calendar.from_ical(open('events.ics', 'rb').read())
for e in cal.walk('VEVENT'):
    print(e['UID'], e.decoded('DTSTART').strftime('%d.%m.%Y %H:%M:%S %Z'), e['DESCRIPTION'].count('Orbis von'))
)")});
  ASSERT_TRUE(python.waitForFinished(60000));
  ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  const QStringList read = QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(read.size(), events.size());
  QSet<QString> uids;
  for (qsizetype i = 0; i < read.size(); ++i) {
    const QStringList parts = read[i].split(u' ');
    const QJsonObject exact = events[i].toObject()["exact"].toObject();
    EXPECT_EQ(parts[1] + u' ' + parts[2], exact["date"].toString() + u' ' + exact["time"].toString());
    EXPECT_EQ(parts[3], QStringLiteral("UTC"));
    EXPECT_EQ(parts[4], QStringLiteral("1"));
    uids << parts[0];
  }
  EXPECT_EQ(uids.size(), events.size());
  // A later, longer export names the same events by the same identities.
  const CalcRun again = Calc(kBirth + QStringList{"--from", "01.02.2025", "--to", "30.04.2025", "--kinds",
                                                  "transit,midpoint,arc", "--factors", "SO,MA,SA", "--ics"});
  int shared = 0;
  for (const QString& uid : uids) shared += again.out.contains(QStringLiteral("UID:") + uid);
  EXPECT_GT(shared, events.size() / 3);
}

TEST(CalcEvents, RadixFromTheLibraryIsItsWorldTimeAndPlace) {
  ASSERT_EQ(testing::Calc({"radix", "add", "--name", "Anna", "--date", "14.07.1968", "--time", "10:30", "--offset",
                           "+01:00", "--lon", "13.4", "--lat", "52.5", "--db", "charts.sqlite"}).status,
            0);
  const CalcRun library = Calc(QStringList{"--radix", "Anna", "--db", "charts.sqlite"} + kPeriod + QStringList{"--json"});
  const CalcRun birth = Calc(kBirth + kPeriod + QStringList{"--json"});
  ASSERT_EQ(library.status, 0) << library.err.toStdString();
  EXPECT_EQ(library.out, birth.out);

  // The lists against the radix take it from the library, and only they take it.
  const QStringList moment = {"--date", "01.01.2025", "--hours", "12", "--lon", "13.4", "--lat", "52.5"};
  const auto list = [&](const QStringList& arguments) {
    return testing::Calc(QStringList{"list"} + arguments + moment);
  };
  const CalcRun transits = list({"transite", "--radix", "Anna", "--db", "charts.sqlite"});
  EXPECT_EQ(transits.status, 0) << transits.err.toStdString();
  EXPECT_TRUE(transits.out.contains(QStringLiteral("Radix Anna: 14.07.1968, 09:30:00 WZ/GMT")));
  EXPECT_EQ(list({"transite"}).status, 2);
  EXPECT_EQ(list({"faktoren", "--radix", "Anna", "--db", "charts.sqlite"}).status, 2);
}

}  // namespace
}  // namespace gyrolux
