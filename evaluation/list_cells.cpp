#include "evaluation/list_cells.h"

#include "engine/angles.h"
#include "engine/factors.h"
#include "engine/formatting.h"
#include "engine/houses.h"

namespace gyrolux {

namespace {

// A factor number as FactorAbbrev indexes it: 0..23.
int NameIndex(int factor) { return factor < 0 || factor > kFillerAbbrevIndex ? kFillerAbbrevIndex : factor; }

}  // namespace

double PairLongitude(const ChartState& state, int factor) {
  return factor >= 0 && factor < kFactorCount ? state.factorLongitude[static_cast<size_t>(factor)] : 0.0;
}

double PairMidpoint(const ChartState& state, int a, int b) {
  return (PairLongitude(state, a) + PairLongitude(state, b)) / 2.0;
}

double PairPosition(const ChartState& state, int a, int b) { return kMode22_5.Reduce(PairMidpoint(state, a, b)); }

int PairHouse(const ChartState& state, int a, int b) {
  return MidpointHouse(a, b, PairLongitude(state, a), PairLongitude(state, b));
}

QString PairName(int a, int b) {
  return QLatin1String(FactorAbbrev[static_cast<size_t>(NameIndex(a))]) + u'/' +
         QLatin1String(FactorAbbrev[static_cast<size_t>(NameIndex(b))]);
}

QString PairWithHouse(const ChartState& state, int a, int b) {
  return PairName(a, b) + ZeroPad(static_cast<unsigned>(PairHouse(state, a, b)), 2);
}

}  // namespace gyrolux
