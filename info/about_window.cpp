#include "info/about_window.h"

#include <QPlainTextEdit>

#include "info/about_texts.h"
#include "platform/colors.h"

namespace gyrolux {

AboutWindow::AboutWindow(QWidget* parent)
    : TextWindow(parent, {QStringLiteral("aboutWindow"), QStringLiteral("Über Gyrolux"), {502, 330}, clMaroon,
                          WindowFrame::TitleAndClose, WindowPlace::OverParent}) {
  QPlainTextEdit* text = MakeTextPanel(this, QStringLiteral("aboutPanel"), QStringLiteral("Über Gyrolux"),
                                       {1, 1, 496, 290}, WindowFont("MS Sans Serif", kEightPointPixels), clWhite);
  text->setPlainText(AboutLines().join(u'\n'));
  addBackButton({420, 298, 70, 22});
}

}  // namespace gyrolux
