#include "clock/stellium_log.h"

#include <memory>

#include "clock/session.h"
#include "clock/stellium.h"
#include "clock/text_files.h"

namespace gyrolux {

bool StelliumLogWriter::create(const QString& path, QString& error) {
  file_.close();
  file_.setFileName(path);
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    error = file_.errorString();
    return false;
  }
  return true;
}

bool StelliumLogWriter::appendLine(const QString& line, QString& error) {
  const QByteArray bytes = EncodeWindows1252(line) + "\r\n";
  if (!file_.isOpen() || file_.write(bytes) != bytes.size() || !file_.flush()) {
    error = file_.isOpen() ? file_.errorString() : QStringLiteral("STELLIA.TXT ist nicht geöffnet");
    return false;
  }
  return true;
}

void StelliumLogWriter::close() { file_.close(); }

bool RecordStellium(StelliumFileState& state, const QString& line, QString& error) {
  if (!state.open) {
    auto writer = std::make_shared<StelliumLogWriter>();
    if (!writer->create(QString::fromLatin1(kStelliumFileName), error)) return false;
    if (!writer->appendLine(QString::fromLatin1(kStelliumFileHeader), error)) return false;
    state.writer = std::move(writer);
    state.open = true;
  }
  return state.writer->appendLine(line, error);
}

bool CloseStelliumFile(StelliumFileState& state) {
  if (!state.open) return false;
  if (state.writer) state.writer->close();
  state.writer.reset();
  state.open = false;
  return true;
}

}  // namespace gyrolux
