#include "clock/diagramm.h"

#include "clock/axis_lists.h"
#include "clock/axis_strip.h"
#include "clock/clock_controller.h"
#include "clock/dial_picture.h"
#include "clock/session.h"
#include "clock/stellium.h"
#include "clock/stellium_log.h"
#include "platform/colors.h"
#include "platform/prompter.h"

namespace gyrolux {

namespace {

// False when STELLIA.TXT could not be written (the error is shown).
bool DetectStellium(ClockController& controller) {
  Session& session = controller.session();
  const std::optional<Stellium> stellium = FindStellium(session.chart.state.factorLongitude);
  if (!stellium) return true;
  if (session.flags.stopAtStellium) controller.stelliumStop(StelliumMemberNames(*stellium));
  const QString line =
      StelliumLogLine(*stellium, session.chart.texts.dateText, session.chart.moment.hours);
  QString error;
  if (!RecordStellium(session.stelliumFile, line, error)) {
    session.prompter.error(QStringLiteral("Die Datei STELLIA.TXT kann nicht geschrieben werden.\r") +
                           error);
    return false;
  }
  return true;
}

}  // namespace

DiagrammResult Diagramm(ClockController& controller, const QImage& icon) {
  Session& session = controller.session();
  MainWindowState& state = controller.state();
  DiagrammResult result;
  RecomputeChart(session.chart);
  if (session.flags.dialShown) {
    if (state.linearGraphic) {
      state.optionBoxesVisible = true;
      state.statusPos = {392, 440};
      state.background = clGreen;
      result.picture = DrawAxisStrip(session.chart, state.stripOptions);
      result.isAxisStrip = true;
    } else {
      state.optionBoxesVisible = false;
      state.statusPos = {392, 6};
      if (!DetectStellium(controller)) {
        result.abandoned = true;
        return result;
      }
      state.background = clNavy;
      result.picture = DrawDial(session.chart.state, session.flags.symbolFontPresent, icon);
    }
  }
  result.lists = MainAxisLists(session.chart.state.factorLongitude, session.pictureOrb);
  return result;
}

}  // namespace gyrolux
