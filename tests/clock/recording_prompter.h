#pragma once

#include <deque>

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "platform/prompter.h"

namespace gyrolux::testing {

// Answers the questions of a test from a script and records every box that was shown
// ("information: ...", "error: ...", "question: ..."). A question without a scripted
// answer fails the test and is answered No.
class RecordingPrompter : public Prompter {
 public:
  void answer(bool yes) { answers_.push_back(yes); }

  void information(const QString& text) override { shown << QStringLiteral("information: ") + text; }
  void error(const QString& text) override { shown << QStringLiteral("error: ") + text; }
  bool question(const QString& text) override {
    shown << QStringLiteral("question: ") + text;
    if (answers_.empty()) {
      ADD_FAILURE() << "unscripted question: " << text.toStdString();
      return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
  }
  bool choosePrinter(QPrinter&) override {
    ADD_FAILURE() << "unscripted print dialog";
    return false;
  }

  // The boxes of one kind ("error", ...).
  QStringList shownOf(const QString& kind) const {
    QStringList result;
    for (const QString& box : shown) {
      if (box.startsWith(kind + QStringLiteral(": "))) result << box.mid(kind.size() + 2);
    }
    return result;
  }

  QStringList shown;

 private:
  std::deque<bool> answers_;
};

}  // namespace gyrolux::testing
