#include "evaluation/list_files.h"

#include "platform/text_file.h"

namespace gyrolux {

NumberedFileKind FileKindOfList(ShownListKind kind) {
  switch (kind) {
    case ShownListKind::Code: return NumberedFileKind::Codes;
    case ShownListKind::Midpoints: return NumberedFileKind::Midpoints;
    case ShownListKind::McTexts: return NumberedFileKind::McTexts;
    case ShownListKind::None:
    case ShownListKind::Factors: break;
  }
  return NumberedFileKind::Factors;
}

QString ListSavedMessage(const QString& fileName) {
  return QStringLiteral("Die aktuelle Liste wurde gespeichert in  ") + fileName +
         QStringLiteral("  im aktuellen Verzeichnis.");
}

ListSave SaveListFile(NumberedFileKind kind, const QStringList& lines, FileCounters& counters) {
  int& counter = NumberedFileCounter(counters, kind);
  const int number = FirstFreeNumber(kind, counter);
  counter = number + 1;
  ListSave save;
  save.fileName = NumberedFileName(kind, number);
  QString error;
  save.saved = WriteTextLines(save.fileName, QStringList{QString()} + lines, &error);
  save.message = save.saved ? ListSavedMessage(save.fileName) : error;
  return save;
}

}  // namespace gyrolux
