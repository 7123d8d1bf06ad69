// gyrolux-calc draw: one of the program's diagrams for one moment, written as the
// metafile the program writes for it, or as PDF, SVG or PNG.
#include <array>
#include <cmath>
#include <optional>

#include <QFileInfo>

#include "engine/chart.h"
#include "engine/factors.h"
#include "engine/formatting.h"
#include "evaluation/ephemeris_note.h"
#include "pictures/axis_graphic.h"
#include "pictures/axis_strip.h"
#include "pictures/calculating_dial.h"
#include "pictures/dial_picture.h"
#include "pictures/enlarged_dial.h"
#include "platform/picture_export.h"
#include "platform/bundled_images.h"
#include "platform/symbol_font.h"
#include "platform/wmf_writer.h"
#include "tools/calc_args.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

namespace {

enum class Kind { Dial, CalculatingDial, Axes, Wheel, Strip };

struct KindName {
  const char* name;
  Kind kind;
};
constexpr std::array<KindName, 5> kKinds = {{{"dial", Kind::Dial},
                                             {"rscheibe", Kind::CalculatingDial},
                                             {"axes", Kind::Axes},
                                             {"wheel", Kind::Wheel},
                                             {"strip", Kind::Strip}}};

constexpr std::array<const char*, 6> kCircles = {"MC", "WI", "SO", "AS", "MO", "KN"};

std::optional<Kind> ReadKind(const QString& text) {
  for (const KindName& entry : kKinds) {
    if (text == QLatin1String(entry.name)) return entry.kind;
  }
  return std::nullopt;
}

// The house circle of --circle and --rotation (the enlarged dial's only).
bool ReadCircle(const QCommandLineParser& parser, HouseCircle& circle, QString& error) {
  if (parser.isSet(QStringLiteral("circle"))) {
    const QString text = parser.value(QStringLiteral("circle"));
    bool found = false;
    for (int factor = 0; factor < static_cast<int>(kCircles.size()); ++factor) {
      if (text.compare(QLatin1String(kCircles[factor]), Qt::CaseInsensitive) == 0) {
        circle.factor = factor;
        found = true;
      }
    }
    if (!found) {
      error = QStringLiteral("ungültiger Wert '%1' für --circle (MC, WI, SO, AS, MO oder KN)").arg(text);
      return false;
    }
  }
  if (parser.isSet(QStringLiteral("rotation"))) {
    const QString text = parser.value(QStringLiteral("rotation"));
    const std::optional<double> value = ParseNumber(text);
    if (!value || *value < -180 || *value > 180 || *value != std::trunc(*value)) {
      error = QStringLiteral("ungültiger Wert '%1' für --rotation (ganze Grad von -180 bis 180)").arg(text);
      return false;
    }
    circle.rotation = static_cast<int>(*value);
  }
  return true;
}

Picture Draw(Kind kind, const Chart& chart, const HouseCircle& circle, bool longLines) {
  // The program draws these with the symbol font installed.
  const QString place = PlaceLabel(chart.moment);
  switch (kind) {
    case Kind::Dial: return DrawEnlargedDial(chart, circle, true, place);
    case Kind::CalculatingDial: return DrawCalculatingDial(chart, longLines, true, place);
    case Kind::Axes: return DrawAxisGraphic(chart);
    case Kind::Wheel: return DrawDial(chart.state, true, ApplicationIconImage());
    case Kind::Strip: return DrawAxisStrip(chart, AxisStripOptions{});
  }
  return Picture(1, 1);
}

}  // namespace

void DefineDrawVerb(QCommandLineParser& parser) {
  parser.addPositionalArgument(
      QStringLiteral("KIND"),
      QStringLiteral("dial (the enlarged dial), rscheibe (the calculating dial), axes (the 22.5-degree "
                     "axis graphic), wheel (the main window's dial) or strip (the main window's axis strip)."));
  parser.addOptions({
      {QStringLiteral("out"),
       QStringLiteral("The file to write; its extension chooses the format: .wmf (the program's own "
                      "metafile), .pdf, .svg or .png."),
       QStringLiteral("FILE")},
      {QStringLiteral("circle"), QStringLiteral("dial: the house circle, MC (default), WI, SO, AS, MO or KN."),
       QStringLiteral("MC|WI|SO|AS|MO|KN")},
      {QStringLiteral("rotation"), QStringLiteral("dial: the house circle turned by whole degrees, -180 to 180."),
       QStringLiteral("R")},
      {QStringLiteral("long-lines"),
       QStringLiteral("rscheibe: the bearing lines start further in (the answer Yes of the program's question).")},
  });
}

int RunDrawVerb(VerbCall& call) {
  const QCommandLineParser& parser = call.parser;
  QTextStream& err = call.err;
  const QString kindText = parser.positionalArguments().value(0);
  const std::optional<Kind> kind = ReadKind(kindText);
  if (!kind) {
    err << QStringLiteral("unbekannte Art '%1' (dial, rscheibe, axes, wheel oder strip)").arg(kindText);
    return kRefused;
  }
  if (!parser.isSet(QStringLiteral("out"))) {
    err << MissingOptionText(QStringLiteral("out"));
    return kRefused;
  }
  const QString out = parser.value(QStringLiteral("out"));
  const bool metafile = QFileInfo(out).suffix().compare(QLatin1String("wmf"), Qt::CaseInsensitive) == 0;
  const std::optional<ExportFormat> format = ExportFormatOfFile(out);
  if (!metafile && !format) {
    err << QStringLiteral("das Format von '%1' ist unbekannt (der Dateiname endet auf .wmf, .pdf, .svg oder .png)")
               .arg(out);
    return kRefused;
  }
  QString error;
  HouseCircle circle;
  if (!ReadCircle(parser, circle, error)) {
    err << error;
    return kRefused;
  }
  const bool circleGiven = parser.isSet(QStringLiteral("circle")) || parser.isSet(QStringLiteral("rotation"));
  if (circleGiven && *kind != Kind::Dial) {
    err << "--circle und --rotation gehören zur Art dial";
    return kRefused;
  }
  const bool longLines = parser.isSet(QStringLiteral("long-lines"));
  if (longLines && *kind != Kind::CalculatingDial) {
    err << "--long-lines gehört zur Art rscheibe";
    return kRefused;
  }

  const SymbolFontRegistration symbolFont;
  if (!symbolFont.registered()) {
    err << "die Symbolschrift " << kSymbolFontFileName
        << " liegt weder neben dem Programm noch in seinem Datenordner";
    return kFailed;
  }
  const Picture picture = WithEphemerisNote(Draw(*kind, call.chart, circle, longLines), call.chart.moment);
  const bool written =
      metafile ? WriteWmf(picture, out, &error) : ExportPicture(picture, out, *format, &error);
  if (!written) {
    err << error;
    return kFailed;
  }
  return kDone;
}

}  // namespace gyrolux::calc
