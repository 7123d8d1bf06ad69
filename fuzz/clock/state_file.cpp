// ALT.DAT as the clock reads it: at start-up (the place, drawn with the system's moment),
// by "&Alt-Datum/Zeit" (the whole moment, drawn with its lists), then one tick of the clock
// from there, and ALT.DAT written again at the close.
#include "clock/clock_controller.h"
#include "clock/state_file.h"
#include "fuzz/fuzz_support.h"
#include "platform/scripted_prompter.h"
#include "session/session.h"

using namespace gyrolux;
using namespace gyrolux::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Prepare();
  WriteFile(QString::fromLatin1(kStateFileName), Bytes(data, size));
  const std::optional<StoredMoment> stored = ReadStateFile();
  FuzzCheck(stored.has_value(), "ALT.DAT not read");
  for (const QString* text : {&stored->dateText, &stored->timeText, &stored->longitudeText, &stored->latitudeText})
    FuzzCheck(text->size() <= kStoredTextLength, "a stored text longer than 10 characters");

  ScriptedPrompter prompter;
  prompter.answerQuestion(false);
  Session session(prompter);
  session.now = [] { return QDateTime(QDate(2026, 12, 5), QTime(10, 29, 50)); };
  ClockController clock(session);
  clock.beginStartUp(stored);
  clock.finishStartUp();
  FuzzCheck(clock.lastMoment(), "ALT.DAT not taken by Alt-Datum/Zeit");
  clock.tick();
  clock.close();
  return 0;
}
