// The minutes field of the interval dialog, and the clock stepping by what it accepted.
#include <cmath>

#include "clock/clock_step.h"
#include "clock/interval_input.h"
#include "engine/chart.h"
#include "engine/field_readers.h"
#include "fuzz/fuzz_support.h"

using namespace gyrolux;
using namespace gyrolux::fuzz;

namespace {

void Accept(const QString& text) {
  ClockState clock;
  const IntervalAcceptance accepted = AcceptIntervalText(text, clock);
  FuzzCheck(std::isfinite(clock.intervalMinutes), "a minutes value that is no finite number");
  if (!accepted.cleanNumber) FuzzCheck(clock.intervalMinutes == 0.0, "an unclean text not read as 0");
  FuzzCheck(accepted.closeDialog == (clock.intervalMinutes > 0.0), "the dialog closes exactly for a value above 0");
  if (!accepted.closeDialog) return;
  FuzzCheck(clock.unit == IntervalUnit::Minutes, "the minutes unit not set");
  IntervalLabel(clock);
  Chart chart;
  chart.texts.dateText = QStringLiteral("05.12.2026");
  ReadDateFields(chart.texts.dateText, chart.moment);
  chart.moment.hours = 10.5;
  chart.moment.longitude = 10.0001;
  chart.moment.latitude = 50.0001;
  for (bool backwards : {false, false, true, true, true}) {
    StepMoment(chart, clock, backwards);
    RecomputeChart(chart);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Prepare();
  const QString text = QString::fromUtf8(Bytes(data, size));
  Accept(text.left(kIntervalFieldLength));  // what the field can hold
  Accept(text);                             // and any text at all
  return 0;
}
