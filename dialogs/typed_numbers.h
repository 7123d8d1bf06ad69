#pragma once

#include <optional>

#include <QStringView>

namespace gyrolux {

// Numbers as the dialogs read them from their fields, which accept any characters.

// A whole number: leading blanks, one sign, then digits and nothing after them ("  5",
// "-5" and "+05" are read; "5 ", "", "5x" and "1.0" are not).
std::optional<int> ReadWholeNumber(QStringView text);

// A real number with a point as decimal separator: blanks around it, one sign, digits
// with at most one point among them and at least one digit ("7", "7.5", ".5", "5.",
// "-0.5"). Exponents, commas, "inf" and "nan" are not numbers here.
std::optional<double> ReadRealNumber(QStringView text);

}  // namespace gyrolux
