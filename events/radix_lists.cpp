#include "events/radix_lists.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/chart_core.h"
#include "engine/formatting.h"
#include "evaluation/evaluation_lists.h"
#include "events/event_search.h"
#include "midpoints/watched_distance.h"

namespace gyrolux {

namespace {

struct Hit {
  double distance;
  QString text;
};

QString Name(int factor, QChar mark) { return QString::fromLatin1(FactorAbbrev[factor]) + mark; }

bool Moves(int factor) { return IsMovingFactor(factor); }

// A position of the 22.5-degree mode from two longitudes (a factor is its own pair).
double PairPosition22(const FactorLongitudes& longitudes, int a, int b) {
  return PositionInMode(WatchedPosition{{a, b}, {}}, longitudes, kMode22_5);
}

// Every moving position of `positions` (named by `names`) on each radix factor and, with
// midpoints, each radix midpoint, within the orb.
void OnRadix(const std::vector<std::pair<QString, double>>& positions, const FactorLongitudes& radix,
             bool midpoints, Orb orb, std::vector<Hit>& hits) {
  for (const auto& position : positions) {
    for (int a = 0; a < kFactorCount; ++a) {
      for (int b = a; b < kFactorCount; ++b) {
        if (b != a && !midpoints) continue;
        const double distance = kMode22_5.CircleDistance(position.second, PairPosition22(radix, a, b));
        if (!orb.Holds(distance)) continue;
        const QString target = b == a ? Name(a, u'r') : Name(a, u'r') + u'/' + Name(b, u'r');
        hits.push_back({distance, u' ' + position.first + QStringLiteral(" = ") + target});
      }
    }
  }
}

// The sensitive points A+B-C of three factors of `from` (marked) on the radix factors.
void SumsOnRadix(const FactorLongitudes& from, QChar mark, const FactorLongitudes& radix, Orb orb,
                 std::vector<Hit>& hits) {
  for (int a = 0; a < kMidpointFactorCount; ++a) {
    if (!Moves(a)) continue;
    for (int b = a + 1; b < kMidpointFactorCount; ++b) {
      if (!Moves(b)) continue;
      for (int c = 0; c < kMidpointFactorCount; ++c) {
        if (!Moves(c) || c == a || c == b) continue;
        const double point = kMode22_5.Reduce(from[a] + from[b] - from[c] + 720.0);
        for (int d = 0; d < kMidpointFactorCount; ++d) {
          if (!Moves(d) || (mark == u'r' && (d == a || d == b || d == c))) continue;
          const double distance = kMode22_5.CircleDistance(point, kMode22_5.Reduce(radix[d]));
          if (!orb.Holds(distance)) continue;
          hits.push_back({distance, u' ' + Name(a, mark) + u'+' + Name(b, mark) + u'-' + Name(c, mark) +
                                        QStringLiteral(" = ") + Name(d, u'r')});
        }
      }
    }
  }
}

QString Title(RadixListKind kind) {
  switch (kind) {
    case RadixListKind::Transite:
      return QStringLiteral(" Transite \u2192 Radix ");
    case RadixListKind::Sonnenbogen:
      return QStringLiteral(" Sonnenbogen ");
    case RadixListKind::Progression:
      return QStringLiteral(" Progression ");
    case RadixListKind::Summen:
      return QStringLiteral(" Summen/Differenzen ");
  }
  return {};
}

}  // namespace

std::optional<RadixListKind> RadixListKindOf(const QString& key) {
  if (key == u"transite") return RadixListKind::Transite;
  if (key == u"sonnenbogen") return RadixListKind::Sonnenbogen;
  if (key == u"progression") return RadixListKind::Progression;
  if (key == u"summen") return RadixListKind::Summen;
  return std::nullopt;
}

ChartMoment ProgressedMoment(const Chart& moment, const Chart& radix) {
  EventQuery query;
  query.radix = radix.moment;
  query.from = {moment.moment.day, moment.moment.month, moment.moment.year};
  return EventMoment(query, ProgressedSeconds(query, moment.moment.hours * 3600.0));
}

double SolarArc(const Chart& moment, const Chart& radix) {
  ChartResult progressed;
  ComputeFactors(ProgressedMoment(moment, radix), FactorBit(SO), progressed);
  const double arc = std::fmod(progressed.state.factorLongitude[SO] - radix.state.factorLongitude[SO] + 720.0, 360.0);
  return arc;
}

QStringList RadixList(RadixListKind kind, const Chart& moment, const QString& radixName, const Chart& radix, Orb orb) {
  const FactorLongitudes& r = radix.state.factorLongitude;
  const FactorLongitudes& t = moment.state.factorLongitude;
  QStringList lines = {ListHeaderLine(Title(kind), moment),
                       QStringLiteral(" Radix %1: %2, %3 WZ/GMT")
                           .arg(radixName, radix.texts.dateText, FormatClock(radix.moment.hours).left(8))};
  std::vector<Hit> hits;
  std::vector<std::pair<QString, double>> positions;
  switch (kind) {
    case RadixListKind::Transite: {
      for (int a = 0; a < kMidpointFactorCount; ++a) {
        if (Moves(a)) positions.push_back({Name(a, u't'), kMode22_5.Reduce(t[a])});
      }
      OnRadix(positions, r, true, orb, hits);
      positions.clear();
      for (int a = 0; a < kMidpointFactorCount; ++a) {
        for (int b = a + 1; b < kMidpointFactorCount; ++b) {
          if (Moves(a) && Moves(b)) positions.push_back({Name(a, u't') + u'/' + Name(b, u't'), PairPosition22(t, a, b)});
        }
      }
      OnRadix(positions, r, false, orb, hits);
      break;
    }
    case RadixListKind::Sonnenbogen: {
      const double arc = SolarArc(moment, radix);
      lines << QStringLiteral(" Sonnenbogen %1").arg(FormatAngle(3, 0, arc).trimmed());
      for (int a = 0; a < kMidpointFactorCount; ++a) {
        if (Moves(a)) positions.push_back({Name(a, u's'), kMode22_5.Reduce(r[a] + arc)});
      }
      OnRadix(positions, r, true, orb, hits);
      break;
    }
    case RadixListKind::Progression: {
      ChartResult progressed;
      ComputeChart(ProgressedMoment(moment, radix), progressed);
      for (int a = 0; a < kMidpointFactorCount; ++a) {
        if (Moves(a)) positions.push_back({Name(a, u'p'), kMode22_5.Reduce(progressed.state.factorLongitude[a])});
      }
      OnRadix(positions, r, true, orb, hits);
      break;
    }
    case RadixListKind::Summen:
      SumsOnRadix(r, u'r', r, orb, hits);
      SumsOnRadix(t, u't', r, orb, hits);
      break;
  }
  std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.distance < b.distance; });
  lines << QStringLiteral("  ");
  for (const Hit& hit : hits) lines << hit.text.leftJustified(24) + FormatAngle(2, 0, hit.distance).trimmed();
  return lines;
}

}  // namespace gyrolux
