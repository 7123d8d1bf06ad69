#pragma once

#include <QString>
#include <QStringList>

#include "evaluation/evaluation_lists.h"
#include "evaluation/numbered_files.h"
#include "session/session.h"

namespace gyrolux {

// The numbered file kind of a list of the evaluation window (Factors for None too, which
// the window never saves).
NumberedFileKind FileKindOfList(ShownListKind kind);

// "Die aktuelle Liste wurde gespeichert in  FAKT-01.TXT  im aktuellen Verzeichnis."
QString ListSavedMessage(const QString& fileName);

// What a save did: the file it wrote (or tried to) and the message to show, an
// information on success, an error naming the file and the reason otherwise.
struct ListSave {
  bool saved = false;
  QString fileName;
  QString message;
};

// Saves the displayed lines of a list in the current directory under the next free
// number of its kind: one empty line, then the lines, each ended by CR LF, in
// Windows-1252. The file is replaced in one step, so a failed save leaves a file of that
// name as it was; a file kept from an earlier run is never taken. The counter then
// stands behind the number used, whether the save succeeded or not.
ListSave SaveListFile(NumberedFileKind kind, const QStringList& lines, FileCounters& counters);

}  // namespace gyrolux
