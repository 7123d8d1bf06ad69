#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace gyrolux::fuzz {

QByteArray Bytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

void Prepare() {
  static int argc = 1;
  static char name[] = "gyrolux-fuzz";
  static char* argv[] = {name, nullptr};
  // The application object is never destroyed: at the process's exit Qt's own statics
  // may already be gone.
  static QGuiApplication* app = nullptr;
  static std::unique_ptr<QTemporaryDir> scratch;
  if (app) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  app = new QGuiApplication(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("gyrolux-calc"));
  QCoreApplication::setApplicationVersion(QStringLiteral("5.0.0"));
  // In memory where the system offers it: the program's files are written safely (synced
  // to the disk), which a disk makes slow and a memory file system does not.
  const QFileInfo memory(QStringLiteral("/dev/shm"));
  const QString base = memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
  scratch = std::make_unique<QTemporaryDir>(base + QStringLiteral("/gyrolux-fuzz-XXXXXX"));
  FuzzCheck(scratch->isValid() && QDir::setCurrent(scratch->path()), "a scratch folder");
}

void WriteFile(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  FuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
            "writing the input file");
}

QStringList SplitArguments(const QByteArray& bytes) {
  QStringList arguments;
  for (const QByteArray& part : bytes.split('\0')) arguments.append(QString::fromLocal8Bit(part));
  return arguments;
}

void FuzzCheck(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace gyrolux::fuzz
