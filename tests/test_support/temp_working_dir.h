#pragma once

#include <gtest/gtest.h>

#include <QString>

namespace gyrolux::testing {

// Puts every test case into a fresh temporary working directory and removes it
// afterwards, so that files such as ALT.DAT or STELLIA.TXT never leak between cases.
class TempWorkingDirListener : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo& info) override;
  void OnTestEnd(const ::testing::TestInfo& info) override;

 private:
  QString previousDir_;
  QString tempDir_;
};

// The folder that holds the project's sources (for test data kept in the tree).
QString SourceDir();

}  // namespace gyrolux::testing
