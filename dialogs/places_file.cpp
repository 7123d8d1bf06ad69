#include "dialogs/places_file.h"

#include <QDir>
#include <QFileInfo>

#include "engine/field_readers.h"
#include "platform/data_folders.h"
#include "platform/prompter.h"
#include "platform/text_file.h"

namespace gyrolux {

namespace {

// The name as the places file has always been spelled on disk; any case is accepted.
const QString kPlacesFileName = QStringLiteral("w-orte.txt");

// A field of columns first..last (1-based); shorter when the line ends before.
QStringView Columns(const QString& line, int first, int last) {
  return QStringView(line).mid(first - 1, last - first + 1);
}

struct CoordinateColumns {
  int degreesFirst, degreesLast;
  int minutesFirst;   // two columns each
  int secondsFirst;
  int hemisphere;
  char16_t negativeUpper, negativeLower;  // S s or W w; any other letter counts as N or E
};

constexpr CoordinateColumns kLatitudeColumns = {34, 35, 37, 40, 43, u'S', u's'};
constexpr CoordinateColumns kLongitudeColumns = {46, 48, 50, 53, 56, u'W', u'w'};

std::optional<PlaceCoordinate> ParseCoordinate(const QString& line, const CoordinateColumns& at) {
  const std::optional<int> degrees =
      ReadWholeNumber(Columns(line, at.degreesFirst, at.degreesLast));
  const std::optional<int> minutes =
      ReadWholeNumber(Columns(line, at.minutesFirst, at.minutesFirst + 1));
  const std::optional<int> seconds =
      ReadWholeNumber(Columns(line, at.secondsFirst, at.secondsFirst + 1));
  if (!degrees || !minutes || !seconds) return std::nullopt;

  PlaceCoordinate coordinate;
  // The dialog keeps one byte of each value: -1 becomes 255, 300 becomes 44.
  coordinate.degrees = static_cast<uint8_t>(static_cast<unsigned>(*degrees) & 0xFFu);
  coordinate.minutes = static_cast<uint8_t>(static_cast<unsigned>(*minutes) & 0xFFu);
  coordinate.seconds = static_cast<uint8_t>(static_cast<unsigned>(*seconds) & 0xFFu);
  // A line too short to hold the letter counts as north or east.
  if (line.size() >= at.hemisphere) {
    const char16_t letter = line.at(at.hemisphere - 1).unicode();
    coordinate.southOrWest = letter == at.negativeUpper || letter == at.negativeLower;
  }
  return coordinate;
}

}  // namespace

QString MissingPlacesFileMessage() {
  return QStringLiteral(
      "\r\r     Die Datei W-ORTE.TXT fehlt in C:\\ASTRO;\r\r"
      "Sie müssen daher Orte mit Koordinaten eingeben.     \r");
}

QStringList PlacesFileCandidates() {
  // The user's own file first (~/astro/ stands for C:\astro\), then the one in the
  // user's data folder, then the file shipped with the program.
  QStringList folders = {QDir::homePath() + QStringLiteral("/astro"), UserDataFolder()};
  folders += ProgramDataFolders();
  QStringList candidates;
  for (const QString& folder : folders) {
    if (!folder.isEmpty()) candidates.append(QDir::cleanPath(folder) + u'/' + kPlacesFileName);
  }
  candidates.removeDuplicates();
  return candidates;
}

std::optional<QStringList> ReadPlacesLines(const QString& path) {
  // Reading stops after the last entry the table can hold, so that a huge file costs no
  // more memory than the table itself.
  std::optional<QStringList> lines =
      ReadTextLines(path, nullptr, TextReadOptions{kPlacesLineLength, kMaxPlacesEntries});
  // An empty file still gives one (empty) entry.
  if (lines && lines->isEmpty()) lines->append(QString());
  return lines;
}

std::optional<PlacesTable> LoadPlacesTable(const QStringList& candidates, Prompter& prompter) {
  for (const QString& candidate : candidates) {
    const QFileInfo info(candidate);
    const std::optional<QString> path = FindFileIgnoringCase(info.path(), info.fileName(), true);
    if (!path) continue;
    std::optional<QStringList> lines = ReadPlacesLines(*path);
    if (!lines) continue;  // vanished or unreadable after all: try the next place
    return PlacesTable{std::move(*lines)};
  }
  prompter.error(MissingPlacesFileMessage());
  return std::nullopt;
}

QString PlaceName(const QString& line) { return line.left(kPlaceNameLength); }

double PlaceCoordinate::SignedDegrees() const {
  const double value = degrees + minutes / 60.0 + seconds / 3600.0;
  return southOrWest ? -value : value;
}

std::optional<PlaceCoordinate> ParsePlaceLatitude(const QString& line) {
  return ParseCoordinate(line, kLatitudeColumns);
}

std::optional<PlaceCoordinate> ParsePlaceLongitude(const QString& line) {
  return ParseCoordinate(line, kLongitudeColumns);
}

}  // namespace gyrolux
