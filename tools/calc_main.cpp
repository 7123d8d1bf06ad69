// gyrolux-calc's entry: the application object, then the arguments to RunCalc.
#include <memory>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include "platform/translations.h"
#include "tools/gyrolux_calc.h"

namespace {

// The platform plugin of a QGuiApplication talks on stderr (a missing runtime folder, say),
// where the tool writes nothing but its one complaint; only Qt's critical and fatal
// messages get through.
QtMessageHandler g_qtMessages = nullptr;
void QuietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if ((type == QtCriticalMsg || type == QtFatalMsg) && g_qtMessages) g_qtMessages(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  // Fonts need a QGuiApplication; drawing needs no screen, so without a platform named in
  // QT_QPA_PLATFORM it runs offscreen, with a display or without.
  std::unique_ptr<QCoreApplication> application;
  if (gyrolux::calc::VerbDrawsWithFonts(argc, argv)) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    g_qtMessages = qInstallMessageHandler(QuietQtMessages);
    application = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    application = std::make_unique<QCoreApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName(QStringLiteral("gyrolux-calc"));
  // Qt's German for the frame of the help ("Aufruf:", "Optionen:", the version option);
  // the help's own texts are German already.
  gyrolux::InstallGermanTranslations(*application);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return gyrolux::calc::RunCalc(QCoreApplication::arguments(), out, err);
}
