#pragma once

#include <vector>

#include <QPoint>
#include <QRect>
#include <QString>

#include "engine/chart.h"
#include "pictures/enlarged_dial.h"
#include "platform/picture.h"

namespace gyrolux {

// A text on a printed page: (x, y) the top-left corner of its cell in printer pixels, its
// size in points of the printer's resolution.
struct PageText {
  QPoint at;
  QString text;
  PictureFont font;
  bool operator==(const PageText&) const = default;
};

// One printed page of a diagram: the picture stretched into pictureTarget (printer
// pixels; it may reach past the page's right edge), and the texts over it.
struct PrintedPage {
  QRect pictureTarget;
  std::vector<PageText> texts;
};

// The question before the calculating dial is printed (Yes: the bearing lines start
// further in).
QString CalculatingDialQuestion();

// "MC-Häuser", "Widder-Häuser", "Sonnen-Häuser", "Aszendenten-Häuser", "Mond-Häuser",
// "Knoten-Häuser".
QString HouseCircleTitle(int circle);

// "&Drucken" of the enlarged dial on a page pageWidth (the printable width raised to the
// next hundred above) wide, pageHeight (measured the same way) high, of a printer
// of printerDpi dots per inch: the dial stretched into the square of the page width, the
// circle's title while it is not turned (below the dial's moment line), the moment and place at three quarters of the
// page height, and the factor table in four columns of 6, 6, 6 and 5 rows below; from a
// page width above 3000 in 10 points with rows 80 and columns 800 apart, else in 8 points
// with rows 40 and columns 500 apart. Where the printer's resolution makes the text larger
// than that grid, rows and columns stand further apart, so that they never overlap.
PrintedPage DialPrintPage(const Chart& chart, const HouseCircle& circle, const QString& placeLabel, int pageWidth,
                          int pageHeight, int printerDpi);

// The steps of the factor table for text of pointSize on a printer of printerDpi: at least
// the given ones, rows at least 1.2 character heights apart and columns at least 21
// characters wide (a 19-character row and a gap; a character of "courier new" is 0.6 of
// its height wide).
QPoint FactorTableSteps(int rowStep, int columnStep, int pointSize, int printerDpi);

// The calculating dial: its 2400-unit square stretched across the page width, the rest of
// the drawing below it at the same scale.
PrintedPage CalculatingDialPrintPage(int pageWidth);

// The axis graphic stretched into (10, 10)-(pageWidth, 1000), or down to 2000 on a page
// wider than 3000.
PrintedPage AxisGraphicPrintPage(int pageWidth);

}  // namespace gyrolux
