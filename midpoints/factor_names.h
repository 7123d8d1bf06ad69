#pragma once

#include <optional>
#include <utility>

#include <QString>

namespace gyrolux {

// The factor names typed into the search dialogs and the midpoint-axis lookup, and the
// pair check they share.

// The FactorId of a two-letter name as FactorAbbrev spells it ("MC" .. "GZ", "--" for the
// placeholder 23); names are compared exactly, so callers convert to upper case first.
std::optional<int> FactorIdOfName(const QString& name);

// Letters typed into a factor field, each converted to upper case on its own (a letter
// without a single upper-case form stays), so the text keeps its length.
QString FactorFieldText(const QString& typed);

// "Das ist keine gültige Halbsumme!"
QString InvalidPairMessage();

// The pair check: both names known gives their ids in ascending order (SO/MC becomes
// MC/SO); otherwise nothing, and the window shows InvalidPairMessage.
std::optional<std::pair<int, int>> CheckPair(const QString& first, const QString& second);

}  // namespace gyrolux
