#include "info/introduction_window.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include "info/information_texts.h"
#include "platform/colors.h"
#include "platform/window_kit.h"

namespace gyrolux {

namespace {

// 10 points on the screen the windows were laid out on.
constexpr int kTenPointPixels = 13;

}  // namespace

IntroductionWindow::IntroductionWindow(QWidget* parent)
    : TextWindow(parent, {QStringLiteral("introductionWindow"),
                          QString(10, u' ') + QStringLiteral("Einige einführende Hinweise zu diesem Programm"),
                          {502, 559},
                          clMaroon,
                          WindowFrame::TitleAndClose,
                          WindowPlace::OverParent}) {

  int number = 0;
  for (const InformationPanel& panel : IntroductionPanels()) {
    ++number;
    QPlainTextEdit* text = MakeTextPanel(this, QStringLiteral("introductionPanel%1").arg(number),
                                         QStringLiteral("Hinweise, Teil %1").arg(number),
                                         {1, panel.top, 482, panel.height},
                                         WindowFont("MS Sans Serif", kTenPointPixels, panel.bold), clWhite);
    text->setReadOnly(panel.readOnly);
    // The panels are laid out to hold their lines; a narrow margin and no scroll bars give
    // the longest lines the room.
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->document()->setDocumentMargin(2);
    text->setPlainText(panel.lines.join(u'\n'));
  }

  addBackButton({400, 486, 70, 22});
}

}  // namespace gyrolux
