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
#include "pictures/mode_dial.h"
#include "pictures/radix_ring.h"
#include "radix/chart_library.h"
#include "radix/radix_settings.h"
#include "platform/picture_export.h"
#include "platform/bundled_images.h"
#include "platform/symbol_font.h"
#include "platform/wmf_writer.h"
#include "tools/calc_args.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

namespace {

enum class Kind { Dial, CalculatingDial, Axes, Wheel, Strip, Ephemeris };

struct KindName {
  const char* name;
  Kind kind;
};
constexpr std::array<KindName, 6> kKinds = {{{"dial", Kind::Dial},
                                             {"rscheibe", Kind::CalculatingDial},
                                             {"axes", Kind::Axes},
                                             {"wheel", Kind::Wheel},
                                             {"strip", Kind::Strip},
                                             {"ephemeris", Kind::Ephemeris}}};

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

struct DrawChoices {
  HouseCircle circle;
  bool longLines = false;
  DialDrawing dial;  // the mode (dial and axes) and the pointer (dial)
};

Picture Draw(Kind kind, const Chart& chart, const DrawChoices& choices, const ChartState* radix) {
  const HouseCircle& circle = choices.circle;
  const bool longLines = choices.longLines;
  // The program draws these with the symbol font installed.
  const QString place = PlaceLabel(chart.moment);
  switch (kind) {
    case Kind::Dial: return DrawDialInMode(chart, circle, true, place, radix, choices.dial);
    case Kind::CalculatingDial: return DrawCalculatingDial(chart, longLines, true, place);
    case Kind::Axes: return DrawAxisGraphic(chart, radix, choices.dial.mode);
    case Kind::Wheel: {
      Picture wheel = DrawDial(chart.state, true, ApplicationIconImage());
      if (radix) DrawRadixRing(wheel, *radix, true);
      return wheel;
    }
    case Kind::Strip: return DrawAxisStrip(chart, AxisStripOptions{}, radix);
    case Kind::Ephemeris: break;
  }
  return Picture(1, 1);
}

}  // namespace

bool ReadDrawRadix(const QCommandLineParser& parser, Ephemeris sky, std::optional<LoadedRadix>& radix, QString& error) {
  const bool db = parser.isSet(QStringLiteral("db"));
  if (!parser.isSet(QStringLiteral("radix"))) {
    if (db) error = QStringLiteral("--db gehört zu --radix");
    return !db;
  }
  const std::unique_ptr<ChartLibrary> library =
      ChartLibrary::Open(ChartLibraryPath(db ? parser.value(QStringLiteral("db")) : QString()), error);
  if (!library) return false;
  radix = LoadRadix(*library, parser.value(QStringLiteral("radix")), error);
  if (!radix || !TakeEphemeris(sky, radix->chart.moment, error)) return false;
  RecomputeChart(radix->chart);
  return true;
}

std::optional<DialMode> ReadDialMode(const QCommandLineParser& parser, QTextStream& err) {
  const QString text = parser.value(QStringLiteral("mode"));
  if (text == u"360") return kMode360;
  if (text == u"90") return kMode90;
  if (text == u"45") return kMode45;
  if (text == u"22.5" || text == u"22,5") return kMode22_5;
  err << QStringLiteral("ungültiger Wert '%1' für --mode (360, 90, 45 oder 22.5)").arg(text);
  return std::nullopt;
}

bool DrawingFileKnown(const QString& out, QTextStream& err) {
  if (QFileInfo(out).suffix().compare(QLatin1String("wmf"), Qt::CaseInsensitive) == 0 || ExportFormatOfFile(out)) {
    return true;
  }
  err << QStringLiteral("das Format von '%1' ist unbekannt (der Dateiname endet auf .wmf, .pdf, .svg oder .png)")
             .arg(out);
  return false;
}

bool WriteDrawing(const Picture& picture, const QString& out, QString* error) {
  if (const std::optional<ExportFormat> format = ExportFormatOfFile(out)) return ExportPicture(picture, out, *format, error);
  return WriteWmf(picture, out, error);
}

