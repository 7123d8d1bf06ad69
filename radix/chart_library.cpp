#include "radix/chart_library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QVariant>
#include <QAtomicInteger>

namespace gyrolux {

namespace {

// "GYLX": marks the file as a library of ours.
constexpr qint64 kApplicationId = 0x47594C58;

// The layouts, oldest first: step i brings a library of version i to version i + 1. A new
// layout adds a step; existing steps are never changed.
const QList<QStringList>& Migrations() {
  static const QList<QStringList> steps{
      {QStringLiteral("CREATE TABLE charts ("
                      " id INTEGER PRIMARY KEY,"
                      " name TEXT NOT NULL UNIQUE,"
                      " kind TEXT NOT NULL,"
                      " local_date TEXT NOT NULL,"
                      " local_time TEXT NOT NULL,"
                      " zone TEXT NOT NULL,"
                      " fold TEXT NOT NULL DEFAULT '',"
                      " place TEXT NOT NULL DEFAULT '',"
                      " country TEXT NOT NULL DEFAULT '',"
                      " longitude REAL NOT NULL,"
                      " latitude REAL NOT NULL,"
                      " notes TEXT NOT NULL DEFAULT '',"
                      " revision INTEGER NOT NULL DEFAULT 1)")},
  };
  return steps;
}

constexpr int kBusyTimeoutMs = 5000;

QString ColumnList() {
  return QStringLiteral("name, kind, local_date, local_time, zone, fold, place, country, longitude, latitude, notes, revision");
}

QString ErrorText(const QString& path, const QSqlError& error) {
  const int code = error.nativeErrorCode().toInt();
  switch (code & 0xff) {
    case 5:  // SQLITE_BUSY
    case 6:  // SQLITE_LOCKED
      return QStringLiteral("Die Radix-Kartei %1 ist von einem anderen Programm gesperrt; bitte später noch einmal versuchen")
          .arg(QDir::toNativeSeparators(path));
    case 11:  // SQLITE_CORRUPT
    case 26:  // SQLITE_NOTADB
      return QStringLiteral("Die Datei %1 ist beschädigt oder keine Radix-Kartei; sie bleibt unverändert")
          .arg(QDir::toNativeSeparators(path));
    case 8:  // SQLITE_READONLY
      return QStringLiteral("Die Radix-Kartei %1 ist schreibgeschützt").arg(QDir::toNativeSeparators(path));
    default: break;
  }
  return QStringLiteral("Fehler in der Radix-Kartei %1: %2").arg(QDir::toNativeSeparators(path), error.text());
}

RadixRecord RecordFromQuery(const QSqlQuery& q) {
  RadixRecord r;
  r.name = q.value(0).toString();
  if (!KindFromText(q.value(1).toString(), r.kind)) r.kind = RadixKind::Person;
  r.localDate = QDate::fromString(q.value(2).toString(), Qt::ISODate);
  r.localTime = QTime::fromString(q.value(3).toString(), QStringLiteral("HH:mm:ss"));
  r.zone = q.value(4).toString();
  if (!FoldFromText(q.value(5).toString(), r.fold)) r.fold = FoldChoice::None;
  r.place = q.value(6).toString();
  r.country = q.value(7).toString();
  r.longitude = q.value(8).toDouble();
  r.latitude = q.value(9).toDouble();
  r.notes = q.value(10).toString();
  r.revision = q.value(11).toLongLong();
  return r;
}

// A null QString would be bound as NULL; the columns hold empty texts instead.
QString Text(const QString& text) { return text.isNull() ? QStringLiteral("") : text; }

void BindRecord(QSqlQuery& q, const RadixRecord& r) {
  q.bindValue(QStringLiteral(":name"), Text(r.name));
  q.bindValue(QStringLiteral(":kind"), KindText(r.kind));
  q.bindValue(QStringLiteral(":date"), r.localDate.toString(Qt::ISODate));
  q.bindValue(QStringLiteral(":time"), r.localTime.toString(QStringLiteral("HH:mm:ss")));
  q.bindValue(QStringLiteral(":zone"), Text(r.zone));
  q.bindValue(QStringLiteral(":fold"), Text(FoldText(r.fold)));
  q.bindValue(QStringLiteral(":place"), Text(r.place));
  q.bindValue(QStringLiteral(":country"), Text(r.country));
  q.bindValue(QStringLiteral(":lon"), r.longitude);
  q.bindValue(QStringLiteral(":lat"), r.latitude);
  q.bindValue(QStringLiteral(":notes"), Text(r.notes));
}

// One write transaction: takes the write lock at once (BEGIN IMMEDIATE, waiting up to the
// busy timeout), rolls back unless committed.
// A query run, its failure as the German message of the library named by path.
bool Failed(const QSqlError& sqlError, const QString& path, QString& error) {
  error = ErrorText(path, sqlError);
  return false;
}
bool Run(QSqlQuery& q, const QString& path, QString& error) { return q.exec() || Failed(q.lastError(), path, error); }

class WriteTransaction {
 public:
  explicit WriteTransaction(QSqlDatabase db) : db_(std::move(db)) {
    QSqlQuery q(db_);
    begun_ = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
    if (!begun_) error_ = q.lastError();
  }
  ~WriteTransaction() {
    if (begun_ && !done_) QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
  }
  bool begun() const { return begun_; }
  const QSqlError& error() const { return error_; }
  bool Commit() {
    QSqlQuery q(db_);
    done_ = q.exec(QStringLiteral("COMMIT"));
    if (!done_) error_ = q.lastError();
    return done_;
  }

