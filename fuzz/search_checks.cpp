// The search dialogs' pair check and angle check on any texts, and the midpoint-axis
// lookup's and the degree-axis lookup's checks on the same: what passes is a pair of
// factors in order and an angle of the 22.5-degree mode.
#include <cmath>

#include "dialogs/search_input.h"
#include "evaluation/axis_lookup.h"
#include "fuzz/fuzz_support.h"
#include "midpoints/factor_names.h"

using namespace gyrolux;
using namespace gyrolux::fuzz;

namespace {

void Check(const QString& first, const QString& second) {
  if (const auto pair = CheckPair(FactorFieldText(first), FactorFieldText(second))) {
    FuzzCheck(pair->first >= 0 && pair->first <= pair->second && pair->second <= 23, "a pair out of order");
  }
  if (const auto pair = ReadAxisPair(first, second)) {
    FuzzCheck(pair->a >= 0 && pair->a <= pair->b && pair->b <= 23, "a lookup pair out of order");
  }
  FuzzCheck(FactorFieldText(first).size() == first.size(), "a factor field changing its length");
  const AngleCheck angle = CheckSearchAngle(first, second);
  if (angle.angle) {
    FuzzCheck(std::isfinite(*angle.angle) && *angle.angle >= 0.0 && *angle.angle <= 22.5, "a search angle out of range");
    FuzzCheck(angle.message.isEmpty(), "a message with a valid angle");
  } else {
    FuzzCheck(!angle.message.isEmpty(), "a refused angle without a message");
  }
  if (const auto axis = ReadDegreeAxis(first, second)) {
    const double value = DegreeAxisValue(*axis);
    FuzzCheck(std::isfinite(value) && value >= 0.0 && value <= 22.52, "a lookup axis out of range");
    FuzzCheck(DegreeAxisCaption(*axis).endsWith(QStringLiteral("´")), "a caption without its minutes mark");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Prepare();
  const QStringList pieces = SplitArguments(Bytes(data, size));
  const QString first = pieces.value(0);
  const QString second = pieces.value(1);
  Check(first.left(2), second.left(2));  // what the two-character fields hold
  Check(first, second);
  return 0;
}
