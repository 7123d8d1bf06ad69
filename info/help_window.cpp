#include "info/help_window.h"

#include <QPlainTextEdit>

#include "info/information_texts.h"
#include "platform/colors.h"
#include "platform/window_kit.h"

namespace gyrolux {

namespace {

constexpr int kTenPointPixels = 13;

QPlainTextEdit* MakePanel(QWidget* parent, const char* objectName, const QString& name, QRect geometry,
                          const QStringList& lines) {
  return MakeTextPanel(parent, QString::fromLatin1(objectName), name, geometry, WindowFont("Arial", kTenPointPixels),
                       clWhite, lines.join(u'\n'));
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : TextWindow(parent, {QStringLiteral("helpWindow"),
                          QString(12, u' ') + QStringLiteral("Hilfen zur vergrößerten Diagramm-Anzeige"),
                          {472, 550},
                          clMaroon,
                          WindowFrame::TitleAndClose,
                          WindowPlace::DesktopCentre}) {
  MakePanel(this, "helpPanel", QStringLiteral("Hilfen"), {2, 2, 451, 375}, HelpLines());
  MakePanel(this, "readingPanel", QStringLiteral("Leseempfehlung"), {2, 380, 451, 105}, ReadingRecommendation());

  addBackButton({190, 488, 75, 22});
}

}  // namespace gyrolux
