// One line of the places file W-ORTE.TXT: the place name and the two coordinates read
// from their fixed columns, and the number fields on any columns.
#include <optional>

#include <QRegularExpression>

#include "dialogs/places_file.h"
#include "engine/field_readers.h"
#include "fuzz/fuzz_support.h"
#include "platform/text_file.h"

using namespace gyrolux;
using namespace gyrolux::fuzz;

namespace {

// The documented form of a number field: blanks, one sign, digits, nothing after.
void CheckNumberField(QStringView field) {
  static const QRegularExpression kWhole(QStringLiteral("\\A *[+-]?[0-9]+\\z"));
  const std::optional<int> value = ReadWholeNumber(field);
  const bool wellFormed = kWhole.match(field.toString()).hasMatch();
  if (value) FuzzCheck(wellFormed, "a number read from a field of another form");
  if (wellFormed && field.trimmed().size() <= 9) {
    FuzzCheck(value.has_value(), "a short well-formed field refused");
    FuzzCheck(*value == field.toString().toInt(), "a number read wrong");
  }
}

void CheckCoordinate(const std::optional<PlaceCoordinate>& coordinate) {
  if (!coordinate) return;
  const double degrees = coordinate->SignedDegrees();
  FuzzCheck(degrees >= -(255 + 255 / 60.0 + 255 / 3600.0) && degrees <= 255 + 255 / 60.0 + 255 / 3600.0,
            "a coordinate beyond its bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Prepare();
  // A line as the table holds it: decoded, at most 255 characters.
  const QString line = DecodeWindows1252(Bytes(data, size)).left(kPlacesLineLength);
  FuzzCheck(PlaceName(line).size() <= kPlaceNameLength, "a place name longer than its columns");
  CheckCoordinate(ParsePlaceLatitude(line));
  CheckCoordinate(ParsePlaceLongitude(line));
  for (qsizetype first = 0; first < line.size(); ++first) {
    for (qsizetype width : {1, 2, 3}) CheckNumberField(QStringView(line).mid(first, width));
  }
  CheckNumberField(line);
  return 0;
}
