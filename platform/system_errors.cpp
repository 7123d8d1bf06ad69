#include "platform/system_errors.h"

#include <cerrno>

namespace gyrolux {

namespace {

struct SystemErrorText {
  int number;
  const char* text;
};

// The failures a file of this program can meet: a folder that is missing, read-only or
// in the way, a full disk, a size limit, a damaged medium.
constexpr SystemErrorText kSystemErrorTexts[] = {
    {EACCES, "Zugriff verweigert: Ordner oder Datei sind schreibgeschützt."},
    {EPERM, "Der Vorgang ist nicht erlaubt."},
    {EROFS, "Der Datenträger ist schreibgeschützt."},
    {ENOENT, "Der Ordner oder die Datei existiert nicht."},
    {ENOTDIR, "Ein Teil des Pfades ist kein Ordner."},
    {EISDIR, "Unter diesem Namen steht ein Ordner im Weg."},
    {EEXIST, "Unter diesem Namen steht schon etwas im Weg."},
    {ENOTEMPTY, "Unter diesem Namen steht ein Ordner im Weg."},
    {ENOSPC, "Auf dem Datenträger ist kein Platz mehr frei."},
    {EDQUOT, "Das Speicherkontingent ist erschöpft."},
    {EFBIG, "Die Datei würde größer, als das System erlaubt."},
    {EIO, "Ein- oder Ausgabefehler des Datenträgers."},
    {ENAMETOOLONG, "Der Dateiname ist zu lang."},
    {EMFILE, "Es sind zu viele Dateien geöffnet."},
    {ENFILE, "Es sind zu viele Dateien geöffnet."},
    {EBUSY, "Die Datei wird gerade von einem anderen Vorgang benutzt."},
    {ETXTBSY, "Die Datei wird gerade von einem anderen Vorgang benutzt."},
    {ENOMEM, "Der Speicher reicht nicht."},
    {ELOOP, "Der Pfad enthält zu viele Verweise."},
    {ENXIO, "Das Gerät ist nicht bereit."},
};

}  // namespace

QString GermanSystemError(int errorNumber) {
  for (const SystemErrorText& entry : kSystemErrorTexts) {
    if (entry.number == errorNumber) return QString::fromUtf8(entry.text);
  }
  if (errorNumber == 0) return QStringLiteral("Die Datei konnte nicht vollständig bearbeitet werden.");
  return QStringLiteral("Systemfehler Nr. %1.").arg(errorNumber);
}

}  // namespace gyrolux
