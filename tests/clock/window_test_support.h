#pragma once

#include <functional>
#include <memory>

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "clock/interval_dialog.h"
#include "clock/main_window.h"
#include "clock/session.h"
#include "platform/scripted_prompter.h"

namespace gyrolux::testing {

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// The texts of the boxes of one kind shown so far.
inline QStringList ShownTexts(const ScriptedPrompter& prompter, ScriptedPrompter::Kind kind) {
  QStringList texts;
  for (const ScriptedPrompter::Shown& box : prompter.shown()) {
    if (box.kind == kind) texts << box.text;
  }
  return texts;
}

inline QDateTime Moment(int day, int month, int year, int h, int m, int s) {
  return QDateTime(QDate(year, month, day), QTime(h, m, s));
}

// The main window of one run, started up as the program starts it: the system clock
// replaced by `now`, the stellium question answered, the title picture switched off by
// its flag file unless asked for.
struct StartedClock {
  explicit StartedClock(const QDateTime& now, bool stopAtStellium = false,
                        bool titleSwitchedOff = true) {
    if (titleSwitchedOff) WriteBytes(QStringLiteral("Titel.DAT"), "0\r\n");
    session.now = [this] { return this->now; };
    this->now = now;
    prompter.answerQuestion(stopAtStellium);
    window = std::make_unique<MainWindow>(session);
    window->show();
    window->startUp();
  }

  void click(MainButton which) { QTest::mouseClick(window->button(which), Qt::LeftButton); }
  // Clicks "&Intervall" and acts in the dialog while it is open.
  void withIntervalDialog(const std::function<void(IntervalDialog&)>& act) {
    QTimer::singleShot(0, window.get(), [this, act] {
      IntervalDialog& dialog = window->intervalDialog();
      act(dialog);
      if (dialog.isVisible()) dialog.reject();
    });
    click(MainButton::Interval);
  }
  QString dateLabel() const { return window->dateLabel()->text(); }
  QString timeLabel() const { return window->timeLabel()->text(); }
  bool running() const { return window->timer().isActive(); }

  QDateTime now;
  ScriptedPrompter prompter;
  Session session{prompter};
  std::unique_ptr<MainWindow> window;
};

}  // namespace gyrolux::testing
