#include "clock/start_up.h"

#include "clock/clock_controller.h"
#include "clock/start_up_texts.h"
#include "dialogs/places_file.h"
#include "platform/prompter.h"
#include "platform/symbol_font.h"
#include "platform/text_file.h"
#include "session/session.h"

namespace gyrolux {

StartUpEnvironment MachineStartUpEnvironment() {
  return {ReadStateFile(), SymbolFontPresent(), PlacesFileCandidates()};
}

bool TitlePictureWanted() {
  return !FindFileIgnoringCase(QString(), QLatin1String(kTitleFlagLookupName)).has_value();
}

void RunStartUp(ClockController& controller, const StartUpEnvironment& environment) {
  Session& session = controller.session();
  controller.beginStartUp(environment.stored);

  session.flags.symbolFontPresent = environment.symbolFontPresent;
  if (!session.flags.symbolFontPresent) session.prompter.information(SymbolFontMissingMessage());

  std::optional<PlacesTable> places = LoadPlacesTable(environment.placesCandidates, session.prompter);
  session.flags.placesFilePresent = places.has_value();
  session.places = places ? std::move(*places) : PlacesTable{};

  session.flags.stopAtStellium = session.prompter.question(StelliumQuestion());
  controller.finishStartUp();
}

}  // namespace gyrolux
