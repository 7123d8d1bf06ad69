#include "info/information_texts.h"

namespace gyrolux {

namespace {

QStringList Lines(std::initializer_list<const char16_t*> lines) {
  QStringList list;
  for (const char16_t* line : lines) list << QString::fromUtf16(line);
  return list;
}

}  // namespace

const std::vector<InformationPanel>& IntroductionPanels() {
  static const std::vector<InformationPanel> kPanels = {
      {4, 72, true, true,
       Lines({u" Die Mini-Gyrolux zeigt während ihres Laufes in einem astrologischen, ",
              u" drehenden Diagramm die 22 Faktoren von MC bis Poseidon plus GZ. ",
              u" Nach Betätigung der Taste ´Halt´ können Sie das dann angehaltene ",
              u" Diagramm vergrößern, drucken und als WMF-Datei speichern."})},
      {80, 122, false, true,
       Lines({u"  Die Arbeitsbedingungen der Uhr sind jederzeit änderbar:",
              u"  - Startdatum, Startzeit  (WZ/GMT) und Ortskoordinaten sind frei wählbar",
              u"  - die Schrittweite ist zwischen 1 Sekunde und 1 Jahr pro Takt wählbar (Intervall)",
              u"  - die Geschwindigkeit ist einstellbar zwischen -20 bis +20 Takten pro Sekunde",
              u"    (das bedeutet, die Uhr kann auch rückwärts laufen)",
              u"  - ´Real-Time´ setzt Datum und Uhrzeit auf System-Datum und -Zeit als WZ/GMT",
              u"  - Mit ´Alt-Datum/Zeit´ werden die Werte der letzten Sitzung aufgerufen"})},
      {206, 187, false, true,
       Lines({u"  Sie können die Uhr jederzeit anhalten und die Situation siebenfach auswerten:",
              u"  - Anzeige aller Faktoren-Positionen im Tierkreis und im 22,5°-Modus",
              u"  - Anzeige aller Halbsummen-Häuser und -Winkel  in astroalphabetischer Folge",
              u"  - die gleiche Anzeige in Winkelwert-Sortierung 0°0´bis 22°30´",
              u"  - Anzeige aller Achsen, soweit sich darin Planetenbilder darstellen",
              u"  - Suche mit Einzel-Achsen bei Vorgabe eines Winkelwertes 0°0´ bis 22°30´",
              u"  - die gleiche Suche mit Vorgabe einer Halbsumme als Suchachse",
              u"  - Darstellung der Bedeutungen der aktuellen MC/MC-Planetenbilder.",
              u"  Alle Ergebnisse können ausgedruckt und in Text-Dateien gespeichert werden.",
              u"  Außerdem ist im angehaltenen Zustand das Diagramm vergrößer-, druck sowie",
              u"  speicherbar und es kann eine 22,5°-Grafik mit allen Faktoren gewählt werden. "})},
      {397, 77, false, true,
       Lines({u"  Weiterhin ist die Uhr als ´Wecker´ verwendbar: zur Suche nach dem",
              u"  - Auftreten eines Planetenbildes",
              u"  - Auftreten einer Halbsumme mit Wahl-Winkel 0°0´ bis 22°30´.",
              u"  Das Programm untersucht jeweils bis zu 100 Jahre ab Startdatum."})},
      {477, 40, true, false,
       Lines({u" Die beiliegende Anleitungs-PDF gibt Ihnen mit einem",
              u" prägnanten Beispiel weitere Anwendungshinweise."})},
  };
  return kPanels;
}

const QStringList& HelpLines() {
  static const QStringList kLines = Lines({u"  >>>  R-Scheibe drucken:  ",
                                           u"  Dies erstellt ein Papier-Diagramm für die astrologische Rechenscheibe mit",
                                           u"  einer Tabelle der Positionen aller Faktoren im Tierkreis. Es dient Ihnen als",
                                           u"  Grundlage für die Auswertung eines Radix-Diagrammes in diesem Transit.",
                                           u"  >>>  Drucken:",
                                           u"  Druckt das jeweils momentan angezeigte Diagramm ebenfalls mit einer",
                                           u"  Faktoren-Tabelle und den aktuellen Zeit- und Orts-Daten.",
                                           u"  >>>  Speichern:",
                                           u"  Erstellt im aktuellen Programm-Verzeichnis eine WMF-Datei MCPic... mit",
                                           u"  einer  laufenden Nummer; Sie können also mehrere Diagramme während ",
                                           u"  dieser Transit-Anzeige speichern - z.B. unterschiedliche Häuserpositionen.",
                                           u"  Der jeweils automatisch erstellte Dateiname wird Ihnen angezeigt.",
                                           u"  >>>  Achsen-Darstellung:",
                                           u"  Zeigt alle Faktoren in einem Horizontal-Diagramm von 0° bis 22°30´; die in",
                                           u"  diesem Modus nah benachbarte Faktoren sind unmittelbar erkennbar.",
                                           u"  >>>  Der Schieberegler:",
                                           u"  Mit den kleinen Dreiecken steuern Sie die Häuser-´Scheibe´ mit je 1 Grad;",
                                           u"  klicken Sie in den hellen Streifen, ändert sich die Lage um je 10 Grad.",
                                           u"  Sie können auch den Mittelknopf mit der linken Maustaste ´greifen´ und",
                                           u"  die Verschiebung unmittelbar steuern.",
                                           u"  >>>  Häuser:",
                                           u"  Ein Maus-Klick auf einen der runden Knöpfe zeigt die Lage aller Häuser",
                                           u"  des gewählten Faktors in Bezug auf Tierkreis und alle anderen Faktoren."});
  return kLines;
}

const QStringList& ReadingRecommendation() {
  static const QStringList kLines =
      Lines({u"  >>>  Lese-Empfehlung zum gedrehten Häuserkreis:",
             u"  Lesen Sie zuerst die Lage bei ±0; sie ist Ihre Ausgangsstellung.",
             u"  Drehen Sie dann Grad um Grad und achten Sie darauf, welcher",
             u"  Faktor eine Häuserspitze erreicht: die Zahl unter dem Regler nennt",
             u"  den Bogen bis dorthin (etwa 1 Grad für 1 Jahr). Bezugspunkt bleibt",
             u"  die breite erste Spitze - Haus 10, 7, 4 oder 1 des gewählten Faktors."});
  return kLines;
}

}  // namespace gyrolux
