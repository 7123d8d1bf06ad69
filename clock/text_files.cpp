#include "clock/text_files.h"

#include <QFile>

namespace gyrolux {

std::optional<QStringList> ReadTextFileLines(const QString& path, int maxLines,
                                             int maxLineLength, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return std::nullopt;
  }
  QStringList lines;
  QByteArray current;
  bool inLine = false;
  bool previousWasCr = false;
  char buffer[4096];
  while (lines.size() < maxLines) {
    const qint64 count = file.read(buffer, sizeof buffer);
    if (count <= 0) break;
    for (qint64 i = 0; i < count && lines.size() < maxLines; ++i) {
      const char byte = buffer[i];
      if (byte == '\n' && previousWasCr) {
        previousWasCr = false;
        continue;
      }
      previousWasCr = byte == '\r';
      if (byte == '\r' || byte == '\n') {
        lines.append(DecodeWindows1252(current));
        current.clear();
        inLine = false;
      } else {
        inLine = true;
        if (current.size() < maxLineLength) current.append(byte);
      }
    }
  }
  if (inLine && lines.size() < maxLines) lines.append(DecodeWindows1252(current));
  return lines;
}

bool WriteTextFileLines(const QString& path, const QStringList& lines, QString& error) {
  return WriteTextLines(path, lines, &error);
}

}  // namespace gyrolux

#include <QDir>

namespace gyrolux {

QString FindWorkingFileIgnoringCase(const QString& name) {
  const QDir dir = QDir::current();
  if (QFileInfo(dir.filePath(name)).isFile()) return dir.filePath(name);
  const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  for (const QString& entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  }
  return {};
}

}  // namespace gyrolux
