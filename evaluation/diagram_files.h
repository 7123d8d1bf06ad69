#pragma once

#include <optional>

#include <QString>

#include "pictures/enlarged_dial.h"
#include "pictures/mode_dial.h"
#include "platform/picture.h"
#include "session/session.h"

namespace gyrolux {

// The radix the diagrams show: the loaded one unless it is hidden.
const ChartState* ShownRadix(const Session& session);

// One drawing of the enlarged dial for the session's chart: the picture, put on the
// clipboard and written to "img.wmf", and why "img.wmf" could not be written (empty when
// it was). The caller decides when to show that error, so that a run of drawings reports
// it once.
struct EnlargedDialDrawing {
  Picture picture;
  QString writeError;
};
// In a dial mode other than 360 degrees, and with the pointer, as drawing says.
EnlargedDialDrawing RedrawEnlargedDial(Session& session, const HouseCircle& circle, const DialDrawing& drawing = {});

// The dial mode a window showed last, as the program's settings remember it under key
// ("enlargedDial", "axisGraphic"); fallback when none is remembered.
DialMode RememberedDialMode(const QString& key, DialMode fallback);
void RememberDialMode(const QString& key, DialMode mode);

// One drawing of the axis graphic: the picture, on the clipboard and in "dia.wmf".
std::optional<Picture> RedrawAxisGraphic(Session& session, DialMode mode = kMode22_5);

// "Das Diagramm wurde als Windows-Metafile gespeichert in  " and the name, as the
// enlarged dial's and the axis graphic's saves report it.
QString DiagramSavedMessage(const QString& fileName);
QString AxisGraphicSavedMessage(const QString& fileName);

// The name offered for an export of a diagram of the chart: prefix and the chart date,
// "Diagramm_20261205".
QString ExportBaseName(const QString& prefix, const Chart& chart);

// "&Speichern" of the enlarged dial: the picture as the first MCPic-nn.WMF from the
// counter on that is not taken yet, the message, the counter on past the number used.
// False when the file cannot be written (the error is shown, the counter stays).
bool SaveDiagram(const Picture& picture, Session& session);

// The saves of one showing of the axis graphic: the first takes the first free
// yyyymmdd_nnn.WMF from the counter on, the later ones write that name again; the
// counter moves on past it when the window closes.
class AxisGraphicSaves {
 public:
  // False when the file cannot be written (the error is shown).
  bool save(const Picture& picture, Session& session);
  // The window closes: the counter moves on when something was saved, and the next
  // showing starts afresh.
  void close(FileCounters& counters);
  bool savedThisShowing() const { return number_.has_value(); }

 private:
  std::optional<int> number_;
};

}  // namespace gyrolux