 private:
  QSqlDatabase db_;
  bool begun_ = false;
  bool done_ = false;
  QSqlError error_;
};

QString NameTaken(const QString& name) {
  return QStringLiteral("Der Name „%1“ ist in der Radix-Kartei schon vergeben").arg(name);
}

}  // namespace

QString ChartLibraryPath(const QString& dbOption) {
  if (!dbOption.isEmpty()) return dbOption;
  const QString fromEnvironment = qEnvironmentVariable("GYROLUX_CHARTS");
  if (!fromEnvironment.isEmpty()) return fromEnvironment;
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/gyrolux/charts.sqlite");
}

ChartLibrary::ChartLibrary(QString path, QString connection)
    : path_(std::move(path)), connection_(std::move(connection)) {}

ChartLibrary::~ChartLibrary() {
  {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    db.close();
  }
  QSqlDatabase::removeDatabase(connection_);
}

std::unique_ptr<ChartLibrary> ChartLibrary::Open(const QString& path, QString& error) {
  const QString shown = QDir::toNativeSeparators(path);
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    error = QStringLiteral("%1 ist keine gewöhnliche Datei und kann keine Radix-Kartei sein").arg(shown);
    return nullptr;
  }
  if (info.exists() && info.size() > 0) {
    // A SQLite file starts with its magic text; anything else is refused before SQLite
    // sees it.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
      error = QStringLiteral("Die Radix-Kartei %1 lässt sich nicht lesen").arg(shown);
      return nullptr;
    }
    if (file.read(16) != QByteArray("SQLite format 3", 16)) {
      error = QStringLiteral("Die Datei %1 ist keine Radix-Kartei (oder beschädigt); sie bleibt unverändert").arg(shown);
      return nullptr;
    }
  } else if (!info.exists() && !QDir().mkpath(info.absolutePath())) {
    error = QStringLiteral("Der Ordner %1 lässt sich nicht anlegen").arg(QDir::toNativeSeparators(info.absolutePath()));
    return nullptr;
  }
  static QAtomicInteger<quint64> counter;
  const QString connection = QStringLiteral("gyrolux-charts-%1").arg(counter.fetchAndAddRelaxed(1));
  std::unique_ptr<ChartLibrary> library(new ChartLibrary(path, connection));
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
  db.setDatabaseName(path);
  db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
  if (!db.open()) {
    error = ErrorText(path, db.lastError());
    return nullptr;
  }
  const auto fail = [&](const QString& message) {
    error = message;
    return nullptr;
  };
  const auto pragma = [&](const QString& name, qint64& value) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA ") + name) || !q.next()) {
      error = ErrorText(path, q.lastError());
      return false;
    }
    value = q.value(0).toLongLong();
    return true;
  };
  qint64 applicationId = 0, version = 0, objects = 0;
  if (!pragma(QStringLiteral("application_id"), applicationId) || !pragma(QStringLiteral("user_version"), version))
    return nullptr;
  {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
      return fail(ErrorText(path, q.lastError()));
    objects = q.value(0).toLongLong();
  }
  const qint64 current = Migrations().size();
  if (applicationId != kApplicationId && !(applicationId == 0 && objects == 0))
    return fail(QStringLiteral("Die Datei %1 ist eine SQLite-Datenbank, aber keine Radix-Kartei von Gyrolux; sie bleibt unverändert")
                    .arg(shown));
  if (version > current)
    return fail(QStringLiteral("Die Radix-Kartei %1 stammt von einer neueren Gyrolux-Version (Stand %2, hier %3); sie bleibt unverändert")
                    .arg(shown)
                    .arg(version)
                    .arg(current));
  if (version < current) {
    WriteTransaction transaction(db);
    if (!transaction.begun()) return fail(ErrorText(path, transaction.error()));
    // Another program may have brought it up to date while we waited for the lock.
    if (!pragma(QStringLiteral("user_version"), version)) return nullptr;
    for (qint64 step = version; step < current; ++step) {
      for (const QString& statement : Migrations()[step]) {
        QSqlQuery q(db);
        if (!q.exec(statement)) return fail(ErrorText(path, q.lastError()));
      }
    }
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId)) ||
        !q.exec(QStringLiteral("PRAGMA user_version = %1").arg(current)))
      return fail(ErrorText(path, q.lastError()));
    if (!transaction.Commit()) return fail(ErrorText(path, transaction.error()));
  }
  return library;
}