void DefineDrawVerb(QCommandLineParser& parser) {
  parser.addPositionalArgument(
      QStringLiteral("ART"),
      QStringLiteral("dial (die vergrößerte Scheibe), rscheibe (die Rechenscheibe), axes (die Achsengrafik "
                     "im 22,5-Grad-Modus), wheel (die Scheibe des Hauptfensters), strip (der Achsenstreifen des "
                     "Hauptfensters) oder ephemeris (die grafische Ephemeride eines Zeitraums, ohne Zeitpunkt)."));
  parser.addOptions({
      {QStringLiteral("out"),
       QStringLiteral("Die Datei, die geschrieben wird; ihre Endung wählt das Format: .wmf (die Metadatei "
                      "des Programms), .pdf, .svg oder .png."),
       QStringLiteral("DATEI")},
      {QStringLiteral("circle"), QStringLiteral("dial: der Häuserkreis, MC (Vorgabe), WI, SO, AS, MO oder KN."),
       QStringLiteral("MC|WI|SO|AS|MO|KN")},
      {QStringLiteral("rotation"), QStringLiteral("dial: der Häuserkreis um ganze Grad gedreht, -180 bis 180."),
       QStringLiteral("R")},
      {QStringLiteral("long-lines"),
       QStringLiteral("rscheibe: die Peillinien beginnen weiter innen (die Antwort Ja auf die Frage des Programms).")},
      {QStringLiteral("radix"),
       QStringLiteral("Die Radix NAME aus der Radix-Kartei, mit dem Diagramm gezeichnet."), QStringLiteral("NAME")},
      {QStringLiteral("db"), QStringLiteral("Mit --radix: die Datei der Radix-Kartei (Vorgabe: $GYROLUX_CHARTS, sonst "
                                            "$XDG_DATA_HOME/gyrolux/charts.sqlite)."),
       QStringLiteral("DATEI")},
      {QStringLiteral("from"), QStringLiteral("ephemeris: der erste Tag, TT.MM.JJJJ."), QStringLiteral("TT.MM.JJJJ")},
      {QStringLiteral("to"), QStringLiteral("ephemeris: der letzte Tag, TT.MM.JJJJ (höchstens 100 Jahre später)."),
       QStringLiteral("TT.MM.JJJJ")},
      {QStringLiteral("mode"),
       QStringLiteral("ephemeris, dial, axes: der Scheibenmodus, 360, 90, 45 oder 22.5 (ohne Angabe bei dial 360, "
                      "der Tierkreis; bei axes 22.5)."),
       QStringLiteral("360|90|45|22.5")},
      {QStringLiteral("pointer"), QStringLiteral("dial: der Zeiger bei GRAD Grad des Modus."), QStringLiteral("GRAD")},
      {QStringLiteral("factors"),
       QStringLiteral("ephemeris: die gezeichneten Faktoren, durch Kommas getrennt (Vorgabe SO,MO,KN,ME..PL und CU..PO)."),
       QStringLiteral("SO,MO,...")},
      {QStringLiteral("midpoints"), QStringLiteral("ephemeris: dazu die Halbsummen der Radix als Linien.")},
  });
}

int RunDrawVerb(VerbCall& call) {
  const QCommandLineParser& parser = call.parser;
  QTextStream& err = call.err;
  const QString kindText = parser.positionalArguments().value(0);
  const std::optional<Kind> kind = ReadKind(kindText);
  if (!kind) {
    err << QStringLiteral("unbekannte Art '%1' (dial, rscheibe, axes, wheel, strip oder ephemeris)").arg(kindText);
    return kRefused;
  }
  if (!parser.isSet(QStringLiteral("out"))) {
    err << MissingOptionText(QStringLiteral("out"));
    return kRefused;
  }
  const QString out = parser.value(QStringLiteral("out"));
  if (*kind == Kind::Ephemeris) return RunDrawEphemeris(call, out);
  for (const char* option : {"from", "to", "factors", "midpoints"}) {
    if (parser.isSet(QLatin1String(option))) {
      err << QStringLiteral("--%1 gehört zur Art ephemeris").arg(QLatin1String(option));
      return kRefused;
    }
  }
  if (!DrawingFileKnown(out, err)) return kRefused;
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
  DrawChoices choices;
  choices.circle = circle;
  choices.longLines = parser.isSet(QStringLiteral("long-lines"));
  if (choices.longLines && *kind != Kind::CalculatingDial) {
    err << "--long-lines gehört zur Art rscheibe";
    return kRefused;
  }
  if (parser.isSet(QStringLiteral("mode"))) {
    if (*kind != Kind::Dial && *kind != Kind::Axes) {
      err << "--mode gehört zu den Arten dial, axes und ephemeris";
      return kRefused;
    }
    const std::optional<DialMode> mode = ReadDialMode(parser, err);
    if (!mode) return kRefused;
    choices.dial.mode = *mode;
  } else if (*kind == Kind::Axes) {
    choices.dial.mode = kMode22_5;
  }
  if (parser.isSet(QStringLiteral("pointer"))) {
    const QString text = parser.value(QStringLiteral("pointer"));
    const std::optional<double> pointer = ParseNumber(text);
    if (*kind != Kind::Dial) {
      err << "--pointer gehört zur Art dial";
      return kRefused;
    }
    if (!pointer || *pointer < 0 || *pointer >= choices.dial.mode.Width()) {
      err << QStringLiteral("ungültiger Wert '%1' für --pointer (Grad des Modus, 0 bis unter %2)")
                 .arg(text, QString::number(choices.dial.mode.Width()));
      return kRefused;
    }
    choices.dial.pointer = *pointer;
  }

  std::optional<LoadedRadix> radix;
  if (!ReadDrawRadix(parser, call.ephemeris, radix, error)) {
    err << error;
    return kRefused;
  }

  const SymbolFontRegistration symbolFont;
  if (!symbolFont.registered()) {
    err << "die Symbolschrift " << kSymbolFontFileName
        << " liegt weder neben dem Programm noch in seinem Datenordner";
    return kFailed;
  }
  const Picture picture =
      WithEphemerisNote(Draw(*kind, call.chart, choices, radix ? &radix->chart.state : nullptr), call.chart.moment);
  if (!WriteDrawing(picture, out, &error)) {
    err << error;
    return kFailed;
  }
  return kDone;
}

}  // namespace gyrolux::calc
