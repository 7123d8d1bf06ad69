#include "clock/start_up_texts.h"

#include <QStringList>

namespace gyrolux {

QString SymbolFontMissingMessage() {
  return QStringList{
      QStringLiteral("Die Datei  RUDEZAVI.RAV  fehlt in Ihren System-Dateien    "),
      QStringLiteral("und im Arbeitsverzeichnis dieses Programmes; ohne diese"),
      QStringLiteral("Datei k\u00F6nnen Sie keine Astrologie-Zeichen sehen."),
      QString(),
      QStringLiteral("Installieren Sie bitte diese mitgelieferte Datei \u00FCber den Weg"),
      QStringLiteral("         Arbeitsplatz > Systemsteuerung > Schriftarten"),
      QStringLiteral("in die dann offene Liste aller vorhandenen Schriftarten."),
      QStringLiteral("(Markieren + \u00B4Kopieren\u00B4 am Quellort, \u00B4Einf\u00FCgen\u00B4 am Zielort.)"),
      QString(),
      QStringLiteral("WARNUNG: Das Kopieren von  RUDEZAVI.RAV  in den"),
      QStringLiteral("Ordner  C:\\Windows\\Fonts  reicht als Installation nicht aus."),
      QString(),
      QStringLiteral("Es reicht aber aus, die Datei wieder zu diesem Programm"),
      QStringLiteral("in den Ordner zu kopieren, so wie beim Setup erzeugt."),
  }.join(u'\r');
}

QString StelliumQuestion() {
  return QStringList{
      QStringLiteral("Falls das Drehen des Diagramm nerv\u00F6s machen sollte,"),
      QStringLiteral("so kann es durch einen Klick in das gr\u00FCne Feld neben       "),
      QStringLiteral("der Taste  'Beenden'  rechts unten verdeckt werden."),
      QStringLiteral("Ein erneuter Klick dorthin oder auf  'Halt' zeigt das"),
      QStringLiteral("Diagramm in der aktuellen Stellung."),
      QString(),
      QStringLiteral("Soll bei jedem Stellium gestoppt werden?"),
  }.join(u'\r');
}

QString AboutText() {
  return QStringList{
      QStringLiteral(" Autor: Dr. Konrad Weidlich, Wilhelmsh\u00F6her Allee 118"),
      QStringLiteral("         34119 Kassel"),
      QStringLiteral(" Vertrieb: Gyrolux Software"),
      QStringLiteral("         Am Sternwartenweg 7, 34117 Kassel"),
      QStringLiteral("         Telefon 0561 / 47 11 05"),
  }.join(u'\n');
}

QString MainWindowCaption() {
  return QString(125, u' ') + QStringLiteral("Die Mini-Gyrolux, Version 5.0");
}

}  // namespace gyrolux
