// The radix logic: local times in real zones, the chart library on a real SQLite file in
// the test's temporary folder, the exchange files and the atlas.
#include <gtest/gtest.h>

#include <cmath>

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "dialogs/places_file.h"
#include "platform/text_file.h"
#include "radix/atlas.h"
#include "radix/chart_library.h"
#include "radix/local_time.h"
#include "radix/radix_exchange.h"
#include "tests/test_support/files.h"
#include "tests/test_support/temp_working_dir.h"

namespace gyrolux {
namespace {

using Kind = LocalTimeResolution::Kind;
using testing::ReadBytes;
using testing::WriteBytes;

// Local times in real zones against Python's zoneinfo (the expected offsets and world
// times below were read from it), gaps and repeated hours.
struct ZoneCase {
  const char* zone;
  const char* local;  // ISO
  FoldChoice fold;
  int offset;         // seconds, from zoneinfo
  const char* utc;    // ISO, from zoneinfo
};

TEST(LocalTime, MatchesZoneinfo) {
  const ZoneCase cases[] = {
      {"Europe/Berlin", "1880-06-01T12:00:00", FoldChoice::None, 3208, "1880-06-01T11:06:32"},  // local mean time
      {"Europe/Berlin", "1893-03-31T23:59:59", FoldChoice::None, 3208, "1893-03-31T23:06:31"},
      {"Europe/Berlin", "1893-04-01T01:00:00", FoldChoice::None, 3600, "1893-04-01T00:00:00"},
      {"Europe/Berlin", "1945-05-24T12:00:00", FoldChoice::None, 10800, "1945-05-24T09:00:00"},  // double summer time
      {"Europe/Berlin", "1946-07-01T12:00:00", FoldChoice::None, 7200, "1946-07-01T10:00:00"},
      {"Europe/Berlin", "1980-09-28T02:30:00", FoldChoice::Earlier, 7200, "1980-09-28T00:30:00"},
      {"Europe/Berlin", "1980-09-28T02:30:00", FoldChoice::Later, 3600, "1980-09-28T01:30:00"},
      {"Europe/Berlin", "1945-09-24T02:30:00", FoldChoice::Later, 7200, "1945-09-24T00:30:00"},
      {"Asia/Kolkata", "1990-01-15T08:00:00", FoldChoice::None, 19800, "1990-01-15T02:30:00"},
      {"Asia/Kolkata", "1942-10-01T08:00:00", FoldChoice::None, 23400, "1942-10-01T01:30:00"},
      {"Australia/Lord_Howe", "2020-01-01T12:00:00", FoldChoice::None, 39600, "2020-01-01T01:00:00"},
      {"Australia/Lord_Howe", "2020-07-01T12:00:00", FoldChoice::None, 37800, "2020-07-01T01:30:00"},
      {"America/New_York", "1969-07-20T22:56:00", FoldChoice::None, -14400, "1969-07-21T02:56:00"},
      {"+05:30", "1990-01-15T08:00:00", FoldChoice::None, 19800, "1990-01-15T02:30:00"},
  };
  for (const ZoneCase& c : cases) {
    const QDateTime local = QDateTime::fromString(QString::fromLatin1(c.local), Qt::ISODate);
    const LocalTimeResolution r = ResolveLocalTime(local.date(), local.time(), QString::fromLatin1(c.zone), c.fold);
    SCOPED_TRACE(std::string(c.zone) + " " + c.local);
    EXPECT_EQ(r.offsetSeconds, c.offset);
    EXPECT_EQ(r.utc.toString(Qt::ISODate).left(19), QString::fromLatin1(c.utc));
  }
}

TEST(LocalTime, GapsAndRepeatedHoursAreNamed) {
  struct Case {
    const char* zone;
    const char* local;
    Kind kind;
    const char* named;  // a part of the message
  } const cases[] = {
      {"Europe/Berlin", "1980-04-06T02:30:00", Kind::Gap, "von 02:00 auf 03:00"},
      {"Europe/Berlin", "1945-05-24T02:30:00", Kind::Gap, "UTC+02:00 auf UTC+03:00"},
      {"Europe/Berlin", "1947-04-06T03:30:00", Kind::Gap, "von 03:00 auf 04:00"},
      {"Europe/Berlin", "1893-04-01T00:03:00", Kind::Gap, "von 00:00 auf 00:06:32"},
      {"Australia/Lord_Howe", "2020-10-04T02:15:00", Kind::Gap, "von 02:00 auf 02:30"},
      {"Europe/Berlin", "1980-09-28T02:30:00", Kind::Repeated, "zuerst mit UTC+02:00, dann mit UTC+01:00"},
      {"Europe/Berlin", "1947-06-29T02:30:00", Kind::Repeated, "zuerst mit UTC+03:00, dann mit UTC+02:00"},
      {"Mars/Olympus", "2000-01-01T12:00:00", Kind::BadZone, "unbekannt"},
  };
  for (const Case& c : cases) {
    const QDateTime local = QDateTime::fromString(QString::fromLatin1(c.local), Qt::ISODate);
    const LocalTimeResolution r = ResolveLocalTime(local.date(), local.time(), QString::fromLatin1(c.zone), FoldChoice::None);
    SCOPED_TRACE(std::string(c.zone) + " " + c.local);
    EXPECT_EQ(r.kind, c.kind);
    EXPECT_TRUE(r.utc.isNull());
    EXPECT_TRUE(r.message.contains(QString::fromUtf8(c.named))) << r.message.toStdString();
  }
}

TEST(LocalTime, FixedOffsets) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"+05:30", 19800},       {"-03:00", -10800},    {"+00:53:28", 3208},     {"+15:00", 54000},
      {"+15:01", std::nullopt}, {"5:30", std::nullopt}, {"+05:60", std::nullopt}, {"", std::nullopt}};
  for (const auto& [text, seconds] : cases) {
    EXPECT_EQ(ParseFixedOffset(QString::fromLatin1(text)), seconds) << text;
    if (seconds) {
      EXPECT_EQ(FormatOffset(*seconds), QString::fromLatin1(text));
    }
  }
}

