#pragma once

#include <QImage>
#include <QString>

#include "platform/picture.h"
#include "platform/prompter.h"

class QCoreApplication;

namespace gyrolux {

// What the clock's windows take from the platform layer, in one place: the pictures, the
// clipboard, metafiles, the symbol font and the message boxes.

// The title picture (765 x 569), the cover picture (525 x 553) and the 32 x 32 icon.
QImage TitlePicture();
QImage CoverPicture();
QImage ApplicationIcon();

// Puts the picture on the clipboard.
void PutPictureOnClipboard(const Picture& picture);

// Writes the picture as a Windows metafile; false, with the reason, when it fails.
bool SavePictureAsMetafile(const Picture& picture, const QString& path, QString& error);

// Some installed font's family name contains "RuduzodediRuvedur".
bool SymbolFontInstalled();

// The symbol font file beside the program, registered for the run; -1 when it could not
// be (the font check at start-up shows the consequence).
int RegisterSymbolFont(const QString& programDir);
void RemoveSymbolFont(int id);

// Qt's own German texts (buttons "Ja", "Nein", "Abbrechen") whatever the machine's locale.
void InstallGermanTranslations(QCoreApplication& app);

// Real modal message boxes with the system's texts (CR line breaks shown as breaks).
class MessageBoxPrompter : public Prompter {
 public:
  void information(const QString& text) override;
  void error(const QString& text) override;
  bool question(const QString& text) override;
  bool choosePrinter(QPrinter& printer) override;
};

}  // namespace gyrolux
