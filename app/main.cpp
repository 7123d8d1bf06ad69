// The program: the symbol font from beside the program registered for the run, Qt's German
// texts, the main window (which makes the windows it opens), the message loop; the font
// removed again when the registration ends.
#include <QApplication>

#include "clock/main_window.h"
#include "ephemeris/sky_tables.h"
#include "ephemeris/swiss_sky.h"
#include "platform/data_folders.h"
#include "session/session.h"
#include "platform/qt_prompter.h"
#include "platform/symbol_font.h"
#include "platform/translations.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The desktop entry the windows belong to (the menu and the task bar match them by it).
  QGuiApplication::setDesktopFileName(QStringLiteral("de.gyrolux.Gyrolux"));
  const gyrolux::SymbolFontRegistration symbolFont;
  gyrolux::InstallGermanTranslations(app);

  // The modern sky, for when the settings choose it.
  gyrolux::InstallSwissSky();
  gyrolux::UseSkyTables(gyrolux::FindFileInFolders(gyrolux::ProgramDataFolders(),
                                                   QLatin1String(gyrolux::kSkyTablesFileName))
                            .value_or(QString()));
  gyrolux::QtPrompter prompter;
  gyrolux::Session session(prompter);
  gyrolux::MainWindow mainWindow(session);
  prompter.setParent(&mainWindow);
  mainWindow.show();
  return app.exec();
}
