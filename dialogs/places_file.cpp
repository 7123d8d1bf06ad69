#include "dialogs/places_file.h"

#include <algorithm>
#include <array>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "clock/session.h"
#include "platform/prompter.h"
#include "platform/text_file.h"

namespace gyrolux {

namespace {

// The name as the places file has always been spelled on disk; any case is accepted.
const QString kPlacesFileName = QStringLiteral("w-orte.txt");

// The file in folder whose name equals name without regard to case: the exact spelling
// first, then the others in name order, so that the choice never depends on the order
// the folder lists them in. Folders, unreadable files and devices do not count.
QString FindReadableFileIgnoringCase(const QString& folder, const QString& name) {
  const QDir dir(folder);
  if (!dir.exists()) return {};
  const QFileInfo exact(dir.filePath(name));
  if (exact.isFile() && exact.isReadable()) return exact.filePath();
  const QFileInfoList entries =
      dir.entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
  for (const QFileInfo& entry : entries) {
    if (entry.isFile() && entry.fileName().compare(name, Qt::CaseInsensitive) == 0) {
      return entry.filePath();
    }
  }
  return {};
}

void AppendUnique(QStringList& list, const QString& path) {
  const QString clean = QDir::cleanPath(path);
  if (!list.contains(clean)) list.append(clean);
}

// Collects the lines of a places file as they come in: cuts each to 255 characters,
// counts a CR LF as one line end, and stops after the last entry the table can hold.
class PlacesLineCollector {
 public:
  bool full() const { return lines_.size() >= kMaxPlacesEntries; }

  void add(const char* data, qsizetype size) {
    qsizetype i = 0;
    while (i < size && !full()) {
      const char byte = data[i];
      if (byte == '\r' || byte == '\n') {
        const bool lfOfCrLf = byte == '\n' && previousWasCr_;
        previousWasCr_ = byte == '\r';
        if (!lfOfCrLf) endLine();
        ++i;
        continue;
      }
      // A run of characters up to the next line end: only its first characters up to
      // the length limit are decoded, the rest of a long line is just passed over.
      previousWasCr_ = false;
      inLine_ = true;
      qsizetype end = i;
      while (end < size && data[end] != '\r' && data[end] != '\n') ++end;
      const qsizetype taken = std::min(end - i, kPlacesLineLength - current_.size());
      current_.append(DecodeWindows1252(QByteArrayView(data + i, taken)));
      i = end;
    }
  }

  // The table after the end of the file: a last line without a line end counts, and an
  // empty file still gives one (empty) entry.
  QStringList finish() {
    if ((inLine_ || lines_.isEmpty()) && !full()) endLine();
    return std::move(lines_);
  }

 private:
  void endLine() {
    lines_.append(current_);
    current_.clear();
    inLine_ = false;
  }

  QStringList lines_;
  QString current_;
  bool inLine_ = false;  // characters were read since the last line end
  bool previousWasCr_ = false;
};

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
      ParseWholeNumberField(Columns(line, at.degreesFirst, at.degreesLast));
  const std::optional<int> minutes =
      ParseWholeNumberField(Columns(line, at.minutesFirst, at.minutesFirst + 1));
  const std::optional<int> seconds =
      ParseWholeNumberField(Columns(line, at.secondsFirst, at.secondsFirst + 1));
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
  QStringList folders;
  AppendUnique(folders, QDir::homePath() + QStringLiteral("/astro"));
  const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (!dataFolder.isEmpty()) AppendUnique(folders, dataFolder);
  if (QCoreApplication::instance() != nullptr) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    AppendUnique(folders, programFolder);
    AppendUnique(folders, programFolder + QStringLiteral("/../share/gyrolux"));
  }
#ifdef GYROLUX_INSTALLED_DATA_DIR
  AppendUnique(folders, QStringLiteral(GYROLUX_INSTALLED_DATA_DIR));
#endif

  QStringList candidates;
  for (const QString& folder : folders) candidates.append(folder + u'/' + kPlacesFileName);
  return candidates;
}

std::optional<QStringList> ReadPlacesLines(const QString& path) {
  // Only plain files: a device or a pipe of that name could be read for ever.
  if (!QFileInfo(path).isFile()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  PlacesLineCollector collector;
  // Read in blocks, so that a huge file or one without line ends costs no more memory
  // than the table itself.
  std::array<char, 64 * 1024> block;
  while (!collector.full()) {
    const qint64 got = file.read(block.data(), static_cast<qint64>(block.size()));
    if (got <= 0) break;
    collector.add(block.data(), static_cast<qsizetype>(got));
  }
  return collector.finish();
}

void LoadPlacesTable(Session& session) { LoadPlacesTable(session, PlacesFileCandidates()); }

void LoadPlacesTable(Session& session, const QStringList& candidates) {
  session.places.lines.clear();
  for (const QString& candidate : candidates) {
    const QFileInfo info(candidate);
    const QString path = FindReadableFileIgnoringCase(info.path(), info.fileName());
    if (path.isEmpty()) continue;
    std::optional<QStringList> lines = ReadPlacesLines(path);
    if (!lines) continue;  // vanished or unreadable after all: try the next place
    session.places.lines = std::move(*lines);
    session.flags.placesFilePresent = true;
    return;
  }
  session.flags.placesFilePresent = false;
  session.prompter.error(MissingPlacesFileMessage());
}

QString PlaceName(const QString& line) { return line.left(kPlaceNameLength); }

std::optional<int> ParseWholeNumberField(QStringView field) {
  qsizetype i = 0;
  while (i < field.size() && field[i] == u' ') ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == u'+' || field[i] == u'-')) {
    negative = field[i] == u'-';
    ++i;
  }
  if (i == field.size()) return std::nullopt;  // no digit at all
  // The fields are at most three columns wide; the bound only keeps a caller with a
  // longer field from overflowing.
  constexpr int kLimit = 100'000'000;
  int value = 0;
  for (; i < field.size(); ++i) {
    const char16_t c = field[i].unicode();
    if (c < u'0' || c > u'9') return std::nullopt;
    if (value >= kLimit) return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  return negative ? -value : value;
}

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
