#pragma once

#include <vector>

#include <QStringList>

namespace gyrolux {

// One text panel of the introduction: 482 pixels wide at x = 1, its top and height,
// bold or regular, read-only or not, and its lines exactly as shown (blanks included).
struct InformationPanel {
  int top;
  int height;
  bool bold;
  bool readOnly;
  QStringList lines;
};

// "Einige einführende Hinweise zu diesem Programm": the five panels from top to bottom.
const std::vector<InformationPanel>& IntroductionPanels();

// "Hilfen zur vergrößerten Diagramm-Anzeige": the lines of the help panel, and the six
// lines of the panel below it that tell how to read a dial with its house circle turned.
const QStringList& HelpLines();
const QStringList& ReadingRecommendation();

}  // namespace gyrolux
