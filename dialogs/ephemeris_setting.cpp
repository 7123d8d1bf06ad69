#include "dialogs/ephemeris_setting.h"

#include "ephemeris/ephemeris_choice.h"
#include "ephemeris/swiss_sky.h"
#include "session/session.h"

namespace gyrolux {

Ephemeris SessionEphemeris(const Session& session) { return session.chart.moment.ephemeris; }

QString ChooseEphemeris(Session& session, Ephemeris ephemeris) {
  if (ephemeris == Ephemeris::Swiss) {
    const QString refused = SwissRangeMessage(session.chart.moment.year);
    if (!refused.isEmpty()) return refused;
  }
  session.chart.moment.ephemeris = ephemeris;
  RecomputeChart(session.chart);
  SaveEphemerisChoice(ephemeris);
  return {};
}

void TakeEphemerisFromSettings(Session& session) { session.chart.moment.ephemeris = LoadEphemerisChoice(); }

QString EphemerisIndicator(const Session& session) {
  const ChartMoment& moment = session.chart.moment;
  if (moment.ephemeris == Ephemeris::Swiss && !SwissCoversMoment(moment)) {
    return QStringLiteral("Ephemeride: Modell (Swiss Ephemeris nur %1 bis %2)").arg(kSwissFirstYear).arg(kSwissLastYear);
  }
  return EphemerisNote(moment.ephemeris);
}

}  // namespace gyrolux
