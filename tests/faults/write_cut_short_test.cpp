// Every file the program writes survives a write cut short (the disk full, as a file-size
// limit makes it): what was on disk before stays as it was, no half-written file is left
// beside it, and the program shows an error that names the file.
//
// One row per file kind. A row starts the program (or the window that writes the file),
// brings it to the moment before the write and returns the action that writes.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include <QDir>
#include <QRadioButton>

#include "clock/title_window.h"
#include "tests/clock/window_test_support.h"
#include "tests/test_support/file_size_limit.h"

namespace gyrolux {
namespace {

using testing::Moment;
using testing::ReadBytes;
using testing::ShownTexts;
using testing::StartedClock;
using testing::WriteBytes;

// What a row starts: the main window of a run or a window of its own, and the prompter
// that shows the program's boxes.
struct ProgramRun {
  std::unique_ptr<StartedClock> clock;
  ScriptedPrompter ownPrompter;
  std::unique_ptr<QWidget> window;
  ScriptedPrompter& prompter() { return clock ? clock->prompter : ownPrompter; }

  StartedClock& startClock(const QDateTime& now) {
    clock = std::make_unique<StartedClock>(now);
    return *clock;
  }
};

struct CutShortCase {
  const char* name;
  QString file;
  std::optional<QByteArray> earlier;  // the file as an earlier run left it (nothing: none)
  bool log;  // a log that the program keeps open: the cut falls inside its next line
  std::function<std::function<void()>(ProgramRun&)> prepare;
};

// Names the row in the test's name.
void PrintTo(const CutShortCase& row, std::ostream* out) { *out << row.name; }

const QDateTime kMoment = Moment(5, 12, 2026, 10, 29, 50);

const CutShortCase kCases[] = {
    {"StateFileAtClose", QStringLiteral("ALT.DAT"),
     QByteArray("01.01.2000\r\n12:00:00\r\n+013\xB0" "24'\r\n+52\xB0" "31'\r\n"), false,
     [](ProgramRun& run) -> std::function<void()> {
       StartedClock& clock = run.startClock(kMoment);
       return [&clock] { clock.window->close(); };
     }},
    {"StelliumLogNextLine", QStringLiteral("STELLIA.TXT"), std::nullopt, true,
     [](ProgramRun& run) -> std::function<void()> {
       // A stellium (SO=ME=SA=PL) at the first drawing starts the log; the next tick
       // logs it again.
       StartedClock& clock = run.startClock(Moment(12, 1, 2020, 12, 0, 0));
       return [&clock] { clock.window->tick(); };
     }},
    {"TitleFlagFile", QStringLiteral("Titel.dat"), std::nullopt, false,
     [](ProgramRun& run) -> std::function<void()> {
       auto title = std::make_unique<TitleWindow>(run.ownPrompter);
       auto* neverAgain = title->findChild<QRadioButton*>(QStringLiteral("neverAgainButton"));
       run.window = std::move(title);
       return [neverAgain] { neverAgain->click(); };
     }},
    {"AxisStripMetafile", QStringLiteral("dia.wmf"), std::nullopt, false,
     [](ProgramRun& run) -> std::function<void()> {
       // The linear graphic writes dia.wmf with every drawing; the first one is the
       // earlier file of the next tick.
       StartedClock& clock = run.startClock(kMoment);
       clock.checkBox("linearGraphicBox")->setChecked(true);
       return [&clock] { clock.window->tick(); };
     }},
    // After the merge of the evaluation and diagram windows, rows for: the saved lists
    // (FAKT-, CODE-, HALB-, MCTE-, Grad-, ACHS-NN.TXT), MCPic-NN.WMF, the axis graphic's
    // yyyymmdd_NNN.WMF and its dia.wmf, img.wmf of the enlarged dial, and the PDF, SVG and
    // PNG exports.
};

class WriteCutShort : public ::testing::TestWithParam<CutShortCase> {};

QStringList FilesHere() { return QDir().entryList(QDir::Files | QDir::Hidden, QDir::Name); }

TEST_P(WriteCutShort, LeavesTheEarlierFileAndShowsAnError) {
  const CutShortCase& row = GetParam();
  if (row.earlier) WriteBytes(row.file, *row.earlier);
  ProgramRun run;
  const std::function<void()> write = row.prepare(run);
  // What is on disk just before the write: the earlier file, or what the program has
  // written so far.
  const bool existed = QFile::exists(row.file);
  const QByteArray before = ReadBytes(row.file);
  const QStringList filesBefore = FilesHere();
  const qsizetype errorsBefore = ShownTexts(run.prompter(), ScriptedPrompter::Kind::Error).size();
  {
    // A log's next line is cut in its middle; any other file is written anew, so two
    // bytes are all it gets.
    const testing::FileSizeLimit diskFull(row.log ? static_cast<rlim_t>(before.size()) + 2 : 2);
    write();
  }
  EXPECT_EQ(QFile::exists(row.file), existed);
  EXPECT_EQ(ReadBytes(row.file), before);
  EXPECT_EQ(FilesHere(), filesBefore);  // nothing half written beside it
  const QStringList errors = ShownTexts(run.prompter(), ScriptedPrompter::Kind::Error).mid(errorsBefore);
  ASSERT_EQ(errors.size(), 1) << errors.join(u'|').toStdString();
  EXPECT_TRUE(errors[0].contains(row.file)) << errors[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryFileKind, WriteCutShort, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CutShortCase>& info) { return info.param.name; });

}  // namespace
}  // namespace gyrolux
