#include "tests/test_support/temp_working_dir.h"

#include <QDir>
#include <QTemporaryDir>

namespace gyrolux::testing {

void TempWorkingDirListener::OnTestStart(const ::testing::TestInfo&) {
  previousDir_ = QDir::currentPath();
  QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/gyrolux-test-XXXXXX"));
  dir.setAutoRemove(false);
  tempDir_ = dir.path();
  QDir::setCurrent(tempDir_);
}

void TempWorkingDirListener::OnTestEnd(const ::testing::TestInfo&) {
  QDir::setCurrent(previousDir_);
  if (!tempDir_.isEmpty()) QDir(tempDir_).removeRecursively();
  tempDir_.clear();
}

QString SourceDir() { return QStringLiteral(GYROLUX_SOURCE_DIR); }

}  // namespace gyrolux::testing
