// Every file the program writes survives a write cut short (the disk full, as a file-size
// limit makes it): what was on disk before stays as it was, no half-written file is left
// beside it, and the program shows an error that names the file.
//
// One row per file kind. A row starts the program (or the window that writes the file),
// brings it to the moment before the write and runs the write through `cut`, which
// takes the disk's room away for just that write and checks what it left.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include <QDir>
#include <QAction>
#include <QRadioButton>
#include <QScrollBar>

#include "clock/title_window.h"
#include "tests/test_support/file_size_limit.h"
#include "tests/clock/started_clock.h"

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

const QDateTime kMoment = Moment(5, 12, 2026, 10, 29, 50);

// Runs the write with the disk full.
using Cut = std::function<void(const std::function<void()>& write)>;

struct CutShortCase {
  const char* name;
  QString file;
  std::optional<QByteArray> earlier;  // the file as an earlier run left it (nothing: none)
  bool log;  // a log that the program keeps open: the cut falls inside its next line
  std::function<void(ProgramRun&, const Cut&)> run;
};

// A halted main window with the symbol font, whose command opens the window of that
// name; inside it act runs, then the window is closed.
void InWindow(ProgramRun& run, MainButton command, const char* window, std::function<void(QDialog&)> act) {
  StartedClock& clock = run.startClock(kMoment);
  clock.click(MainButton::Halt);
  testing::WhileOpen(window, std::move(act));
  clock.click(command);
}

QPushButton* ButtonIn(QDialog& window, const char* name) {
  return testing::Child<QPushButton>(&window, QString::fromLatin1(name));
}

// The enlarged dial's picture exported through its context menu.
void Export(ProgramRun& run, const Cut& cut, const char* action, const char* file) {
  InWindow(run, MainButton::Enlarge, "enlargedDialWindow", [&run, &cut, action, file](QDialog& window) {
    auto* view = testing::Child<QWidget>(&window, QStringLiteral("enlargedDialView"));
    run.prompter().answerSaveFile(QString::fromLatin1(file));
    cut([&] { testing::Child<QAction>(view, QString::fromLatin1(action))->trigger(); });
  });
}

// Names the row in the test's name.
void PrintTo(const CutShortCase& row, std::ostream* out) { *out << row.name; }


const CutShortCase kCases[] = {
    {"StateFileAtClose", QStringLiteral("ALT.DAT"),
     QByteArray("01.01.2000\r\n12:00:00\r\n+013\xB0" "24'\r\n+52\xB0" "31'\r\n"), false,
     [](ProgramRun& run, const Cut& cut) {
       StartedClock& clock = run.startClock(kMoment);
       cut([&] { clock.window->close(); });
     }},
    {"StelliumLogNextLine", QStringLiteral("STELLIA.TXT"), std::nullopt, true,
     [](ProgramRun& run, const Cut& cut) {
       // A stellium (SO=ME=SA=PL) at the first drawing starts the log; the next tick
       // logs it again.
       StartedClock& clock = run.startClock(Moment(12, 1, 2020, 12, 0, 0));
       cut([&] { clock.window->tick(); });
     }},
    {"TitleFlagFile", QStringLiteral("Titel.dat"), std::nullopt, false,
     [](ProgramRun& run, const Cut& cut) {
       auto title = std::make_unique<TitleWindow>(run.ownPrompter);
       auto* neverAgain = title->findChild<QRadioButton*>(QStringLiteral("neverAgainButton"));
       run.window = std::move(title);
       cut([&] { neverAgain->click(); });
     }},
    {"AxisStripMetafile", QStringLiteral("dia.wmf"), std::nullopt, false,
     [](ProgramRun& run, const Cut& cut) {
       // The linear graphic writes dia.wmf with every drawing; the first one is the
       // earlier file of the next tick.
       StartedClock& clock = run.startClock(kMoment);
       clock.checkBox("linearGraphicBox")->setChecked(true);
       cut([&] { clock.window->tick(); });
     }},
    {"SavedList", QStringLiteral("FAKT-01.TXT"), std::nullopt, false,
     [](ProgramRun& run, const Cut& cut) {
       InWindow(run, MainButton::Evaluate, "evaluationWindow", [&cut](QDialog& window) {
         ButtonIn(window, "factorsButton")->click();
         cut([&] { ButtonIn(window, "saveButton")->click(); });
       });
     }},
    {"SavedDial", QStringLiteral("MCPic-01.WMF"), std::nullopt, false,
     [](ProgramRun& run, const Cut& cut) {
       InWindow(run, MainButton::Enlarge, "enlargedDialWindow",
                [&cut](QDialog& window) { cut([&] { ButtonIn(window, "saveButton")->click(); }); });
     }},
    {"EnlargedDialRedraw", QStringLiteral("img.wmf"), std::nullopt, false,
     [](ProgramRun& run, const Cut& cut) {
       // The dial is drawn (and img.wmf written) as the window opens; a step of the
       // scroll bar draws it again.
       InWindow(run, MainButton::Enlarge, "enlargedDialWindow", [&cut](QDialog& window) {
         auto* bar = testing::Child<QScrollBar>(&window, QStringLiteral("rotationScrollBar"));
         cut([&] { bar->setValue(bar->value() + 1); });
       });
     }},
    {"SavedAxisGraphic", QStringLiteral("20261205_001.WMF"), std::nullopt, false,
     [](ProgramRun& run, const Cut& cut) {
       InWindow(run, MainButton::Enlarge, "enlargedDialWindow", [&cut](QDialog& enlarged) {
         testing::WhileOpen("axisGraphicWindow", [&cut](QDialog& window) {
           cut([&] { ButtonIn(window, "saveButton")->click(); });
         });
         ButtonIn(enlarged, "axisGraphicButton")->click();
       });
     }},
    // The exports make their bytes in memory and write them in one place: one format stands for all.
    {"ExportPdf", QStringLiteral("dial.pdf"), QByteArray("%PDF an earlier export"), false,
     [](ProgramRun& run, const Cut& cut) { Export(run, cut, "exportPdfAction", "dial.pdf"); }},
};

class WriteCutShort : public ::testing::TestWithParam<CutShortCase> {};

QStringList FilesHere() { return QDir().entryList(QDir::Files | QDir::Hidden, QDir::Name); }

TEST_P(WriteCutShort, LeavesTheEarlierFileAndShowsAnError) {
  const CutShortCase& row = GetParam();
  if (row.earlier) WriteBytes(row.file, *row.earlier);
  ProgramRun run;
  int cuts = 0;
  const Cut cut = [&](const std::function<void()>& write) {
    ++cuts;
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
  };
  row.run(run, cut);
  EXPECT_EQ(cuts, 1);
}

INSTANTIATE_TEST_SUITE_P(EveryFileKind, WriteCutShort, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CutShortCase>& info) { return info.param.name; });

}  // namespace
}  // namespace gyrolux
