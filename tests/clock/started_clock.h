#pragma once

#include <memory>

#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "clock/main_window.h"
#include "platform/window_kit.h"
#include "session/session.h"
#include "tests/test_support/files.h"
#include "tests/test_support/widgets.h"

namespace gyrolux::testing {

inline QDateTime Moment(int day, int month, int year, int h, int m, int s) {
  return QDateTime(QDate(year, month, day), QTime(h, m, s), Qt::UTC);
}

// The main window of one run, started up as the program starts it: the system clock
// replaced by `now`, the stellium question answered, the title picture switched off by
// its flag file unless asked for.
template <typename Prompter = ScriptedPrompter>
struct BasicStartedClock {
  explicit BasicStartedClock(const QDateTime& now, bool stopAtStellium = false, bool titleSwitchedOff = true) {
    if (titleSwitchedOff) WriteBytes(QStringLiteral("Titel.DAT"), "0\r\n");
    session.now = [this] { return this->now; };
    this->now = now;
    prompter.answerQuestion(stopAtStellium);
    window = std::make_unique<MainWindow>(session);
    window->show();
    window->startUp();
  }

  template <typename T = QWidget>
  T* widget(const char* name) const { return Child<T>(window.get(), name); }
  QPushButton* button(MainButton which) const { return Child<QPushButton>(window.get(), MainButtonObjectName(which)); }
  QLabel* label(const char* name) const { return widget<QLabel>(name); }
  QString text(const char* labelName) const { return label(labelName)->text(); }
  QString dateLabel() const { return text("dateLabel"); }
  QString timeLabel() const { return text("timeLabel"); }
  QScrollBar* tempoBar() const { return widget<QScrollBar>("tempoScrollBar"); }
  QCheckBox* checkBox(const char* name) const { return widget<QCheckBox>(name); }
  DialView& dial() const { return *widget<DialView>("dialView"); }
  QTimer& timer() const { return *widget<QTimer>("clockTimer"); }
  bool running() const { return timer().isActive(); }

  void click(MainButton which) { QTest::mouseClick(button(which), Qt::LeftButton); }
  // Clicks a command whose window closes by ESC from where its focus starts, and presses
  // ESC there once the window is open.
  void clickAndEscape(MainButton which) {
    QTimer::singleShot(0, window.get(), [] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Escape);
    });
    click(which);
  }
  // Clicks the command and acts in the window of that name while it is open; whether it was.
  bool clickWhileOpen(MainButton which, const char* name, std::function<void(QDialog&)> act) {
    const auto opened = WhileOpen(name, std::move(act));
    click(which);
    return *opened;
  }

  QDateTime now;
  Prompter prompter;
  Session session{prompter};
  std::unique_ptr<MainWindow> window;
};
using StartedClock = BasicStartedClock<>;

}  // namespace gyrolux::testing
