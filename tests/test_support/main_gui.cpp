// Test entry for tests that paint, print or open windows (offscreen platform).
#include <QApplication>
#include <QStandardPaths>

#include "tests/test_support/modal_watchdog.h"
#include "tests/test_support/private_environment.h"
#include "tests/test_support/temp_working_dir.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const gyrolux::testing::PrivateEnvironment environment;
  QApplication app(argc, argv);
  // The program's settings (the chosen sky) of a test run are its own, never the user's.
  QStandardPaths::setTestModeEnabled(true);
  ::testing::UnitTest::GetInstance()->listeners().Append(new gyrolux::testing::TempWorkingDirListener);
  gyrolux::testing::TheModalWatchdog();
  return RUN_ALL_TESTS();
}
