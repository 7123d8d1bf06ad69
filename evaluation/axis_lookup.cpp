#include "evaluation/axis_lookup.h"

#include "midpoints/factor_names.h"

#include <cmath>

#include "engine/calendar.h"
#include "engine/factors.h"
#include "engine/field_readers.h"
#include "engine/formatting.h"
#include "engine/integer_conversion.h"
#include "evaluation/list_cells.h"
#include "midpoints/factor_names.h"

namespace gyrolux {

namespace {

constexpr int kEntriesPerGroup = 7;

QStringList EmptyLines(int count) { return QStringList(count, QString()); }

AxisLookupTexts MakeDegreeTexts() {
  AxisLookupTexts texts;
  texts.openCaption = QString(42, u' ') + QStringLiteral("Suche in einer Grad-Achse");
  texts.firstFieldLabel = QStringLiteral("Grad");
  texts.secondFieldLabel = QStringLiteral("Minuten");
  texts.helpLines = EmptyLines(19);
  texts.helpLines << QStringLiteral("  Geben Sie bitte unten den gewünschten Wert für die Suchachse ein.    ")
                  << QStringLiteral("  Möglich sind die Werte     Grad: 0 bis 22,  Minuten: 0 bis 30");
  texts.helpLines += EmptyLines(3);
  texts.checkMessage = QStringLiteral("Das ist kein gültiger Winkel!");
  return texts;
}

AxisLookupTexts MakeMidpointTexts() {
  AxisLookupTexts texts;
  texts.openCaption = QString(34, u' ') + QStringLiteral("Suche in einer Halbsummen-Achse");
  texts.firstFieldLabel = QStringLiteral("1.Fakt.");
  texts.secondFieldLabel = QStringLiteral("2.Fakt.");
  texts.helpLines = EmptyLines(17);
  texts.helpLines << QStringLiteral("  Geben Sie hier bitte die gewünschten Faktoren für die Suchachse ein.") << QString()
                  << QStringLiteral("  Die korrekte Alpha-Folge muß nicht eingehalten werden, da das Programm")
                  << QStringLiteral("  ggf. korrigiert z.B. SO/MC in MC/SO.");
  texts.checkMessage = InvalidPairMessage();
  return texts;
}

// A field read as a number: digits with a decimal point or comma, a sign allowed, blanks
// around it ignored.
std::optional<double> FieldNumber(const QString& text) {
  return ReadNumber(text, {.blanks = NumberForm::Blanks::Around, .comma = true, .exponent = true});
}

// " ", the moment line.
QStringList MomentLines(const Chart& chart) {
  const ChartTexts& texts = chart.texts;
  return {QStringLiteral(" "), QStringLiteral("  ") + texts.dateText + QStringLiteral(", ") +
                                   FormatClock(chart.moment.hours) + QStringLiteral(" WZ/GMT, L:") +
                                   texts.longitudeText + QStringLiteral(", B:") + texts.latitudeText};
}

// The midpoints of MC to PO in the axis, seven to a group; skip is a pair left out.
void AppendAxisGroups(QStringList& lines, const ChartState& state, double axis, Orb orb,
                      std::optional<FactorPair> skip) {
  QString pairs = QStringLiteral("  "), angles = QStringLiteral("  ");
  int count = 0;
  for (int a = 0; a < kMidpointFactorCount; ++a) {
    for (int b = a; b < kMidpointFactorCount; ++b) {
      if (skip && skip->a == a && skip->b == b) continue;
      if (!orb.HoldsPositions(axis, PairPosition(state, a, b))) continue;
      pairs += PairWithHouse(state, a, b) + QStringLiteral(" = ");
      angles += FormatAngle(2, 22, PairMidpoint(state, a, b)) + QStringLiteral("    ");
      if (++count == kEntriesPerGroup) {
        lines << pairs << angles << QStringLiteral(" ");
        pairs = angles = QStringLiteral("  ");
        count = 0;
      }
    }
  }
  if (count > 0) lines << pairs << angles;
}

}  // namespace

const AxisLookupTexts& LookupTexts(AxisLookupKind kind) {
  static const AxisLookupTexts degree = MakeDegreeTexts();
  static const AxisLookupTexts midpoint = MakeMidpointTexts();
  return kind == AxisLookupKind::Degree ? degree : midpoint;
}

std::optional<DegreeAxisEntry> ReadDegreeAxis(const QString& degreesText, const QString& minutesText) {
  const auto degrees = FieldNumber(degreesText);
  const auto minutes = FieldNumber(minutesText);
  if (CheckModeAngle(degrees, minutes) != AngleFault::None) return std::nullopt;
  return DegreeAxisEntry{*degrees, *minutes};
}

double DegreeAxisValue(const DegreeAxisEntry& entry) { return entry.degrees + entry.minutes / 60.0 + 0.01; }

QString DegreeAxisCaption(const DegreeAxisEntry& entry) {
  // Whole minutes of the entered angle; a fraction typed into either field counts too.
  const int totalMinutes = TruncClamped(entry.degrees * 60.0 + entry.minutes + 1e-9, 0, 100000);
  return QString(31, u' ') + QStringLiteral("Halbsummen in der Achse  ") +
         ZeroPad(static_cast<unsigned>(totalMinutes / 60), 2) + QStringLiteral("°") +
         ZeroPad(static_cast<unsigned>(totalMinutes % 60), 2) + QStringLiteral("´");
}

std::optional<int> LookupFactor(const QString& name) { return FactorIdOfName(FactorFieldText(name)); }

std::optional<FactorPair> ReadAxisPair(const QString& first, const QString& second) {
  const auto pair = CheckPair(FactorFieldText(first), FactorFieldText(second));
  if (!pair) return std::nullopt;
  return FactorPair{pair->first, pair->second};
}

QString MidpointAxisCaption(const FactorPair& pair) {
  return QString(35, u' ') + QStringLiteral("Halbsummen in der Achse  ") + PairName(pair.a, pair.b);
}

bool StepLookupDay(Chart& chart) {
  const ChartMoment& m = chart.moment;
  if (AddDays({m.day, m.month, m.year}, 1).year > 9999) return false;
  NextDay(chart);
  RecomputeChart(chart);
  return true;
}

QStringList DegreeAxisList(const Chart& chart, double axis, Orb orb) {
  QStringList lines = MomentLines(chart);
  const int degrees = TruncClamped(axis, 0, 99);
  const int minutes = TruncClamped((axis - std::trunc(axis)) * 60.0 + 0.01, 0, 99);
  lines << QStringLiteral(" ")
        << QStringLiteral("  Suchachse = ") + ZeroPad(static_cast<unsigned>(degrees), 2) + QStringLiteral("°") +
               ZeroPad(static_cast<unsigned>(minutes), 2) + QStringLiteral("´")
        << QStringLiteral(" ");
  AppendAxisGroups(lines, chart.state, axis, orb, std::nullopt);
  return lines;
}

QStringList MidpointAxisList(const Chart& chart, const FactorPair& pair, Orb orb) {
  const ChartState& state = chart.state;
  QStringList lines = MomentLines(chart);
  lines << QStringLiteral("  ") << QStringLiteral("  ") + PairWithHouse(state, pair.a, pair.b) + QStringLiteral(" =")
        << QStringLiteral("  ") + FormatAngle(2, 22, PairMidpoint(state, pair.a, pair.b)) << QStringLiteral(" ");
  AppendAxisGroups(lines, state, PairPosition(state, pair.a, pair.b), orb, pair);
  return lines;
}

}  // namespace gyrolux
