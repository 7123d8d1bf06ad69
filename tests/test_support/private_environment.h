#pragma once

#include <QTemporaryDir>

namespace gyrolux::testing {

// Gives the test program a home and data, settings and cache folders of its own, and the
// font configuration of the tests (tests/test_fonts.conf: the machine's fonts without the
// symbol font), so that nothing the user or an installed Gyrolux left on the machine
// changes a result. Made in main() before the application object; the folders go at exit.
class PrivateEnvironment {
 public:
  PrivateEnvironment();
  PrivateEnvironment(const PrivateEnvironment&) = delete;
  PrivateEnvironment& operator=(const PrivateEnvironment&) = delete;

 private:
  QTemporaryDir root_;
};

}  // namespace gyrolux::testing
