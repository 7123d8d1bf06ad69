// The lists against a radix: a moment equal to the radix puts every factor on itself, the
// solar arc a year after birth is the Sun's motion on the day after birth, every sum
// line recomputes from the radix, and each list runs from the closest hit on.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "engine/chart_core.h"
#include "engine/formatting.h"
#include "events/radix_lists.h"
#include "midpoints/picture_orb.h"

namespace gyrolux {
namespace {

Chart ChartAt(int day, int month, int year, double hours) {
  Chart chart;
  chart.moment = {day, month, year, hours, 13.4, 52.5};
  chart.texts.dateText = FormatDateText(day, month, year);
  RecomputeChart(chart);
  return chart;
}

// The degrees of a line's orb, "00°12'34\"" at its end.
double OrbOf(const QString& line) {
  const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("(\\d+)°(\\d+)'(\\d+)\"$")).match(line);
  EXPECT_TRUE(m.hasMatch()) << line.toStdString();
  return m.captured(1).toDouble() + m.captured(2).toDouble() / 60.0 + m.captured(3).toDouble() / 3600.0;
}

TEST(RadixLists, FactorsOnThemselvesTheArcAndTheSums) {
  const Chart radix = ChartAt(14, 7, 1968, 9.5);
  for (const RadixListKind kind : {RadixListKind::Transite, RadixListKind::Progression}) {
    const QStringList lines = RadixList(kind, radix, QStringLiteral("Anna"), radix, kPictureOrb);
    const QChar mark = kind == RadixListKind::Transite ? u't' : u'p';
    for (const char* factor : {"MC", "SO", "MO", "KN", "PL", "PO"}) {
      const QString line = QStringLiteral(" %1%2 = %1r").arg(QLatin1String(factor)).arg(mark);
      EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& l) {
        return l.startsWith(line + u' ') && OrbOf(l) == 0.0;
      })) << line.toStdString();
    }
  }
  // 366 days after birth the progressed moment is 366 / 365.25 days after it: the arc is
  // the Sun's motion of the day after birth, in that share.
  const Chart later = ChartAt(15, 7, 1969, 9.5);
  const Chart dayAfter = ChartAt(15, 7, 1968, 9.5);
  const double expected = dayAfter.state.factorLongitude[SO] - radix.state.factorLongitude[SO];
  EXPECT_NEAR(SolarArc(later, radix), expected * 366.0 / 365.25, 1e-6);

  const QStringList sums = RadixList(RadixListKind::Summen, later, QStringLiteral("Anna"), radix, Orb{0.5});
  const QRegularExpression pattern(QStringLiteral("^ (\\w\\w)(\\w)\\+(\\w\\w)\\w-(\\w\\w)\\w = (\\w\\w)r"));
  double previous = 0.0;
  int checked = 0;
  for (const QString& line : sums.mid(3)) {
    const QRegularExpressionMatch m = pattern.match(line);
    ASSERT_TRUE(m.hasMatch()) << line.toStdString();
    const auto id = [](const QString& name) {
      return static_cast<int>(std::find_if(FactorAbbrev.begin(), FactorAbbrev.end(),
                                           [&](const char* a) { return name == QLatin1String(a); }) -
                              FactorAbbrev.begin());
    };
    const FactorLongitudes& from = (m.captured(2) == u"r" ? radix : later).state.factorLongitude;
    const double point = from[id(m.captured(1))] + from[id(m.captured(3))] - from[id(m.captured(4))];
    const double d = std::remainder(point - radix.state.factorLongitude[id(m.captured(5))], 22.5);
    EXPECT_NEAR(std::fabs(d), OrbOf(line), 1.0 / 3600.0) << line.toStdString();
    EXPECT_LT(std::fabs(d), 0.5);
    EXPECT_GE(OrbOf(line), previous);
    previous = OrbOf(line);
    ++checked;
  }
  EXPECT_GT(checked, 100);
}

}  // namespace
}  // namespace gyrolux
