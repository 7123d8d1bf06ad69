#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include "engine/chart.h"

namespace gyrolux {

// The table of factor positions that both dial prints carry: one row of 19 characters per
// factor MC..GZ, " R " in front of a retrograde factor, the degrees and minutes within
// the sign (the Sun with seconds) and the sign's three letters.
QString FactorTableRow(const ChartState& state, int factor);
QStringList FactorTableRows(const ChartState& state);

// Where row (0..22) of the table stands: columns of six rows, rowStep apart downwards,
// the next column columnStep to the right at the top row again.
QPoint FactorTablePlace(int row, QPoint origin, int rowStep, int columnStep);

}  // namespace gyrolux
