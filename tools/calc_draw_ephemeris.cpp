// gyrolux-calc draw ephemeris: the graphic ephemeris of a period in one dial mode, with
// the lines of a radix on request.

#include "engine/factors.h"
#include "pictures/graphic_ephemeris.h"
#include "tools/calc_args.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

namespace {

bool ReadFactorList(const QString& text, std::vector<int>& factors, QString& error) {
  factors.clear();
  for (const QString& name : text.split(u',')) {
    int found = -1;
    for (int f = 0; f < kFactorCount; ++f) {
      if (name.trimmed().compare(QLatin1String(FactorAbbrev[static_cast<size_t>(f)]), Qt::CaseInsensitive) == 0) found = f;
    }
    if (found < 0 || !EphemerisFactorAllowed(found)) {
      error = QStringLiteral("ungültiger Faktor '%1' in --factors (MC, WI, SO, AS, MO … PO, GZ)").arg(name);
      return false;
    }
    if (std::find(factors.begin(), factors.end(), found) == factors.end()) factors.push_back(found);
  }
  return true;
}

}  // namespace

int RunDrawEphemeris(VerbCall& call, const QString& out) {
  const QCommandLineParser& parser = call.parser;
  QTextStream& err = call.err;
  for (const char* option : {"date", "hours", "lon", "lat", "circle", "rotation", "long-lines"}) {
    if (parser.isSet(QLatin1String(option))) {
      err << QStringLiteral("--%1 gehört nicht zur Art ephemeris").arg(QLatin1String(option));
      return kRefused;
    }
  }
  for (const char* option : {"from", "to", "mode"}) {
    if (!parser.isSet(QLatin1String(option))) {
      err << MissingOptionText(QLatin1String(option));
      return kRefused;
    }
  }
  GraphicEphemerisRequest request;
  QString error;
  if (!ReadDateText(parser.value(QStringLiteral("from")), request.from, error) ||
      !ReadDateText(parser.value(QStringLiteral("to")), request.to, error)) {
    err << error;
    return kRefused;
  }
  const std::optional<DialMode> mode = ReadDialMode(parser, err);
  if (!mode) return kRefused;
  request.mode = *mode;
  request.ephemeris = call.ephemeris;
  if (parser.isSet(QStringLiteral("factors")) &&
      !ReadFactorList(parser.value(QStringLiteral("factors")), request.factors, error)) {
    err << error;
    return kRefused;
  }
  request.radixMidpoints = parser.isSet(QStringLiteral("midpoints"));
  if (request.radixMidpoints && !parser.isSet(QStringLiteral("radix"))) {
    err << "--midpoints gehört zu --radix";
    return kRefused;
  }
  if (!DrawingFileKnown(out, err)) return kRefused;
  std::optional<LoadedRadix> radix;
  if (!ReadDrawRadix(parser, call.ephemeris, radix, error)) {
    err << error;
    return kRefused;
  }
  if (radix) {
    request.radix = &radix->chart.state;
    request.radixName = radix->name;
    request.radixPlace = radix->chart.moment;
  }
  error = CheckEphemerisRequest(request);
  if (!error.isEmpty()) {
    err << error;
    return kRefused;
  }
  const Picture picture = DrawGraphicEphemeris(request);
  if (!WriteDrawing(picture, out, &error)) {
    err << error;
    return kFailed;
  }
  return kDone;
}

}  // namespace gyrolux::calc
