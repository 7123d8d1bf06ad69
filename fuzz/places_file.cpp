// A whole places file: read from the working directory as the start-up reads it, then
// every line's coordinates.
#include "dialogs/places_file.h"
#include "fuzz/fuzz_support.h"
#include "platform/scripted_prompter.h"

using namespace gyrolux;
using namespace gyrolux::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Prepare();
  WriteFile(QStringLiteral("W-ORTE.TXT"), Bytes(data, size));
  ScriptedPrompter prompter;
  const std::optional<PlacesTable> table = LoadPlacesTable({QStringLiteral("./w-orte.txt")}, prompter);
  FuzzCheck(table.has_value() && prompter.shown().empty(), "a places file that is there not read");
  FuzzCheck(!table->lines.isEmpty() && table->lines.size() <= kMaxPlacesEntries, "the number of lines");
  for (const QString& line : table->lines) {
    FuzzCheck(line.size() <= kPlacesLineLength, "a line longer than 255 characters");
    if (const auto latitude = ParsePlaceLatitude(line)) latitude->SignedDegrees();
    if (const auto longitude = ParsePlaceLongitude(line)) longitude->SignedDegrees();
  }
  return 0;
}
