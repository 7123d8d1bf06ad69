#pragma once

#include <array>

namespace gyrolux {

// How many glyphs crowd each 3-degree cell of longitude (cell = whole degrees div 3,
// 0..120) on one ring of a round dial. A cell outside the table (GZ passes 360 degrees
// after the year 9200) neither counts nor is counted.
class Occupancy {
 public:
  int count(int cell) const { return inTable(cell) ? cells_[cell] : 0; }
  void mark(int cell) {
    if (inTable(cell)) ++cells_[cell];
  }
  // A glyph on wholeDegrees: its own cell, the next one below 358 degrees and the one
  // before from 3 degrees on (no wrap across 0 degrees).
  void markAround(int wholeDegrees) {
    const int cell = wholeDegrees / 3;
    mark(cell);
    if (wholeDegrees < 358) mark(cell + 1);
    if (wholeDegrees > 2) mark(cell - 1);
  }

 private:
  static bool inTable(int cell) { return cell >= 0 && cell < 121; }
  std::array<int, 121> cells_{};
};

}  // namespace gyrolux
