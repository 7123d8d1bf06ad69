// The exchange files: an AAF file written by hand from the format's definition, and the
// round trip of each format through a file.
#include <cmath>

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "radix/radix_exchange.h"
#include "tests/test_support/files.h"

namespace gyrolux {
namespace {

TEST(RadixExchange, ReadsHandWrittenAafAndNamesEachRefusedRecord) {
  // Windows-1252, CR LF, comments, a chunk continued on the next line.
  const QString text = QStringLiteral(
      "#: Beispieldatei, von Hand geschrieben\r\n"
      "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\r\n"
      "#B93:*,49n05,8e11,1he00,0\r\n"
      "\r\n"
      "#A93:Uhrumstellung,*,e,28.9.1980,2:30,Berlin,D\r\n"
      "#B93:2444510.562500,52n31:12,13e24:36,\r\n"
      "  1he00,0\r\n"
      "#ZNAM:Europe/Berlin\r\n"
      "#COM:Notiz mit, Komma\r\n"
      "#A93:Kurz,Karl,m,1.2.1950\r\n"
      "#B93:*,52n31,13e24,1he00,0\r\n"
      "#A93:Ohne,Ort,f,1.2.1950,10:00,Irgendwo,D\r\n"
      "#A93:Müller,Eva,w,3.3.1850,6:00:15,Berlin,D\r\n"
      "#B93:*,52n31,13e24,0he53:28,L\r\n"
      "#A93:Falsch,Datum,m,31.2.1990,10:00,Köln,D\r\n"
      "#B93:*,50n56,6e57,1he00,0\r\n");
  const ImportedCharts charts = ParseAaf(DecodeWindows1252(EncodeWindows1252(text)));
  ASSERT_EQ(charts.records.size(), 3);
  const struct {
    int line;
    const char* name;
    RadixKind kind;
    QDate date;
    QTime time;
    const char* zone;
    FoldChoice fold;
    double latitude, longitude;
  } expected[] = {
      {2, "Ferber, Tobias", RadixKind::Person, {1970, 9, 27}, {11, 4}, "+01:00", FoldChoice::None, 49 + 5 / 60.0, 8 + 11 / 60.0},
      // The Julian day (01:30 world time) picks the second pass of the repeated hour.
      {5, "Uhrumstellung", RadixKind::Event, {1980, 9, 28}, {2, 30}, "Europe/Berlin", FoldChoice::Later,
       52 + 31 / 60.0 + 12 / 3600.0, 13 + 24 / 60.0 + 36 / 3600.0},
      {13, "Müller, Eva", RadixKind::Person, {1850, 3, 3}, {6, 0, 15}, "+00:53:28", FoldChoice::None, 52 + 31 / 60.0, 13 + 24 / 60.0},
  };
  for (int i = 0; i < 3; ++i) {
    const auto& [line, r] = charts.records[i];
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(line, expected[i].line);
    EXPECT_EQ(r.name, QString::fromUtf8(expected[i].name));
    EXPECT_EQ(r.kind, expected[i].kind);
    EXPECT_EQ(r.localDate, expected[i].date);
    EXPECT_EQ(r.localTime, expected[i].time);
    EXPECT_EQ(r.zone, QString::fromUtf8(expected[i].zone));
    EXPECT_EQ(r.fold, expected[i].fold);
    EXPECT_NEAR(r.latitude, expected[i].latitude, 1e-9);
    EXPECT_NEAR(r.longitude, expected[i].longitude, 1e-9);
  }
  EXPECT_EQ(charts.records[1].second.notes, QStringLiteral("Notiz mit, Komma"));
  EXPECT_EQ(charts.records[1].second.place, QStringLiteral("Berlin"));
  ASSERT_EQ(charts.refused.size(), 3);
  EXPECT_EQ(charts.refused[0].first, 10);
  EXPECT_TRUE(charts.refused[0].second.contains(QStringLiteral("abgeschnitten")));
  EXPECT_EQ(charts.refused[1].first, 12);
  EXPECT_TRUE(charts.refused[1].second.contains(QStringLiteral("#B93")));
  EXPECT_EQ(charts.refused[2].first, 15);
}

RadixRecord Chart(const char* name, QDate date, QTime time, const char* zone, FoldChoice fold, double lon, double lat) {
  RadixRecord r;
  r.name = QString::fromUtf8(name);
  r.localDate = date;
  r.localTime = time;
  r.zone = QString::fromLatin1(zone);
  r.fold = fold;
  r.longitude = lon;
  r.latitude = lat;
  return r;
}

TEST(RadixExchange, EachFormatRoundTrips) {
  QList<RadixRecord> records{
      Chart("Müller, Eva", {1980, 9, 28}, {2, 30, 5}, "Europe/Berlin", FoldChoice::Later, 13.41, 52.52),
      Chart("Doppelte Sommerzeit", {1945, 6, 1}, {12, 0}, "Europe/Berlin", FoldChoice::None, 13.41, 52.52),
      Chart("Ortszeit", {1880, 1, 1}, {8, 0}, "Europe/Berlin", FoldChoice::None, 13.41, 52.52),
      Chart("Mumbai", {1990, 1, 15}, {8, 0}, "+05:30", FoldChoice::None, 72.8775, 19.0758),
      Chart("Lord Howe", {2020, 1, 1}, {12, 0}, "Australia/Lord_Howe", FoldChoice::None, 159.08, -31.55),
      Chart("Westen", {1969, 7, 20}, {22, 56}, "America/New_York", FoldChoice::None, -74.0, 40.7)};
  records[0].kind = RadixKind::Event;
  records[0].place = QStringLiteral("Berlin, Mitte");
  records[0].country = QStringLiteral("Deutschland");
  records[0].notes = QStringLiteral("mit, Komma und \"Anführung\"");
  for (const char* file : {"charts.aaf", "charts.csv", "charts.json"}) {
    SCOPED_TRACE(file);
    const QString path = QString::fromLatin1(file);
    QString error;
    ASSERT_TRUE(WriteExchangeFile(path, records, error)) << error.toStdString();
    const std::optional<ImportedCharts> read = ReadExchangeFile(path, error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_TRUE(read->refused.isEmpty()) << read->refused.value(0).second.toStdString();
    ASSERT_EQ(read->records.size(), records.size());
    const bool aaf = path.endsWith(QStringLiteral(".aaf"));
    for (qsizetype i = 0; i < records.size(); ++i) {
      const RadixRecord& a = records[i];
      const RadixRecord& b = read->records[i].second;
      EXPECT_EQ(b.name, a.name);
      EXPECT_EQ(b.kind, a.kind);
      EXPECT_EQ(b.localDate, a.localDate);
      EXPECT_EQ(b.localTime, a.localTime);
      EXPECT_EQ(b.zone, a.zone);
      EXPECT_EQ(b.fold, a.fold);
      EXPECT_EQ(b.country, a.country);
      // AAF keeps coordinates to the arc second and fields without commas.
      EXPECT_NEAR(b.longitude, a.longitude, aaf ? 0.5 / 3600 : 0.0);
      EXPECT_NEAR(b.latitude, a.latitude, aaf ? 0.5 / 3600 : 0.0);
      if (!aaf) {
        EXPECT_EQ(b.place, a.place);
        EXPECT_EQ(b.notes, a.notes);
      }
    }
  }
}

TEST(RadixExchange, UnreadableFilesGiveNothing) {
  testing::WriteBytes(QStringLiteral("broken.json"), "[{\"name\": ");
  QString error;
  EXPECT_FALSE(ReadExchangeFile(QStringLiteral("broken.json"), error));
  EXPECT_FALSE(ReadExchangeFile(QStringLiteral("missing.aaf"), error));
  EXPECT_FALSE(ReadExchangeFile(QStringLiteral("/dev/null/x.csv"), error));
  EXPECT_FALSE(ReadExchangeFile(QStringLiteral("charts.txt"), error));
  // CSV: a missing column refuses the file's header, a short row its line.
  const ImportedCharts csv = ParseCsv(QStringLiteral("name,localDate,localTime,zone,lon,lat\n"
                                                     "A,01.01.2000,12:00,+01:00,10,50\n"
                                                     "B,01.01.2000,12:00\n"
                                                     "C,01.01.2000,25:00,+01:00,10,50\n"));
  EXPECT_EQ(csv.records.size(), 1);
  ASSERT_EQ(csv.refused.size(), 2);
  EXPECT_EQ(csv.refused[0].first, 3);
  EXPECT_EQ(csv.refused[1].first, 4);
}

}  // namespace
}  // namespace gyrolux
