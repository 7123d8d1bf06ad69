// Test entry for tests without windows.
#include <QCoreApplication>

#include "tests/test_support/private_environment.h"
#include "tests/test_support/temp_working_dir.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const gyrolux::testing::PrivateEnvironment environment;
  QCoreApplication app(argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new gyrolux::testing::TempWorkingDirListener);
  return RUN_ALL_TESTS();
}
