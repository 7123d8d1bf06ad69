// The program: the symbol font from beside the program registered for the run, Qt's German
// texts, the main window (which makes the windows it opens), the message loop.
#include <QApplication>

#include "clock/main_window.h"
#include "clock/session.h"
#include "clock/window_platform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int fontId = gyrolux::RegisterSymbolFont(QCoreApplication::applicationDirPath());
  gyrolux::InstallGermanTranslations(app);

  gyrolux::MessageBoxPrompter prompter;
  gyrolux::Session session(prompter);
  int result = 0;
  {
    gyrolux::MainWindow mainWindow(session);
    mainWindow.show();
    result = app.exec();
  }
  gyrolux::RemoveSymbolFont(fontId);
  return result;
}
