#include "evaluation/diagram_files.h"

#include <QSettings>

#include "evaluation/numbered_files.h"
#include "pictures/axis_graphic.h"
#include "platform/clipboard.h"
#include "platform/prompter.h"
#include "platform/wmf_writer.h"

namespace gyrolux {

namespace {

const QString kSavedAs = QStringLiteral("Das Diagramm wurde als Windows-Metafile gespeichert in  ");

std::optional<Picture> Publish(Picture picture, const QString& fileName, Prompter& prompter) {
  CopyPictureToClipboard(picture);
  QString error;
  if (!WriteWmf(picture, fileName, &error)) {
    prompter.error(error);
    return std::nullopt;
  }
  return picture;
}

}  // namespace

const ChartState* ShownRadix(const Session& session) {
  return session.radix && !session.radixHidden ? &session.radix->chart.state : nullptr;
}

namespace {

CivilDate ChartDate(const Chart& chart) { return {chart.moment.day, chart.moment.month, chart.moment.year}; }

}  // namespace

EnlargedDialDrawing RedrawEnlargedDial(Session& session, const HouseCircle& circle, const DialDrawing& drawing) {
  EnlargedDialDrawing drawn{
      DrawDialInMode(session.chart, circle, session.flags.symbolFontPresent, session.placeLabel,
                     ShownRadix(session), drawing),
      QString()};
  CopyPictureToClipboard(drawn.picture);
  WriteWmf(drawn.picture, QLatin1String(kEnlargedDialFileName), &drawn.writeError);
  return drawn;
}

DialMode RememberedDialMode(const QString& key, DialMode fallback) {
  const QString text = QSettings(QStringLiteral("gyrolux"), QStringLiteral("gyrolux"))
                           .value(key + QStringLiteral("/mode"))
                           .toString();
  for (DialMode mode : {kMode360, kMode90, kMode45, kMode22_5}) {
    if (text == QString::number(mode.Width())) return mode;
  }
  return fallback;
}

void RememberDialMode(const QString& key, DialMode mode) {
  QSettings(QStringLiteral("gyrolux"), QStringLiteral("gyrolux")).setValue(key + QStringLiteral("/mode"), QString::number(mode.Width()));
}

std::optional<Picture> RedrawAxisGraphic(Session& session, DialMode mode) {
  return Publish(DrawAxisGraphic(session.chart, ShownRadix(session), mode), QLatin1String(kAxisGraphicFileName), session.prompter);
}

QString ExportBaseName(const QString& prefix, const Chart& chart) {
  // The axis graphic's file name without its number: "20261205_001.WMF" less "_001.WMF".
  const QString numbered = NumberedFileName(NumberedFileKind::AxisGraphic, 1, ChartDate(chart));
  return prefix + numbered.left(numbered.indexOf(u'_'));
}

QString DiagramSavedMessage(const QString& fileName) {
  return kSavedAs + fileName + QStringLiteral("  im aktuellen Verzeichnis.");
}

QString AxisGraphicSavedMessage(const QString& fileName) {
  return kSavedAs + u'\r' + fileName + QStringLiteral("  ") + QStringLiteral("  im aktuellen Verzeichnis.");
}

bool SaveDiagram(const Picture& picture, Session& session) {
  int& counter = NumberedFileCounter(session.counters, NumberedFileKind::Diagram);
  const int number = FirstFreeNumber(NumberedFileKind::Diagram, counter);
  const QString name = NumberedFileName(NumberedFileKind::Diagram, number);
  QString error;
  if (!WriteWmf(picture, name, &error)) {
    session.prompter.error(error);
    return false;
  }
  session.prompter.information(DiagramSavedMessage(name));
  counter = number + 1;
  return true;
}

bool AxisGraphicSaves::save(const Picture& picture, Session& session) {
  const CivilDate date = ChartDate(session.chart);
  const int number = number_ ? *number_
                             : FirstFreeNumber(NumberedFileKind::AxisGraphic,
                                               NumberedFileCounter(session.counters, NumberedFileKind::AxisGraphic),
                                               QString(), date);
  const QString name = NumberedFileName(NumberedFileKind::AxisGraphic, number, date);
  QString error;
  if (!WriteWmf(picture, name, &error)) {
    session.prompter.error(error);
    return false;
  }
  number_ = number;
  session.prompter.information(AxisGraphicSavedMessage(name));
  return true;
}

void AxisGraphicSaves::close(FileCounters& counters) {
  if (number_) NumberedFileCounter(counters, NumberedFileKind::AxisGraphic) = *number_ + 1;
  number_.reset();
}

}  // namespace gyrolux
