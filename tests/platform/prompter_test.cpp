#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "platform/qt_prompter.h"
#include "platform/scripted_prompter.h"
#include "platform/translations.h"
#include "tests/test_support/modal_watchdog.h"

namespace gyrolux {
namespace {

QString Plain(QString caption) { return caption.remove(QLatin1Char('&')); }

// Runs check on the message box that opens next and then presses its button `press`.
void WhenTheBoxOpens(std::function<void(QMessageBox&)> check, QMessageBox::StandardButton press) {
  QTimer::singleShot(0, [check = std::move(check), press] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      ADD_FAILURE() << "no message box open";
      return;
    }
    check(*box);
    if (QAbstractButton* button = box->button(press)) button->click();
    else box->reject();
  });
}

TEST(QtPrompterTest, BoxesSpeakGermanAndShowCrAsLineBreaks) {
  // Qt's German comes from the copy compiled into the program, whatever is installed.
  ASSERT_TRUE(InstallGermanTranslations(*QCoreApplication::instance()));
  EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Drucken"));
  QtPrompter prompter;

  WhenTheBoxOpens([](QMessageBox& box) {
    EXPECT_EQ(Plain(box.button(QMessageBox::Yes)->text()), QStringLiteral("Ja"));
    EXPECT_EQ(Plain(box.button(QMessageBox::No)->text()), QStringLiteral("Nein"));
    EXPECT_EQ(box.text(), QStringLiteral("Soll bei jedem\nStellium gestoppt werden?"));
    EXPECT_EQ(box.icon(), QMessageBox::Question);
  }, QMessageBox::No);
  EXPECT_FALSE(prompter.question(QStringLiteral("Soll bei jedem\rStellium gestoppt werden?")));

  WhenTheBoxOpens([](QMessageBox&) {}, QMessageBox::Yes);
  EXPECT_TRUE(prompter.question(QStringLiteral("Ja?")));

  WhenTheBoxOpens([](QMessageBox& box) {
    EXPECT_EQ(Plain(box.button(QMessageBox::Ok)->text()), QStringLiteral("OK"));
    EXPECT_EQ(box.buttons().size(), 1);
    EXPECT_EQ(box.icon(), QMessageBox::Critical);
  }, QMessageBox::Ok);
  prompter.error(QStringLiteral("Die Datei ALT.DAT kann nicht geschrieben werden."));

  WhenTheBoxOpens([](QMessageBox& box) { EXPECT_EQ(box.icon(), QMessageBox::Information); }, QMessageBox::Ok);
  prompter.information(QStringLiteral("a\r\rb"));
}

TEST(QtPrompterTest, ThePrintDialogTellsWhetherToPrint) {
  ASSERT_TRUE(InstallGermanTranslations(*QCoreApplication::instance()));
  QtPrompter prompter;
  QPrinter printer;
  for (const bool accept : {false, true}) {
    QTimer::singleShot(0, [accept] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) {
        ADD_FAILURE() << "no print dialog open";
        return;
      }
      EXPECT_TRUE(dialog->inherits("QPrintDialog"));
      if (accept) dialog->accept();
      else dialog->reject();
    });
    EXPECT_EQ(prompter.choosePrinter(printer), accept);
  }
}

// The queue and the record of shown boxes serve every window test; here what happens
// when a box comes that no answer was queued for.
TEST(ScriptedPrompterTest, ReportsWhatIsUnscripted) {
  ScriptedPrompter prompter;
  QStringList reported;
  prompter.onUnscripted([&](const QString& description) { reported << description; });
  QPrinter printer;
  EXPECT_FALSE(prompter.choosePrinter(printer));
  EXPECT_EQ(reported.size(), 1);
}

TEST(ScriptedPrompterDeathTest, ByDefaultAnUnscriptedQuestionEndsTheTestProgram) {
  ScriptedPrompter prompter;
  EXPECT_DEATH(prompter.question(QStringLiteral("niemand antwortet")), "unscripted question");
}

void ExecDialogThatNobodyAnswers() {
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("   Datum / Zeit / Ort "));
  dialog.exec();
}

TEST(ModalWatchdogTest, AnUnansweredModalWindowFailsTheTestByItsTitleAndIsClosed) {
  testing::TheModalWatchdog().setLimit(300);
  EXPECT_NONFATAL_FAILURE(ExecDialogThatNobodyAnswers(), "\"Datum / Zeit / Ort\"");
  testing::TheModalWatchdog().setLimit(10000);
}

}  // namespace
}  // namespace gyrolux
