#include "pictures/graphic_ephemeris.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>

#include "engine/chart_core.h"
#include "engine/factors.h"
#include "engine/integer_conversion.h"
#include "ephemeris/ephemeris_choice.h"
#include "ephemeris/swiss_sky.h"
#include "pictures/radix_ring.h"
#include "platform/colors.h"

namespace gyrolux {

namespace {

constexpr QRgb kGridColor = qRgb(0xD8, 0xD8, 0xD8);
constexpr QRgb kRadixMidpointColor = qRgb(0xC8, 0x90, 0xC8);

// Colours far enough apart on white that neighbouring lines stay apart.
constexpr std::array<QRgb, 11> kLineColors = {
    qRgb(0xC0, 0x00, 0x00), qRgb(0x00, 0x00, 0xC0), qRgb(0x00, 0x80, 0x00), qRgb(0xB0, 0x60, 0x00),
    qRgb(0x00, 0x80, 0x80), qRgb(0x60, 0x60, 0x60), qRgb(0xD0, 0x00, 0x90), qRgb(0x40, 0x40, 0x00),
    qRgb(0x00, 0x50, 0x90), qRgb(0x90, 0x30, 0x30), qRgb(0x30, 0x30, 0x30)};

constexpr std::array<const char*, 12> kMonthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                                     "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};

int Pixel(double v) { return TruncClamped(std::floor(v + 0.5), -100000, 100000); }

QString Abbrev(int factor) { return QLatin1String(FactorAbbrev[static_cast<size_t>(factor)]); }

// The most a factor moves in a day, in degrees, with room to spare: it bounds the time
// between two samples so that the line neither misses a turn nor a wrap.
double DailyMotionBound(int factor) {
  switch (factor) {
    // The angles go round once a sidereal day; the ascendant faster where the ecliptic
    // lies low over the horizon.
    case MC: return 362.0;
    case AS: return 1080.0;
    case MO: return 16.0;
    case SO: return 1.1;
    case ME: return 2.3;
    case VE: return 1.3;
    case MA: return 0.85;
    case KN: return 0.3;
    case JU: return 0.26;
    case SA: return 0.15;
    case UR: case NE: case PL: return 0.08;
    default: return factor >= kFirstHypothetical && factor <= PO ? 0.05 : 1.5;
  }
}

// The degree scale: labelled lines and minor ticks, in degrees of the mode.
struct DegreeSteps {
  double label;
  double tick;
};
DegreeSteps DegreeStepsOf(DialMode mode) {
  if (mode.Width() > 90) return {30, 10};
  if (mode.Width() > 45) return {10, 5};
  if (mode.Width() > kMode22_5.Width()) return {5, 1};
  return {1, 0.5};
}

QString DegreeText(double degree) {
  return QString::number(degree, 'f', degree == std::trunc(degree) ? 0 : 1).replace(u'.', u',') + u'\u00B0';
}

QString DateText(const CivilDate& d) {
  return QStringLiteral("%1.%2.%3").arg(d.day, 2, 10, QChar(u'0')).arg(d.month, 2, 10, QChar(u'0')).arg(d.year);
}

void DrawDegreeScale(Picture& picture, const EphemerisLayout& layout) {
  const DegreeSteps steps = DegreeStepsOf(layout.mode);
  const int left = kEphemerisPlot.left();
  const int right = kEphemerisPlot.left() + kEphemerisPlot.width();
  picture.setFont(QStringLiteral("Arial"), 8, false, clBlack);
  const int ticks = static_cast<int>(std::lround(layout.mode.Width() / steps.tick));
  const int perLabel = static_cast<int>(std::lround(steps.label / steps.tick));
  for (int k = 0; k <= ticks; ++k) {
    const double degree = k * steps.tick;
    const int y = Pixel(layout.yOfDegree(degree));
    if (k % perLabel == 0) {
      picture.setPen(kGridColor, 1);
      if (k > 0 && k < ticks) picture.line(left, y, right, y);
      picture.setPen(clBlack, 1);
      picture.line(left - 6, y, left, y);
      picture.text(left - 44, y - 7, DegreeText(degree).rightJustified(6));
    } else {
      picture.setPen(clBlack, 1);
      picture.line(left - 3, y, left, y);
    }
  }
}

// The calendar scale: days for a period up to two months, months up to four years, years
// beyond (labelled so that the labels keep apart), each with a pale line across the plot.
void DrawCalendarScale(Picture& picture, const EphemerisLayout& layout) {
  const int top = kEphemerisPlot.top();
  const int bottom = kEphemerisPlot.top() + kEphemerisPlot.height();
  const double days = layout.endDay - layout.firstDay;
  const auto mark = [&](int64_t day, int length, const QString& label, bool grid) {
    const int x = Pixel(layout.xOfDay(static_cast<double>(day)));
    if (grid) {
      picture.setPen(kGridColor, 1);
      picture.line(x, top, x, bottom);
    }
    picture.setPen(clBlack, 1);
    picture.line(x, bottom, x, bottom + length);
    if (!label.isEmpty()) picture.text(x + 2, bottom + 4, label);
  };
  picture.setFont(QStringLiteral("Arial"), 8, false, clBlack);
  const int64_t first = static_cast<int64_t>(std::ceil(layout.firstDay));
  const int64_t end = static_cast<int64_t>(std::floor(layout.endDay));
  if (days <= 62) {
    for (int64_t day = first; day <= end; ++day) {
      const CivilDate d = DateOfDayNumber(day);
      const bool labelled = days <= 35 || d.day % 5 == 1;
      mark(day, labelled ? 8 : 4, labelled ? QString::number(d.day) : QString(), labelled);
      if (d.day == 1 && day < end) {
        picture.text(Pixel(layout.xOfDay(static_cast<double>(day))) + 2, bottom + 18,
                     QString::fromUtf8(kMonthNames[static_cast<size_t>(d.month - 1)]) + u' ' + QString::number(d.year));
      }
    }
    return;
  }
  const CivilDate firstDate = DateOfDayNumber(first);
  if (days <= 4 * 366) {
    const double monthPixels = kEphemerisPlot.width() * 30.44 / days;
    for (CivilDate d{1, firstDate.month, firstDate.year};; d = d.month == 12 ? CivilDate{1, 1, d.year + 1}
                                                                          : CivilDate{1, d.month + 1, d.year}) {
      const int64_t day = DayNumber(d);
      if (day > end) break;
      if (day < first) continue;
      const bool named = monthPixels >= 24 || d.month % 3 == 1;
      mark(day, 8, named ? QString::fromUtf8(kMonthNames[static_cast<size_t>(d.month - 1)]) : QString(), true);
      if (d.month == 1 || day == first) {
        picture.text(Pixel(layout.xOfDay(static_cast<double>(day))) + 2, bottom + 18, QString::number(d.year));
      }
    }
    return;
  }
  const double yearPixels = kEphemerisPlot.width() * 365.25 / days;
  int every = 1;
  for (int step : {1, 2, 5, 10, 20, 50}) {
    every = step;
    if (yearPixels * step >= 36) break;
  }
  for (int year = firstDate.year + (firstDate.day == 1 && firstDate.month == 1 ? 0 : 1);; ++year) {
    const int64_t day = DayNumber({1, 1, year});
    if (day > end) break;
    const bool labelled = year % every == 0;
    mark(day, labelled ? 8 : 4, labelled ? QString::number(year) : QString(), labelled);
  }
}

// One factor's line from its samples (unreduced longitudes at days), cut at the edges of
// the mode: each step runs from its start in the mode by the true motion, and where that
// passes the top or the bottom it goes on from the other edge.
void DrawFactorLine(Picture& picture, const EphemerisLayout& layout, const std::vector<double>& days,
                    const std::vector<double>& longitudes, QRgb color) {
  const double width = layout.mode.Width();
  const auto reduce = [&](double lon) {
    const double p = std::fmod(lon, width);
    return p < 0 ? p + width : p;
  };
  // Steps shorter than a few pixels are joined into one line, which keeps the page light
  // and its lines unbroken; a cut at an edge and a change of direction end a line.
  struct Pending {
    QPoint from, to;
    int pen = 0;
  };
  std::optional<Pending> pending;
  int lastPen = 0;
  const auto flush = [&] {
    if (!pending) return;
    if (pending->pen != lastPen) picture.setPen(color, pending->pen);
    lastPen = pending->pen;
    picture.line(pending->from.x(), pending->from.y(), pending->to.x(), pending->to.y());
    pending.reset();
  };
  const auto segment = [&](double day0, double p0, double day1, double p1, int penWidth, bool cut) {
    const QPoint a(Pixel(layout.xOfDay(day0)), Pixel(layout.yOfDegree(p0)));
    const QPoint b(Pixel(layout.xOfDay(day1)), Pixel(layout.yOfDegree(p1)));
    if (a != b) {
      const bool joins = pending && pending->to == a && pending->pen == penWidth &&
                         std::max(std::abs(b.x() - pending->from.x()), std::abs(b.y() - pending->from.y())) <= 3;
      if (joins) {
        pending->to = b;
      } else {
        flush();
        pending = Pending{a, b, penWidth};
      }
    }
    if (cut) flush();
  };
  for (size_t k = 0; k + 1 < days.size(); ++k) {
    const double motion = std::remainder(longitudes[k + 1] - longitudes[k], 360.0);
    const int penWidth = motion < 0 ? 2 : 1;
    double day = days[k];
    double p = reduce(longitudes[k]);
    double rest = motion;
    // A step never spans more than a fraction of the width; the loop bound only guards.
    for (int guard = 0; guard < 64; ++guard) {
      const double q = p + rest;
      if (q >= 0.0 && q <= width) {
        segment(day, p, days[k + 1], q, penWidth, false);
        break;
      }
      const double edge = q > width ? width : 0.0;
      const double share = (edge - p) / rest;
      const double dayAtEdge = day + share * (days[k + 1] - day);
      segment(day, p, dayAtEdge, edge, penWidth, true);
      rest -= edge - p;
      p = width - edge;
      day = dayAtEdge;
    }
  }
  flush();
}

}  // namespace

std::vector<int> DefaultEphemerisFactors() {
  std::vector<int> factors = {SO, MO, KN};
  for (int f = ME; f <= PO; ++f) factors.push_back(f);
  return factors;
}

bool EphemerisFactorAllowed(int factor) { return factor >= 0 && factor < kFactorCount; }

bool EphemerisFactorNeedsPlace(int factor) { return factor == MC || factor == AS || factor == WI; }

QString CheckEphemerisRequest(const GraphicEphemerisRequest& request) {
  if (request.from.year < 1600 || request.to.year > 9999)
    return QStringLiteral("der Zeitraum liegt außerhalb der Jahre 1600 bis 9999");
  const int64_t days = DayNumber(request.to) - DayNumber(request.from) + 1;
  if (days < 1) return QStringLiteral("das Ende des Zeitraums liegt vor seinem Anfang");
  if (days > kEphemerisMaxDays) return QStringLiteral("der Zeitraum ist länger als 100 Jahre");
  if (request.ephemeris == Ephemeris::Swiss && (request.from.year < kSwissFirstYear || request.to.year > kSwissLastYear))
    return QStringLiteral("die Swiss Ephemeris rechnet nur in den Jahren %1 bis %2; für den Zeitraum bitte die "
                          "Ephemeride „Modell (Version 5.0)“ wählen")
        .arg(kSwissFirstYear)
        .arg(kSwissLastYear);
  for (int f : request.factors) {
    if (!EphemerisFactorAllowed(f)) return QStringLiteral("der Faktor %1 hat keine Ephemeride").arg(f);
    if (EphemerisFactorNeedsPlace(f) && !request.radixPlace)
      return QStringLiteral("der Faktor %1 hängt vom Ort ab und wird nur mit einer Radix für deren Ort gezeichnet")
          .arg(Abbrev(f));
    if ((f == MC || f == AS) && days > kEphemerisMaxAngleDays)
      return QStringLiteral("%1 läuft täglich einmal um den Kreis und wird höchstens für %2 Tage gezeichnet")
          .arg(Abbrev(f))
          .arg(kEphemerisMaxAngleDays);
  }
  return QString();
}

double EphemerisLayout::xOfDay(double day) const {
  return kEphemerisPlot.left() + (day - firstDay) / (endDay - firstDay) * kEphemerisPlot.width();
}
double EphemerisLayout::yOfDegree(double degree) const {
  return kEphemerisPlot.top() + kEphemerisPlot.height() - degree / mode.Width() * kEphemerisPlot.height();
}
double EphemerisLayout::dayAtX(double x) const {
  return firstDay + (x - kEphemerisPlot.left()) / kEphemerisPlot.width() * (endDay - firstDay);
}
double EphemerisLayout::degreeAtY(double y) const {
  return (kEphemerisPlot.top() + kEphemerisPlot.height() - y) / kEphemerisPlot.height() * mode.Width();
}

EphemerisLayout EphemerisLayoutOf(const GraphicEphemerisRequest& request) {
  EphemerisLayout layout;
  layout.firstDay = static_cast<double>(DayNumber(request.from));
  layout.endDay = std::max(layout.firstDay + 1.0, static_cast<double>(DayNumber(request.to) + 1));
  layout.mode = request.mode;
  return layout;
}

ChartMoment EphemerisMoment(double day, Ephemeris ephemeris, const std::optional<ChartMoment>& place) {
  const double whole = std::floor(day);
  const CivilDate date = DateOfDayNumber(static_cast<int64_t>(whole));
  ChartMoment moment;
  moment.day = date.day;
  moment.month = date.month;
  moment.year = date.year;
  moment.hours = (day - whole) * 24.0;
  if (place) {
    moment.longitude = place->longitude;
    moment.latitude = place->latitude;
    moment.westLongitude = place->westLongitude;
    moment.southLatitude = place->southLatitude;
  }
  moment.ephemeris = ephemeris;
  return moment;
}

Picture DrawGraphicEphemeris(const GraphicEphemerisRequest& request) {
  Picture picture(kEphemerisWidth, kEphemerisHeight);
  picture.setBrush(clWhite);
  picture.setPen(clBlack, 1);
  picture.rectangle(0, 0, kEphemerisWidth, kEphemerisHeight);
  const int left = kEphemerisPlot.left(), top = kEphemerisPlot.top();
  const int right = left + kEphemerisPlot.width(), bottom = top + kEphemerisPlot.height();
  picture.rectangle(left, top, right + 1, bottom + 1);
  if (!CheckEphemerisRequest(request).isEmpty()) return picture;
  const EphemerisLayout layout = EphemerisLayoutOf(request);
  const DialMode mode = request.mode;

  picture.setFont(QStringLiteral("Arial"), 10, true, clBlack);
  QString title = QStringLiteral("Grafische Ephemeride  %1 bis %2,  %3-Modus")
                      .arg(DateText(request.from), DateText(request.to), DegreeText(mode.Width()));
  if (request.radix) title += QStringLiteral(",  Radix: ") + request.radixName;
  if (request.radixPlace && std::any_of(request.factors.begin(), request.factors.end(), EphemerisFactorNeedsPlace)) {
    const ChartMoment& place = *request.radixPlace;
    title += QStringLiteral(",  MC/AS/WI für den Ort der Radix (%1° %2, %3° %4)")
                 .arg(QString::number(std::fabs(place.longitude), 'f', 2).replace(u'.', u','),
                      place.longitude < 0 ? QStringLiteral("W") : QStringLiteral("O"),
                      QString::number(std::fabs(place.latitude), 'f', 2).replace(u'.', u','),
                      place.latitude < 0 ? QStringLiteral("S") : QStringLiteral("N"));
  }
  if (const QString note = EphemerisNote(request.ephemeris); !note.isEmpty()) title += QStringLiteral(",  ") + note;
  picture.text(left, 12, title);
  picture.setFont(QStringLiteral("Arial"), 8, false, clBlack);
  picture.text(right - 170, 16, QStringLiteral("dick: rückläufig"));
  DrawDegreeScale(picture, layout);
  DrawCalendarScale(picture, layout);

  // The radix below the lines of the moment: midpoints first, palest.
  if (request.radix) {
    const auto& lon = request.radix->factorLongitude;
    // A label steps right past one that stands less than a line's height above or below.
    std::vector<std::pair<int, int>> labelPlaces;  // y, x
    const auto labelX = [&](int y) {
      for (int x = right + 4;; x += 20) {
        const bool free = std::none_of(labelPlaces.begin(), labelPlaces.end(), [&](const std::pair<int, int>& p) {
          return p.second == x && std::abs(p.first - y) < 9;
        });
        if (free || x >= right + 44) {
          labelPlaces.emplace_back(y, x);
          return x;
        }
      }
    };
    const auto horizontal = [&](double degree, const QString& name, QRgb color, const QString& label) {
      const double width = mode.Width();
      double p = std::fmod(degree, width);
      if (p < 0) p += width;
      const int y = Pixel(layout.yOfDegree(p));
      picture.beginGroup(name);
      picture.setPen(color, 1);
      picture.line(left, y, right, y);
      if (!label.isEmpty()) {
        picture.setFont(QStringLiteral("Arial"), 7, true, color);
        picture.text(labelX(y), y - 6, label);
      }
      picture.endGroup();
    };
    if (request.radixMidpoints) {
      for (int a = 0; a < kFactorCount; ++a) {
        for (int b = a + 1; b < kFactorCount; ++b) {
          if (!RadixFactorDrawn(a) || !RadixFactorDrawn(b)) continue;
          const double mid = lon[a] + std::remainder(lon[b] - lon[a], 360.0) / 2.0;
          horizontal(mid, QStringLiteral("r-%1-%2").arg(Abbrev(a), Abbrev(b)), kRadixMidpointColor, QString());
        }
      }
    }
    for (int f = 0; f < kFactorCount; ++f) {
      if (RadixFactorDrawn(f)) horizontal(lon[f], QStringLiteral("r-") + Abbrev(f), kRadixColor, Abbrev(f));
    }
  }

  // The factors grouped by the time between their samples, so that one computation at a
  // moment serves every factor of a group: two samples to a pixel, closer for a factor
  // that would otherwise move more than a sixth of the width between two.
  const double span = layout.endDay - layout.firstDay;
  const double pixelStep = span / kEphemerisPlot.width() / 2.0;
  std::map<double, FactorMask> groups;
  for (int f : request.factors) {
    const double step = std::min(pixelStep, mode.Width() / 6.0 / DailyMotionBound(f));
    groups[step] |= FactorBit(f);
  }
  std::array<std::vector<double>, kFactorCount> longitudes;
  std::array<std::vector<double>, kFactorCount> days;
  ChartResult result;
  for (const auto& [step, mask] : groups) {
    const int samples = static_cast<int>(std::ceil(span / step)) + 1;
    for (int k = 0; k < samples; ++k) {
      const double day = std::min(layout.firstDay + k * step, layout.endDay);
      ComputeFactors(EphemerisMoment(day, request.ephemeris, request.radixPlace), mask, result);
      for (int f = 0; f < kFactorCount; ++f) {
        if ((mask & FactorBit(f)) == 0) continue;
        days[f].push_back(day);
        longitudes[f].push_back(result.state.factorLongitude[f]);
      }
    }
  }
  int colorIndex = 0;
  // A factor's letters at its start step right past those standing less than a line above
  // or below.
  std::vector<QPoint> startLabels;
  for (int f : request.factors) {
    if (days[f].empty()) continue;  // named twice
    const QRgb color = kLineColors[static_cast<size_t>(colorIndex++) % kLineColors.size()];
    picture.beginGroup(Abbrev(f));
    DrawFactorLine(picture, layout, days[f], longitudes[f], color);
    picture.setFont(QStringLiteral("Arial"), 8, true, color);
    const double startPlace = std::fmod(longitudes[f].front(), mode.Width());
    const int y = Pixel(layout.yOfDegree(startPlace < 0 ? startPlace + mode.Width() : startPlace)) - 12;
    int x = left + 3;
    while (x < left + 63 && std::any_of(startLabels.begin(), startLabels.end(), [&](QPoint p) {
             return p.x() == x && std::abs(p.y() - y) < 10;
           })) {
      x += 20;
    }
    startLabels.emplace_back(x, y);
    picture.text(x, y, Abbrev(f));
    picture.endGroup();
    days[f].clear();
  }
  return picture;
}

}  // namespace gyrolux