RadixRecord Record(const char* name, QDate date, QTime time, const char* zone, FoldChoice fold, double lon, double lat) {
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

RadixRecord Berlin(const QString& name) {
  RadixRecord r = Record("", {1980, 7, 1}, {12, 0, 30}, "Europe/Berlin", FoldChoice::None, 13.4105, 52.5244);
  r.name = name;
  r.place = QStringLiteral("Berlin");
  r.country = QStringLiteral("Deutschland");
  r.notes = QStringLiteral("erste Zeile\nzweite Zeile");
  return r;
}

// The fields that the library and every exchange format keep; coordinates within the tolerance.
void ExpectSameChart(const RadixRecord& got, const RadixRecord& want, double tolerance = 0.0) {
  SCOPED_TRACE(want.name.toStdString());
  EXPECT_EQ(got.name, want.name);
  EXPECT_TRUE(got.kind == want.kind && got.zone == want.zone && got.fold == want.fold) << got.zone.toStdString();
  EXPECT_TRUE(got.localDate == want.localDate && got.localTime == want.localTime)
      << got.localDate.toString(Qt::ISODate).toStdString() << " " << got.localTime.toString().toStdString();
  EXPECT_NEAR(got.longitude, want.longitude, tolerance);
  EXPECT_NEAR(got.latitude, want.latitude, tolerance);
}

std::unique_ptr<ChartLibrary> OpenOrFail(const QString& path) {
  QString error;
  std::unique_ptr<ChartLibrary> library = ChartLibrary::Open(path, error);
  EXPECT_TRUE(library) << error.toStdString();
  return library;
}

TEST(ChartLibrary, StoresChangesAndRemovesWithUniqueNames) {
  const QString path = QDir::currentPath() + QStringLiteral("/sub/charts.sqlite");
  QString error;
  {
    auto library = OpenOrFail(path);
    ASSERT_TRUE(library->Add(Berlin(QStringLiteral("Zora")), error)) << error.toStdString();
    ASSERT_TRUE(library->Add(Berlin(QStringLiteral("Anna")), error));
    EXPECT_FALSE(library->Add(Berlin(QStringLiteral("Anna")), error));
    EXPECT_TRUE(error.contains(QStringLiteral("schon vergeben")));
    RadixRecord gap = Berlin(QStringLiteral("Lücke"));
    gap.localDate = QDate(1980, 4, 6);
    gap.localTime = QTime(2, 30);
    EXPECT_FALSE(library->Add(gap, error));
    EXPECT_TRUE(error.contains(QStringLiteral("nicht")));
  }
  // A second program on the same file sees what the first stored.
  auto library = OpenOrFail(path);
  auto other = OpenOrFail(path);
  const auto all = library->All(error);
  ASSERT_TRUE(all);
  ASSERT_EQ(all->size(), 2);
  EXPECT_EQ((*all)[0].name, QStringLiteral("Anna"));
  const RadixRecord stored = (*all)[1];
  ExpectSameChart(stored, Berlin(QStringLiteral("Zora")));
  EXPECT_EQ(stored.notes, Berlin(QString()).notes);
  EXPECT_EQ(stored.revision, 1);

  // Both read revision 1; the second change would overwrite the first and is refused.
  RadixRecord first = stored, second = stored;
  first.place = QStringLiteral("Potsdam");
  second.place = QStringLiteral("Spandau");
  ASSERT_TRUE(library->Replace(QStringLiteral("Zora"), first, error)) << error.toStdString();
  EXPECT_FALSE(other->Replace(QStringLiteral("Zora"), second, error));
  EXPECT_TRUE(error.contains(QStringLiteral("inzwischen")));
  EXPECT_EQ(other->Find(QStringLiteral("Zora"), error)->place, QStringLiteral("Potsdam"));
  // Renaming onto a taken name is refused.
  RadixRecord renamed = *other->Find(QStringLiteral("Zora"), error);
  renamed.name = QStringLiteral("Anna");
  EXPECT_FALSE(other->Replace(QStringLiteral("Zora"), renamed, error));

  EXPECT_TRUE(other->Remove(QStringLiteral("Anna"), error));
  EXPECT_FALSE(library->Remove(QStringLiteral("Anna"), error));
  EXPECT_EQ(library->Names(error), QStringList{QStringLiteral("Zora")});
}

// Another process writing to the same library: an addition waits for its transaction to end
// instead of failing on the lock, and both changes are kept.
TEST(ChartLibrary, WaitsForAnotherProcessHoldingTheWriteLock) {
  const QString path = QDir::currentPath() + QStringLiteral("/charts.sqlite");
  QString error;
  auto library = OpenOrFail(path);
  ASSERT_TRUE(library->Add(Berlin(QStringLiteral("Erste")), error));
  QProcess other;
  other.start(QStringLiteral("python3"),
              {QStringLiteral("-c"), QStringLiteral(
                   "import sqlite3, sys, time\n"
                   "db = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                   "db.execute('BEGIN IMMEDIATE')\n"
                   "db.execute(\"UPDATE charts SET notes = 'fremd' WHERE name = 'Erste'\")\n"
                   "print('locked', flush=True)\n"
                   "time.sleep(1.5)\n"
                   "db.execute('COMMIT')\n"),
               path});
  ASSERT_TRUE(other.waitForReadyRead(30000)) << other.readAllStandardError().toStdString();
  ASSERT_EQ(other.readAllStandardOutput().trimmed(), "locked");
  EXPECT_TRUE(library->Add(Berlin(QStringLiteral("Zweite")), error)) << error.toStdString();
  ASSERT_TRUE(other.waitForFinished(30000));
  EXPECT_EQ(other.exitCode(), 0) << other.readAllStandardError().toStdString();
  EXPECT_EQ(library->Names(error), (QStringList{QStringLiteral("Erste"), QStringLiteral("Zweite")}));
  EXPECT_EQ(library->Find(QStringLiteral("Erste"), error)->notes, QStringLiteral("fremd"));
}

TEST(ChartLibrary, AddAllIsOneTransactionThatNamesEachRefusal) {
  auto library = OpenOrFail(QStringLiteral("charts.sqlite"));
  RadixRecord badZone = Berlin(QStringLiteral("B"));
  badZone.zone = QStringLiteral("Europe/Atlantis");
  RadixRecord farNorth = Berlin(QStringLiteral("C"));
  farNorth.latitude = 91;
  QList<std::pair<int, QString>> refused;
  QString error;
  ASSERT_TRUE(library->AddAll({Berlin(QStringLiteral("A")), badZone, farNorth, Berlin(QStringLiteral("A"))}, refused, error));
  ASSERT_EQ(refused.size(), 3);
  EXPECT_EQ(refused[0].first, 1);
  EXPECT_EQ(refused[1].first, 2);
  EXPECT_EQ(refused[2].first, 3);
  EXPECT_TRUE(refused[2].second.contains(QStringLiteral("schon vergeben")));
  EXPECT_EQ(library->Names(error)->size(), 1);
}

TEST(ChartLibrary, ForeignDamagedAndNewerFilesAreRefusedAndLeftAlone) {
  // Another program's SQLite database.
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
    db.setDatabaseName(QStringLiteral("foreign.sqlite"));
    ASSERT_TRUE(db.open());
    QSqlQuery(db).exec(QStringLiteral("CREATE TABLE notes (text TEXT)"));
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
  WriteBytes(QStringLiteral("text.sqlite"), "Name;Datum\r\nAnna;1.1.2000\r\n");
  QByteArray damaged = ReadBytes(QStringLiteral("foreign.sqlite"));
  damaged.truncate(100);
  WriteBytes(QStringLiteral("damaged.sqlite"), damaged);
  // Ours, from a later version.
  {
    auto library = OpenOrFail(QStringLiteral("newer.sqlite"));
  }
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
    db.setDatabaseName(QStringLiteral("newer.sqlite"));
    ASSERT_TRUE(db.open());
    QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 99"));
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("newer"));
  QDir().mkdir(QStringLiteral("folder.sqlite"));

  const struct {
    const char* file;
    const char* named;
  } cases[] = {{"foreign.sqlite", "keine Radix-Kartei von Gyrolux"},
               {"text.sqlite", "keine Radix-Kartei"},
               {"damaged.sqlite", "beschädigt"},
               {"newer.sqlite", "neueren Gyrolux-Version"},
               {"folder.sqlite", "keine gewöhnliche Datei"}};
  for (const auto& c : cases) {
    const QString path = QString::fromLatin1(c.file);
    const QByteArray before = ReadBytes(path);
    QString error;
    EXPECT_FALSE(ChartLibrary::Open(path, error)) << c.file;
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.named))) << c.file << ": " << error.toStdString();
    EXPECT_EQ(ReadBytes(path), before) << c.file;
  }
}