std::optional<QList<RadixRecord>> ChartLibrary::All(QString& error) const {
  QSqlQuery q(QSqlDatabase::database(connection_));
  q.setForwardOnly(true);
  if (!q.exec(QStringLiteral("SELECT %1 FROM charts ORDER BY name").arg(ColumnList()))) {
    error = ErrorText(path_, q.lastError());
    return std::nullopt;
  }
  QList<RadixRecord> records;
  while (q.next()) records.append(RecordFromQuery(q));
  return records;
}

std::optional<QStringList> ChartLibrary::Names(QString& error) const {
  QSqlQuery q(QSqlDatabase::database(connection_));
  q.setForwardOnly(true);
  if (!q.exec(QStringLiteral("SELECT name FROM charts ORDER BY name"))) {
    error = ErrorText(path_, q.lastError());
    return std::nullopt;
  }
  QStringList names;
  while (q.next()) names.append(q.value(0).toString());
  return names;
}

std::optional<RadixRecord> ChartLibrary::Find(const QString& name, QString& error) const {
  error.clear();
  QSqlQuery q(QSqlDatabase::database(connection_));
  q.prepare(QStringLiteral("SELECT %1 FROM charts WHERE name = :name").arg(ColumnList()));
  q.bindValue(QStringLiteral(":name"), name);
  if (!q.exec()) {
    error = ErrorText(path_, q.lastError());
    return std::nullopt;
  }
  if (!q.next()) return std::nullopt;
  return RecordFromQuery(q);
}

bool ChartLibrary::Add(const RadixRecord& record, QString& error) {
  QList<std::pair<int, QString>> refused;
  if (!AddAll({record}, refused, error)) return false;
  if (!refused.isEmpty()) {
    error = refused.front().second;
    return false;
  }
  return true;
}

