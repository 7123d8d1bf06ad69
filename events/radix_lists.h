#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "engine/chart.h"
#include "engine/dial_mode.h"

namespace gyrolux {

// The lists of a moment against a loaded radix, in the 22.5-degree mode, each hit a line
// sorted by its orb (the closest first), factors marked r (radix), t (the moment, a
// transit), s (directed by the solar arc) or p (secondary-progressed):
// - Transite: every transiting factor on a radix factor or radix midpoint, and every
//   midpoint of two transiting factors on a radix factor;
// - Sonnenbogen: the solar arc (the progressed Sun minus the radix Sun) added to every
//   radix factor, these directed factors on radix factors and midpoints;
// - Progression: the secondary-progressed factors (a day after birth for each year of
//   365.25 days) on radix factors and midpoints;
// - Summen: the sensitive points A+B-C of three radix factors, and of three factors of
//   the moment, that fall on a radix factor.
// The moving factors are MC to PO without WI (it stands still) and GZ.
enum class RadixListKind { Transite, Sonnenbogen, Progression, Summen };

// "transite", "sonnenbogen", "progression", "summen".
std::optional<RadixListKind> RadixListKindOf(const QString& key);

// The moment's chart moment progressed against the radix, at the radix place.
ChartMoment ProgressedMoment(const Chart& moment, const Chart& radix);
// The solar arc at the moment, 0 up to 360 degrees.
double SolarArc(const Chart& moment, const Chart& radix);

// The list's lines: a head with the moment and the radix, an empty line, the hits.
QStringList RadixList(RadixListKind kind, const Chart& moment, const QString& radixName, const Chart& radix, Orb orb);

}  // namespace gyrolux
