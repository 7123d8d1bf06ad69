#include "pictures/calculating_dial.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/angles.h"
#include "engine/factors.h"
#include "engine/formatting.h"
#include "engine/integer_conversion.h"
#include "pictures/dial_picture.h"
#include "pictures/factor_table.h"
#include "platform/colors.h"

namespace gyrolux {

namespace {

constexpr int kCentreX = 1220;
constexpr int kCentreY = 1750;
// Factors closer than this to the one before them form a run.
constexpr double kRunGap = 2.6;
// A lone factor's glyph stands this far ahead of its line.
constexpr double kLoneAdvance = 1.5;
// The last factor is drawn back when its glyph would pass this angle.
constexpr double kEndOfCircle = 357.4;
constexpr double kLabelSpacing = 2.4;

int TruncPixel(double v) { return TruncClamped(v, -1000000, 1000000); }

// Sorting key: a longitude that is not a number goes to the end.
double SortKey(double longitude) { return std::isnan(longitude) ? INFINITY : longitude; }

QPoint LabelPosition(double angle) { return CalculatingDialPoint(angle, 1025, 125); }

void Line(Picture& picture, QPoint from, QPoint to) { picture.line(from.x(), from.y(), to.x(), to.y()); }

}  // namespace

QPoint CalculatingDialPoint(double angleDegrees, double a, double b) {
  const double c = CosDeg(angleDegrees);
  const double s = SinDeg(angleDegrees);
  return {kCentreX + TruncPixel(a * c) + TruncPixel(b * c), kCentreY - TruncPixel(a * s) - TruncPixel(b * s)};
}

std::vector<double> RunLabelOffsets(int m, double span) {
  switch (m) {
    case 2: return {-1.2, 1.2};
    case 3: return {-2.4, 0.0, 2.4};
    case 4: return {-3.6, -1.2, 1.2, 3.6};
    case 5: return {-4.8, -2.4, 0.0, 2.4, 4.8};
    default: break;
  }
  if (m < 2) return std::vector<double>(std::max(m, 0), 0.0);
  // Longer runs: evenly about the mean, never closer than the short runs' labels.
  const double spacing = std::max(kLabelSpacing, std::isfinite(span) ? span / (m - 1) : 0.0);
  std::vector<double> offsets;
  for (int j = 0; j < m; ++j) offsets.push_back((j - (m - 1) / 2.0) * spacing);
  return offsets;
}

std::vector<CalculatingDialLabel> CalculatingDialLayout(const std::array<double, kFactorCount>& longitudes) {
  // A copy is sorted; the chart's longitudes stay as they are.
  std::vector<CalculatingDialLabel> labels;
  for (int i = 0; i < kFactorCount; ++i) {
    CalculatingDialLabel label;
    label.factor = i;
    label.referenceAngle = longitudes[i];
    label.labelAngle = longitudes[i];
    labels.push_back(label);
  }
  std::stable_sort(labels.begin(), labels.end(), [](const CalculatingDialLabel& a, const CalculatingDialLabel& b) {
    return SortKey(a.referenceAngle) < SortKey(b.referenceAngle);
  });

  const size_t n = labels.size();
  for (size_t first = 0; first < n;) {
    size_t last = first;
    while (last + 1 < n && labels[last + 1].referenceAngle - labels[last].referenceAngle < kRunGap) ++last;
    const int m = static_cast<int>(last - first + 1);
    if (m == 1) {
      CalculatingDialLabel& lone = labels[first];
      lone.referenceAngle += kLoneAdvance;
      lone.labelPosition = LabelPosition(lone.referenceAngle);
    } else {
      double sum = 0.0;
      for (size_t j = first; j <= last; ++j) sum += labels[j].referenceAngle;
      const double mean = sum / m;
      const std::vector<double> offsets =
          RunLabelOffsets(m, labels[last].referenceAngle - labels[first].referenceAngle);
      for (size_t j = first; j <= last; ++j) {
        CalculatingDialLabel& member = labels[j];
        member.grouped = true;
        member.labelAngle = mean + offsets[j - first];
        member.labelPosition = LabelPosition(member.labelAngle + 1.0);
      }
    }
    first = last + 1;
  }

  // The last glyph just below 360 degrees would run into the first one: it moves down and
  // to the left, the first one a little to the right, and the last is drawn back.
  CalculatingDialLabel& lastLabel = labels.back();
  if (lastLabel.referenceAngle > kEndOfCircle) {
    lastLabel.labelPosition += QPoint(-25, 25);
    labels.front().labelPosition += QPoint(20, 0);
    lastLabel.grouped = true;
    lastLabel.referenceAngle -= kLoneAdvance;
    lastLabel.labelAngle = lastLabel.referenceAngle - 1.0;
  }
  return labels;
}

Picture DrawCalculatingDial(const Chart& chart, bool longLines, bool symbolFontPresent, const QString& placeLabel) {
  const ChartState& state = chart.state;
  Picture picture(kCalculatingDialWidth, kCalculatingDialHeight);
  picture.setPen(clBlack, 1);
  picture.setBrush(clWhite);
  for (int r : {1040, 37, 1}) picture.ellipse(kCentreX - r, kCentreY - r, kCentreX + r, kCentreY + r);
  picture.line(1220, 1600, 1220, 1900);
  picture.line(1070, 1750, 1370, 1750);

  // Bearing lines: both answers end at radius 1060.
  const int start = longLines ? 790 : 890;
  const int length = (longLines ? 230 : 130) + 40;
  for (int i = 0; i < kFactorCount; ++i) {
    const double lon = state.factorLongitude[i];
    QPoint from = CalculatingDialPoint(lon, start);
    if (i == WI) from.rx() -= 20;
    Line(picture, from, CalculatingDialPoint(lon, start, length));
  }

  picture.setFont(QStringLiteral("courier new"), 28, false, clBlack);
  picture.text(180, 150, QStringLiteral("Rechenscheibe für Datum / Zeit: ") + DateLabel(chart) + QStringLiteral(" / ") +
                             ShownClock(chart.moment.hours) + QStringLiteral(" WZ/GMT") + QStringLiteral("    Ort: ") +
                             placeLabel);
  const QStringList rows = FactorTableRows(state);
  for (int row = 0; row < rows.size(); ++row) {
    const QPoint at = FactorTablePlace(row, QPoint(180, 250), 40, 500);
    picture.text(at.x(), at.y(), rows[row]);
  }

  picture.setFontFace(symbolFontPresent ? SymbolFace() : QStringLiteral("ariel"));
  for (const CalculatingDialLabel& label : CalculatingDialLayout(state.factorLongitude)) {
    picture.setFontSize(label.grouped ? 28 : 42);
    QString text;
    if (symbolFontPresent) {
      text = FactorGlyph(label.factor);
    } else {
      text = label.factor == GZ ? QStringLiteral("gz") : QLatin1String(FactorAbbrev[label.factor]);
    }
    picture.text(label.labelPosition.x(), label.labelPosition.y(), text,
                 TruncPixel(10 * label.referenceAngle) + 2700);
    if (label.grouped) {
      Line(picture, CalculatingDialPoint(label.referenceAngle, 890, 170), CalculatingDialPoint(label.labelAngle, 1100));
    } else {
      const double lon = label.referenceAngle - kLoneAdvance;
      Line(picture, CalculatingDialPoint(lon, 790, 270), CalculatingDialPoint(lon, 1100));
    }
  }
  return picture;
}

}  // namespace gyrolux
