// The chart library on a real SQLite file in the test's temporary folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "radix/chart_library.h"
#include "tests/test_support/files.h"

namespace gyrolux {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

RadixRecord Berlin(const QString& name) {
  RadixRecord r;
  r.name = name;
  r.localDate = QDate(1980, 7, 1);
  r.localTime = QTime(12, 0, 30);
  r.zone = QStringLiteral("Europe/Berlin");
  r.place = QStringLiteral("Berlin");
  r.country = QStringLiteral("Deutschland");
  r.longitude = 13.4105;
  r.latitude = 52.5244;
  r.notes = QStringLiteral("erste Zeile\nzweite Zeile");
  return r;
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
  const RadixRecord expected = Berlin(QStringLiteral("Zora"));
  EXPECT_EQ(stored.localDate, expected.localDate);
  EXPECT_EQ(stored.localTime, expected.localTime);
  EXPECT_EQ(stored.zone, expected.zone);
  EXPECT_EQ(stored.notes, expected.notes);
  EXPECT_EQ(stored.longitude, expected.longitude);
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

TEST(ChartLibrary, PathFromOptionEnvironmentOrDataFolder) {
  qputenv("GYROLUX_CHARTS", "/tmp/env.sqlite");
  EXPECT_EQ(ChartLibraryPath(QStringLiteral("x.sqlite")), QStringLiteral("x.sqlite"));
  EXPECT_EQ(ChartLibraryPath(), QStringLiteral("/tmp/env.sqlite"));
  qunsetenv("GYROLUX_CHARTS");
  qputenv("XDG_DATA_HOME", "/tmp/data-home");
  EXPECT_EQ(ChartLibraryPath(), QStringLiteral("/tmp/data-home/gyrolux/charts.sqlite"));
  qunsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace gyrolux
