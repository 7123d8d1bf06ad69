#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <QStringList>
#include <QStringView>

#include "session/session.h"

namespace gyrolux {

class Prompter;

// The folders and names where the places file W-ORTE.TXT is looked for, in order (the
// name is matched without regard to case).
QStringList PlacesFileCandidates();

// The places table from the first candidate (full paths as PlacesFileCandidates gives
// them) that names a readable file: each line cut to 255 characters, at least one entry
// even from an empty file. Nothing when there is none; that is reported through the
// prompter.
std::optional<PlacesTable> LoadPlacesTable(const QStringList& candidates, Prompter& prompter);

// ---- The lines of a places file -------------------------------------------------------

// Each line is kept to its first 255 characters, and the table's index is 16 bits wide.
inline constexpr int kPlacesLineLength = 255;
inline constexpr int kMaxPlacesEntries = 65536;
// The list shows the first 33 characters of a line: the place name.
inline constexpr int kPlaceNameLength = 33;

// Shown when no places file is found (line breaks are single CR characters).
QString MissingPlacesFileMessage();

// The lines of the places file at path as the table holds them, or nothing when the file
// cannot be opened. Windows-1252 text with CR LF, LF or CR line ends; every line is cut to
// 255 characters, an empty file gives one empty line, and reading stops after 65,536
// lines.
std::optional<QStringList> ReadPlacesLines(const QString& path);

// The place name of a line: its first 33 characters, trailing blanks included.
QString PlaceName(const QString& line);

// One coordinate of a places line. Degrees, minutes and seconds are the field values
// reduced to their low 8 bits, as the dialog takes them; no range check is made.
struct PlaceCoordinate {
  uint8_t degrees = 0;
  uint8_t minutes = 0;
  uint8_t seconds = 0;
  bool southOrWest = false;  // the hemisphere letter is S or s (latitude), W or w (longitude)

  // degrees + minutes/60 + seconds/3600, negative in the south or west.
  double SignedDegrees() const;
};

// The latitude of a line: degrees in columns 34-35, minutes 37-38, seconds 40-41, the
// hemisphere letter in column 43. Nothing when one of the three numbers is unreadable.
std::optional<PlaceCoordinate> ParsePlaceLatitude(const QString& line);

// The longitude of a line: degrees in columns 46-48, minutes 50-51, seconds 53-54, the
// hemisphere letter in column 56. Nothing when one of the three numbers is unreadable.
std::optional<PlaceCoordinate> ParsePlaceLongitude(const QString& line);

}  // namespace gyrolux
