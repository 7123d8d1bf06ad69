// The date, time and place dialog's field checks on any texts in its eleven fields, and
// the picking of any places line: a check that passes leaves a moment the chart can take.
#include <cmath>

#include "dialogs/moment_input.h"
#include "fuzz/fuzz_support.h"
#include "platform/text_file.h"

using namespace gyrolux;
using namespace gyrolux::fuzz;

namespace {

Chart StartChart() {
  Chart chart;
  chart.moment = {5, 12, 2026, 10.5, 10.0001, 50.0001, false, false};
  chart.texts.dateText = QStringLiteral("05.12.2026");
  chart.texts.timeText = QStringLiteral("10:30");
  chart.texts.longitudeText = QStringLiteral("+010°00'");
  chart.texts.latitudeText = QStringLiteral("+50°00'");
  return chart;
}

// fieldsCut: the fields held no more than the dialog's fields hold, so the moment's texts
// fit their ten characters.
void CheckMoment(const Chart& chart, bool fieldsCut) {
  const ChartMoment& m = chart.moment;
  FuzzCheck(m.day >= 1 && m.day <= 31 && m.month >= 1 && m.month <= 12 && m.year >= 1600, "a date out of range");
  FuzzCheck(std::isfinite(m.hours) && m.hours >= 0.0 && m.hours <= 24.0002, "a time out of range");
  FuzzCheck(std::isfinite(m.longitude) && std::fabs(m.longitude) <= 180.0002, "a longitude out of range");
  FuzzCheck(std::isfinite(m.latitude) && std::fabs(m.latitude) <= 90.0002, "a latitude out of range");
  if (!fieldsCut) return;
  FuzzCheck(chart.texts.dateText.size() <= 10 && chart.texts.longitudeText.size() <= 10 &&
                chart.texts.latitudeText.size() <= 10,
            "a moment's text longer than its field");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Prepare();
  // The fields are the input's pieces between NUL bytes, each cut to its field's length
  // (what the field can hold) — and the same pieces whole, as any caller might pass them.
  const QStringList pieces = SplitArguments(Bytes(data, size));
  for (const bool cut : {true, false}) {
    Chart chart = StartChart();
    MomentFieldTexts fields = ActivateMomentFields(chart);
    for (int i = 0; i < kMomentFieldCount && i < pieces.size(); ++i) {
      fields[i] = cut ? pieces[i].left(kMomentFields[i].maxLength) : pieces[i];
    }
    CheckDate(fields, chart);
    CheckTime(fields, true, chart);
    CheckSign(MomentField::LongitudeSign, fields[static_cast<int>(MomentField::LongitudeSign)]);
    CheckSign(MomentField::LatitudeSign, fields[static_cast<int>(MomentField::LatitudeSign)]);
    CheckDegrees(MomentField::LongitudeDegrees, fields[static_cast<int>(MomentField::LongitudeDegrees)]);
    CheckDegrees(MomentField::LatitudeDegrees, fields[static_cast<int>(MomentField::LatitudeDegrees)]);
    CheckLongitude(fields, chart);
    CheckLatitude(fields, chart);
    CheckMoment(chart, cut);
    RecomputeChart(chart);
  }
  // The whole input as one places line.
  Chart chart = StartChart();
  PickPlace(DecodeWindows1252(Bytes(data, size)).left(255), chart);
  CheckMoment(chart, true);
  return 0;
}
