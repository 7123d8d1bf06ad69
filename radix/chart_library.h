#pragma once

#include <memory>
#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

#include "radix/radix_record.h"

namespace gyrolux {

// The file of the chart library: the --db option when given, else the environment
// variable GYROLUX_CHARTS when set, else charts.sqlite in the user's data folder
// ($XDG_DATA_HOME/gyrolux/).
QString ChartLibraryPath(const QString& dbOption = {});

// The chart library, a SQLite file through Qt SQL. Each change is one transaction that
// takes the write lock at its start, so that two programs on the same file wait for each
// other (up to a few seconds) instead of failing or losing a change. A file that is not a
// library of ours, or a damaged one, is refused and never written. Every call that can
// fail gives a German message in error.
class ChartLibrary {
 public:
  // Opens the library at path, making the file and its folder when they do not exist and
  // bringing an older library up to the present layout.
  static std::unique_ptr<ChartLibrary> Open(const QString& path, QString& error);
  ~ChartLibrary();
  ChartLibrary(const ChartLibrary&) = delete;
  ChartLibrary& operator=(const ChartLibrary&) = delete;

  const QString& path() const { return path_; }

  // Every chart, ordered by name.
  std::optional<QList<RadixRecord>> All(QString& error) const;
  // The names only, ordered as All.
  std::optional<QStringList> Names(QString& error) const;
  // The chart of that name; nothing with an empty error when there is none.
  std::optional<RadixRecord> Find(const QString& name, QString& error) const;

  // Adds a new chart (checked with RecordProblem; its name must be free).
  bool Add(const RadixRecord& record, QString& error);
  // Replaces the chart stored as oldName by record, provided it still has the revision
  // record.revision (else someone changed it in between, and nothing is written).
  bool Replace(const QString& oldName, const RadixRecord& record, QString& error);
  bool Remove(const QString& name, QString& error);

  // Adds many charts in one transaction: the ones with a problem (or a name already taken,
  // also within records) are left out and their reasons put into refused by index. False
  // and nothing added when the transaction fails.
  bool AddAll(const QList<RadixRecord>& records, QList<std::pair<int, QString>>& refused, QString& error);

 private:
  ChartLibrary(QString path, QString connection);
  QString path_;
  QString connection_;
};

}  // namespace gyrolux
