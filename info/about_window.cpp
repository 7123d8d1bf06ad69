#include "info/about_window.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "info/about_texts.h"
#include "platform/colors.h"

namespace gyrolux {

AboutWindow::AboutWindow(QWidget* parent)
    : KitWindow(parent, {QStringLiteral("aboutWindow"), QStringLiteral("Über Gyrolux"), {502, 330}, clMaroon,
                         WindowFrame::TitleAndClose, WindowPlace::OverParent}) {
  QPlainTextEdit* text = MakeTextPanel(this, QStringLiteral("aboutPanel"), QStringLiteral("Über Gyrolux"),
                                       {1, 1, 496, 290}, WindowFont("MS Sans Serif", kEightPointPixels), clWhite);
  text->setPlainText(AboutLines().join(u'\n'));
  backButton_ = new QPushButton(QStringLiteral("&Zurück"), this);
  backButton_->setObjectName(QStringLiteral("backButton"));
  backButton_->setGeometry(420, 298, 70, 22);
  backButton_->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
  connect(backButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void AboutWindow::run() { runModal(); }

void AboutWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  backButton_->setFocus();
}

}  // namespace gyrolux