bool ChartLibrary::AddAll(const QList<RadixRecord>& records, QList<std::pair<int, QString>>& refused,
                          QString& error) {
  refused.clear();
  QSqlDatabase db = QSqlDatabase::database(connection_);
  QList<int> good;
  for (int i = 0; i < records.size(); ++i) {
    const QString problem = RecordProblem(records[i]);
    if (problem.isEmpty()) {
      good.append(i);
    } else {
      refused.append({i, problem});
    }
  }
  WriteTransaction transaction(db);
  if (!transaction.begun()) return Failed(transaction.error(), path_, error);
  QSqlQuery exists(db), insert(db);
  exists.prepare(QStringLiteral("SELECT 1 FROM charts WHERE name = :name"));
  insert.prepare(QStringLiteral("INSERT INTO charts (%1) VALUES (:name, :kind, :date, :time, :zone, :fold, "
                                ":place, :country, :lon, :lat, :notes, 1)")
                     .arg(ColumnList()));
  for (int i : good) {
    exists.bindValue(QStringLiteral(":name"), records[i].name);
    if (!exists.exec()) {
      error = ErrorText(path_, exists.lastError());
      return false;
    }
    const bool taken = exists.next();
    exists.finish();
    if (taken) {
      refused.append({i, NameTaken(records[i].name)});
      continue;
    }
    BindRecord(insert, records[i]);
    if (!insert.exec()) {
      error = ErrorText(path_, insert.lastError());
      return false;
    }
  }
  std::sort(refused.begin(), refused.end());
  if (!transaction.Commit()) {
    error = ErrorText(path_, transaction.error());
    return false;
  }
  return true;
}

bool ChartLibrary::Replace(const QString& oldName, const RadixRecord& record, QString& error) {
  error = RecordProblem(record);
  if (!error.isEmpty()) return false;
  QSqlDatabase db = QSqlDatabase::database(connection_);
  WriteTransaction transaction(db);
  if (!transaction.begun()) return Failed(transaction.error(), path_, error);
  QSqlQuery q(db);
  q.prepare(QStringLiteral("SELECT revision FROM charts WHERE name = :name"));
  q.bindValue(QStringLiteral(":name"), oldName);
  if (!Run(q, path_, error)) return false;
  if (!q.next()) {
    error = QStringLiteral("„%1“ wurde inzwischen aus der Radix-Kartei gelöscht").arg(oldName);
    return false;
  }
  if (q.value(0).toLongLong() != record.revision) {
    error = QStringLiteral("„%1“ wurde inzwischen von einem anderen Programm geändert; bitte neu laden").arg(oldName);
    return false;
  }
  q.finish();
  if (record.name != oldName) {
    q.prepare(QStringLiteral("SELECT 1 FROM charts WHERE name = :name"));
    q.bindValue(QStringLiteral(":name"), record.name);
    if (!Run(q, path_, error)) return false;
    if (q.next()) {
      error = NameTaken(record.name);
      return false;
    }
    q.finish();
  }
  q.prepare(QStringLiteral("UPDATE charts SET name = :name, kind = :kind, local_date = :date, local_time = :time, "
                           "zone = :zone, fold = :fold, place = :place, country = :country, longitude = :lon, "
                           "latitude = :lat, notes = :notes, revision = revision + 1 WHERE name = :old"));
  BindRecord(q, record);
  q.bindValue(QStringLiteral(":old"), oldName);
  if (!Run(q, path_, error)) return false;
  if (!transaction.Commit()) {
    error = ErrorText(path_, transaction.error());
    return false;
  }
  return true;
}

bool ChartLibrary::Remove(const QString& name, QString& error) {
  QSqlDatabase db = QSqlDatabase::database(connection_);
  WriteTransaction transaction(db);
  if (!transaction.begun()) return Failed(transaction.error(), path_, error);
  QSqlQuery q(db);
  q.prepare(QStringLiteral("DELETE FROM charts WHERE name = :name"));
  q.bindValue(QStringLiteral(":name"), name);
  if (!Run(q, path_, error)) return false;
  if (q.numRowsAffected() != 1) {
    error = QStringLiteral("„%1“ steht nicht in der Radix-Kartei").arg(name);
    return false;
  }
  if (!transaction.Commit()) {
    error = ErrorText(path_, transaction.error());
    return false;
  }
  return true;
}

}  // namespace gyrolux
