// The main window's wheel carries the radix ring only while a radix is given.
#include <gtest/gtest.h>

#include "clock/diagramm.h"
#include "pictures/radix_ring.h"

namespace gyrolux {
namespace {

TEST(RadixRing, OnTheWheelOnlyWithARadix) {
  Chart chart;
  chart.moment = {5, 12, 2026, 10.5, 10.0, 50.0, false, false};
  ChartState radix;
  DiagrammSettings settings;
  const auto radixOps = [](const DiagrammResult& result) {
    return std::count_if(result.picture->ops().begin(), result.picture->ops().end(),
                         [](const PictureOp& op) { return op.pen.color == kRadixColor; });
  };
  EXPECT_EQ(radixOps(Diagramm(chart, settings)), 0);
  settings.radix = &radix;
  EXPECT_GT(radixOps(Diagramm(chart, settings)), 21);
}

}  // namespace
}  // namespace gyrolux
