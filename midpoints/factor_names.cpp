#include "midpoints/factor_names.h"

#include <algorithm>

#include "engine/factors.h"

namespace gyrolux {

std::optional<int> FactorIdOfName(const QString& name) {
  for (size_t id = 0; id < FactorAbbrev.size(); ++id) {
    if (name == QLatin1String(FactorAbbrev[id])) return static_cast<int>(id);
  }
  return std::nullopt;
}

QString FactorFieldText(const QString& typed) {
  QString text = typed;
  for (QChar& c : text) c = c.toUpper();
  return text;
}

QString InvalidPairMessage() { return QStringLiteral("Das ist keine gültige Halbsumme!"); }

std::optional<std::pair<int, int>> CheckPair(const QString& first, const QString& second) {
  const std::optional<int> a = FactorIdOfName(first);
  const std::optional<int> b = FactorIdOfName(second);
  if (!a || !b) return std::nullopt;
  return std::pair<int, int>(std::min(*a, *b), std::max(*a, *b));
}

}  // namespace gyrolux
