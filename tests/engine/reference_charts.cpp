#include "tests/engine/reference_charts.h"

#include <charconv>
#include <cmath>

namespace gyrolux::testing {

namespace {

constexpr int kFieldCount = 6 + 2 * kFactorCount + 4 + 4;

template <typename Number>
bool ReadNumber(const QString& field, Number& out) {
  const QByteArray bytes = field.toLatin1();
  if (bytes.isEmpty() || field.size() != bytes.size()) return false;
  const char* end = bytes.constData() + bytes.size();
  const auto [ptr, ec] = std::from_chars(bytes.constData(), end, out);
  return ec == std::errc() && ptr == end;
}

bool NearRelative(double a, double b, double relative) {
  return a == b || std::fabs(a - b) <= relative * std::max(std::fabs(a), std::fabs(b));
}

}  // namespace

std::optional<ReferenceChart> ParseReferenceChart(const QString& line, QString& error) {
  const QStringList fields = line.split(u';');
  if (fields.size() != kFieldCount) {
    error = QStringLiteral("%1 fields instead of %2").arg(fields.size()).arg(kFieldCount);
    return std::nullopt;
  }
  ReferenceChart r;
  int i = 0;
  const auto number = [&](auto& out) {
    if (ReadNumber(fields[i], out)) {
      ++i;
      return true;
    }
    error = QStringLiteral("field %1 '%2' is not a number").arg(i + 1).arg(fields[i].left(40));
    return false;
  };
  if (!number(r.moment.day) || !number(r.moment.month) || !number(r.moment.year) ||
      !number(r.moment.hours) || !number(r.moment.longitude) || !number(r.moment.latitude)) {
    return std::nullopt;
  }
  r.moment.westLongitude = r.moment.longitude < 0;
  r.moment.southLatitude = r.moment.latitude < 0;
  for (double& l : r.factorLongitude) {
    if (!number(l)) return std::nullopt;
  }
  for (int& flag : r.retrograde) {
    if (!number(flag)) return std::nullopt;
    if (flag != 0 && flag != 1) {
      error = QStringLiteral("field %1 is no flag").arg(i);
      return std::nullopt;
    }
  }
  if (!number(r.centuriesT) || !number(r.negObliquity) || !number(r.ramc) ||
      !number(r.localSiderealHours)) {
    return std::nullopt;
  }
  r.siderealText = fields[i++];
  r.ramcText = fields[i++];
  r.indexSiderealText = fields[i++];
  r.indexDateText = fields[i++];
  return r;
}

QStringList CompareWithEngine(const ReferenceChart& reference, const Tolerances& tolerances) {
  Chart chart;
  chart.moment = reference.moment;
  RecomputeChart(chart);
  const ChartState& st = chart.state;
  QStringList differences;
  for (int id = 0; id < kFactorCount; ++id) {
    const double d = std::fabs(std::fmod(st.factorLongitude[id] - reference.factorLongitude[id], 360.0));
    const double gap = std::min(d, 360.0 - d);
    if (!(gap <= tolerances.longitudeDegrees)) {
      differences << QStringLiteral("%1 %2 instead of %3")
                         .arg(FactorAbbrev[id])
                         .arg(st.factorLongitude[id], 0, 'g', 17)
                         .arg(reference.factorLongitude[id], 0, 'g', 17);
    }
    if (st.retrograde[id] != reference.retrograde[id]) {
      differences << QStringLiteral("%1 retrograde %2").arg(FactorAbbrev[id]).arg(st.retrograde[id]);
    }
  }
  const struct {
    const char* name;
    double mine;
    double theirs;
  } numbers[] = {{"centuriesT", st.centuriesT, reference.centuriesT},
                 {"negObliquity", st.negObliquity, reference.negObliquity},
                 {"ramc", st.ramc, reference.ramc},
                 {"localSiderealHours", st.localSiderealHours, reference.localSiderealHours}};
  for (const auto& n : numbers) {
    if (!NearRelative(n.mine, n.theirs, tolerances.relative)) {
      differences << QStringLiteral("%1 %2 instead of %3").arg(n.name).arg(n.mine, 0, 'g', 17).arg(n.theirs, 0, 'g', 17);
    }
  }
  const struct {
    const char* name;
    const QString& mine;
    const QString& theirs;
  } texts[] = {{"siderealText", chart.texts.siderealText, reference.siderealText},
               {"ramcText", chart.texts.ramcText, reference.ramcText},
               {"indexSiderealText", chart.texts.indexSiderealText, reference.indexSiderealText},
               {"indexDateText", chart.texts.indexDateText, reference.indexDateText}};
  for (const auto& t : texts) {
    if (t.mine != t.theirs) differences << QStringLiteral("%1 '%2' instead of '%3'").arg(t.name, t.mine, t.theirs);
  }
  return differences;
}

}  // namespace gyrolux::testing
