#include "platform/translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace gyrolux {

bool InstallGermanTranslations(QCoreApplication& app) {
  // Owned by the application, so it lives as long as the texts are looked up.
  auto* translator = new QTranslator(&app);
  // Compiled in (platform/CMakeLists.txt), not looked up in Qt's translations folder: an
  // optional package there must not decide whether the buttons speak German.
  if (!translator->load(QStringLiteral(":/gyrolux/translations/qtbase_de.qm"))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace gyrolux