// The exchange files: an AAF file written by hand from the format's definition, and the
// round trip of each format through a file.
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
  RadixRecord expected[] = {
      Record("Ferber, Tobias", {1970, 9, 27}, {11, 4}, "+01:00", FoldChoice::None, 8 + 11 / 60.0, 49 + 5 / 60.0),
      // The Julian day (01:30 world time) picks the second pass of the repeated hour.
      Record("Uhrumstellung", {1980, 9, 28}, {2, 30}, "Europe/Berlin", FoldChoice::Later,
             13 + 24 / 60.0 + 36 / 3600.0, 52 + 31 / 60.0 + 12 / 3600.0),
      Record("Müller, Eva", {1850, 3, 3}, {6, 0, 15}, "+00:53:28", FoldChoice::None, 13 + 24 / 60.0, 52 + 31 / 60.0)};
  expected[1].kind = RadixKind::Event;
  const int lines[] = {2, 5, 13};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(charts.records[i].first, lines[i]);
    ExpectSameChart(charts.records[i].second, expected[i], 1e-9);
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

TEST(RadixExchange, EachFormatRoundTrips) {
  QList<RadixRecord> records{
      Record("Müller, Eva", {1980, 9, 28}, {2, 30, 5}, "Europe/Berlin", FoldChoice::Later, 13.41, 52.52),
      Record("Doppelte Sommerzeit", {1945, 6, 1}, {12, 0}, "Europe/Berlin", FoldChoice::None, 13.41, 52.52),
      Record("Ortszeit", {1880, 1, 1}, {8, 0}, "Europe/Berlin", FoldChoice::None, 13.41, 52.52),
      Record("Mumbai", {1990, 1, 15}, {8, 0}, "+05:30", FoldChoice::None, 72.8775, 19.0758),
      Record("Lord Howe", {2020, 1, 1}, {12, 0}, "Australia/Lord_Howe", FoldChoice::None, 159.08, -31.55),
      Record("Westen", {1969, 7, 20}, {22, 56}, "America/New_York", FoldChoice::None, -74.0, 40.7)};
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
      // AAF keeps coordinates to the arc second and fields without commas.
      ExpectSameChart(b, a, aaf ? 0.5 / 3600 : 0.0);
      EXPECT_EQ(b.country, a.country);
      EXPECT_TRUE(aaf || (b.place == a.place && b.notes == a.notes)) << b.place.toStdString();
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

// The atlas: German names, searching without accents, the best match first, the places
// file's places with the zone of their nearest city.
TEST(Atlas, FindsGermanNamesWithoutAccentsBestFirst) {
  const std::optional<QStringList> lines = ReadPlacesLines(testing::SourceDir() + QStringLiteral("/resources/W-ORTE.TXT"));
  ASSERT_TRUE(lines);
  const Atlas atlas = Atlas::Load(*lines);
  EXPECT_GT(atlas.size(), 24000);
  const struct {
    const char* typed;
    const char* name;
    const char* country;
    const char* zone;
  } cases[] = {
      {"München", "München", "Deutschland", "Europe/Berlin"},
      {"munchen", "München", "Deutschland", "Europe/Berlin"},
      {"Munich", "München", "Deutschland", "Europe/Berlin"},
      {"KÖLN", "Köln", "Deutschland", "Europe/Berlin"},
      {"Wien", "Wien", "Österreich", "Europe/Vienna"},
      {"Mailand", "Mailand", "Italien", "Europe/Rome"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const QList<AtlasPlace> found = atlas.Find(QString::fromUtf8(c.typed));
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(found[0].name, QString::fromUtf8(c.name));
    EXPECT_EQ(found[0].country, QString::fromUtf8(c.country));
    EXPECT_EQ(found[0].zone, QString::fromUtf8(c.zone));
  }
  // "Ber": Berlin (the largest that starts so) before the smaller ones.
  EXPECT_EQ(atlas.Find(QStringLiteral("Ber")).value(0).name, QStringLiteral("Berlin"));
  // A place only the places file has, with the zone of the nearest city.
  bool aalenFromFile = false;
  for (const AtlasPlace& place : atlas.Find(QStringLiteral("Aalen"))) {
    if (place.fromPlacesFile) {
      aalenFromFile = true;
      EXPECT_EQ(place.zone, QStringLiteral("Europe/Berlin"));
      EXPECT_NEAR(place.latitude, 48 + 50 / 60.0, 1e-9);
    }
  }
  EXPECT_TRUE(aalenFromFile);
  EXPECT_TRUE(atlas.Find(QStringLiteral("   ")).isEmpty());
}

}  // namespace
}  // namespace gyrolux
