#pragma once

#include <array>
#include <vector>

#include <QPoint>
#include <QString>

#include "engine/chart.h"
#include "platform/picture.h"

namespace gyrolux {

// The drawing for the paper calculating dial ("R-Scheibe") in units of a 2400-unit square
// that the print stretches across the page width. The circle about (1220, 1750) with its
// glyphs reaches below that square; the picture is as high as the drawing, so that the
// frame holds all of it and the page shows it whole at the same scale.
inline constexpr int kCalculatingDialWidth = 2400;
inline constexpr int kCalculatingDialHeight = 2960;

// A point at angle degrees about the centre (1220, 1750), the radius given as a sum a + b
// whose terms are cut toward zero each on its own.
QPoint CalculatingDialPoint(double angleDegrees, double a, double b = 0.0);

// Where one factor's glyph goes on the calculating dial.
struct CalculatingDialLabel {
  int factor = 0;
  double referenceAngle = 0.0;  // the longitude; a lone factor's is 1.5 degrees on
  double labelAngle = 0.0;      // where a grouped glyph stands
  QPoint labelPosition;
  bool grouped = false;  // drawn small with a slanted connector
  bool operator==(const CalculatingDialLabel&) const = default;
};

// The glyph layout: the factors sorted by longitude (equal longitudes in factor order),
// runs of factors each less than 2.6 degrees from the one before spread out about their
// mean 2.4 degrees apart, lone factors 1.5 degrees ahead of their line, and the last
// factor drawn back when it stands within 2.6 degrees below 360.
//
// Runs of six or more factors (the fixed offsets cover two to five) are spread evenly
// about their mean as well: 2.4 degrees apart, or as far apart as the run's own factors
// when they span more, so that their labels never overlap.
std::vector<CalculatingDialLabel> CalculatingDialLayout(const std::array<double, kFactorCount>& longitudes);

// The offsets of the labels of a run of m factors about the run's mean, in degrees.
std::vector<double> RunLabelOffsets(int m, double span);

// The whole drawing: the circles and the cross, one bearing line per factor (from radius
// 790 with longLines, the answer Yes, else from 890; both end at 1060), the header with
// the moment and place, the factor table, the glyphs with their connectors. Without the
// symbol font the glyphs are the factors' letters ("gz" for GZ).
Picture DrawCalculatingDial(const Chart& chart, bool longLines, bool symbolFontPresent, const QString& placeLabel);

}  // namespace gyrolux
