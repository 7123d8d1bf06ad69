#include "tests/test_support/private_environment.h"

#include <QDir>

namespace gyrolux::testing {

PrivateEnvironment::PrivateEnvironment() : root_(QDir::tempPath() + QStringLiteral("/gyrolux-test-home-XXXXXX")) {
  const auto folder = [this](const char* variable, const QString& name) {
    const QString path = root_.filePath(name);
    QDir().mkpath(path);
    qputenv(variable, QFile::encodeName(path));
  };
  folder("HOME", QStringLiteral("home"));
  folder("XDG_DATA_HOME", QStringLiteral("home/.local/share"));
  folder("XDG_CONFIG_HOME", QStringLiteral("home/.config"));
  folder("XDG_CACHE_HOME", QStringLiteral("home/.cache"));
  folder("XDG_STATE_HOME", QStringLiteral("home/.local/state"));
  qputenv("FONTCONFIG_FILE", GYROLUX_TEST_FONTS_CONF);
}

}  // namespace gyrolux::testing
