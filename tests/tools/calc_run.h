#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTextStream>

#include "platform/translations.h"
#include "tools/gyrolux_calc.h"

namespace gyrolux::testing {

// gyrolux-calc run in the test program: its exit status and its streams caught in strings.
struct CalcRun {
  int status;
  QString out, err;
};

inline CalcRun Calc(const QStringList& arguments) {
  // As the program's entry does: Qt's German for the frame of the help.
  static const bool german = InstallGermanTranslations(*QCoreApplication::instance());
  EXPECT_TRUE(german);
  CalcRun run;
  QTextStream out(&run.out), err(&run.err);
  run.status = calc::RunCalc(QStringList{QStringLiteral("gyrolux-calc")} + arguments, out, err);
  out.flush();
  err.flush();
  return run;
}

}  // namespace gyrolux::testing
