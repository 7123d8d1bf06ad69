#pragma once

#include <optional>

#include <QString>

#include "midpoints/axis_lists.h"

namespace gyrolux {

// At least four factors within 1.2 degrees of ecliptic longitude.
struct Stellium {
  QString members;   // "SO=ME=VE=MA=": each member followed by "="
  double longitude;  // the longitude of the factor the group was counted from
};

// The stellium of the last factor i (MC..PO) that has four or more of the factors i..PO
// (itself included) within the orb; nullopt when there is none.
std::optional<Stellium> FindStellium(const FactorLongitudes& longitudes);

// "SO=ME=VE=MA": the members without the last "=".
QString StelliumMemberNames(const Stellium& stellium);

// The STELLIA.TXT line: "  SO=ME=VE=MA  12°34' STI (20°04') 05.12.2026, 10:29:50".
QString StelliumLogLine(const Stellium& stellium, const QString& dateText, double hours);

// The first line of STELLIA.TXT.
inline constexpr const char* kStelliumFileHeader = "  Stellia:";
inline constexpr const char* kStelliumFileName = "STELLIA.TXT";

}  // namespace gyrolux
