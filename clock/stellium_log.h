#pragma once

#include <QFile>
#include <QString>

namespace gyrolux {

struct StelliumFileState;

// STELLIA.TXT as it is being written: Windows-1252 lines with CR LF, each written through
// at once so that the file holds every line found even if the run ends abruptly.
class StelliumLogWriter {
 public:
  // Creates (or empties) the file.
  bool create(const QString& path, QString& error);
  bool appendLine(const QString& line, QString& error);
  void close();

 private:
  QFile file_;
};

// Appends the line for one stellium: at the first one of a run STELLIA.TXT is created with
// its header line, and only then marked open, so that after a failure the next stellium
// tries again. False, with the reason in error, when the file cannot be created or
// written.
bool RecordStellium(StelliumFileState& state, const QString& line, QString& error);

// Closes the file at the end of the run; true when one had been opened.
bool CloseStelliumFile(StelliumFileState& state);

}  // namespace gyrolux
