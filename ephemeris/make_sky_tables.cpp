// Writes the modern sky's shipped tables (sky_tables.h); run by the build.
//   gyrolux-make-sky-tables OUT FIRST-YEAR LAST-YEAR PROCESSES
// The library is called under one lock, so threads of one process would mostly wait for
// each other: the work is shared by processes instead, each writing a part (the program
// itself, called with --part), and the parts are joined.
#include <cstdio>
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include "ephemeris/sky_tables.h"

namespace {

int Fail(const QString& error) {
  std::fprintf(stderr, "gyrolux-make-sky-tables: %s\n", error.toLocal8Bit().constData());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  QStringList args = QCoreApplication::arguments().mid(1);
  bool ok = args.size() == 4 || (args.size() == 6 && args[4] == QLatin1String("--part"));
  const int first = ok ? args[1].toInt(&ok) : 0;
  const int last = ok ? args[2].toInt(&ok) : 0;
  const int processes = ok ? args[3].toInt(&ok) : 0;
  const int part = ok && args.size() == 6 ? args[5].toInt(&ok) : 0;
  if (!ok || first > last || processes < 1 || processes > 64 || part < 0 || part >= processes) {
    return Fail(QStringLiteral("usage: gyrolux-make-sky-tables OUT FIRST-YEAR LAST-YEAR PROCESSES"));
  }
  if (args.size() == 6 || processes == 1) {
    const QString error = gyrolux::WriteSkyTables(args[0], first, last, part, processes);
    return error.isEmpty() ? 0 : Fail(error);
  }
  QStringList parts;
  std::vector<std::unique_ptr<QProcess>> running;
  for (int p = 0; p < processes; ++p) {
    parts.append(args[0] + QStringLiteral(".part%1").arg(p));
    running.push_back(std::make_unique<QProcess>());
    running.back()->setProcessChannelMode(QProcess::ForwardedChannels);
    running.back()->start(QCoreApplication::applicationFilePath(),
                          {parts.back(), args[1], args[2], args[3], QStringLiteral("--part"), QString::number(p)});
  }
  bool allWritten = true;
  for (const auto& process : running) {
    allWritten = process->waitForFinished(-1) && process->exitStatus() == QProcess::NormalExit &&
                 process->exitCode() == 0 && allWritten;
  }
  const QString error = allWritten ? gyrolux::MergeSkyTables(args[0], parts) : QStringLiteral("a part failed");
  for (const QString& file : parts) QFile::remove(file);
  return error.isEmpty() ? 0 : Fail(error);
}
