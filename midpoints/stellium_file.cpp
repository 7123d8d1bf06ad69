#include "midpoints/stellium_file.h"

#include <memory>

#include "midpoints/stellium.h"

namespace gyrolux {

bool RecordStellium(StelliumFileState& state, const QString& line, QString* error) {
  if (!state.open) {
    auto writer = std::make_shared<TextLogWriter>();
    if (!writer->open(QString::fromLatin1(kStelliumFileName), error)) return false;
    if (!writer->writeLine(QString::fromLatin1(kStelliumFileHeader), error)) return false;
    state.writer = std::move(writer);
    state.open = true;
  }
  return state.writer->writeLine(line, error);
}

bool CloseStelliumFile(StelliumFileState& state) {
  if (!state.open) return false;
  if (state.writer) state.writer->close();
  state.writer.reset();
  state.open = false;
  return true;
}

}  // namespace gyrolux
