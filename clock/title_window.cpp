#include "clock/title_window.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "clock/start_up.h"
#include "platform/bundled_images.h"
#include "platform/prompter.h"
#include "platform/text_file.h"
#include "platform/window_kit.h"

namespace gyrolux {

TitleWindow::TitleWindow(Prompter& prompter, QWidget* parent)
    : KitWindow(parent, {QStringLiteral("titleWindow"),
                         QStringLiteral("Die Mini-Gyrolux"),  // not shown on the frameless window; a screen reader reads it
                         {765, 569},
                         std::nullopt,
                         WindowFrame::Frameless,
                         WindowPlace::DesktopCentre}),
      prompter_(prompter) {

  auto* picture = new QLabel(this);
  picture->setGeometry(0, 0, 765, 569);
  picture->setPixmap(QPixmap::fromImage(TitlePicture()));
  picture->setScaledContents(true);

  continueButton_ = new QPushButton(QStringLiteral("weiter"), this);
  continueButton_->setObjectName(QStringLiteral("continueButton"));
  continueButton_->setGeometry(712, 544, 45, 18);
  continueButton_->setAutoDefault(false);
  connect(continueButton_, &QPushButton::clicked, this, &QDialog::reject);

  neverAgainButton_ = new QRadioButton(QStringLiteral("Titelbild zukünftig nicht mehr zeigen "), this);
  neverAgainButton_->setObjectName(QStringLiteral("neverAgainButton"));
  neverAgainButton_->setGeometry(512, 545, 193, 15);
  neverAgainButton_->setAutoExclusive(false);
  QPalette palette = neverAgainButton_->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  neverAgainButton_->setPalette(palette);
  connect(neverAgainButton_, &QRadioButton::clicked, this, &TitleWindow::switchOff);
}

void TitleWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  continueButton_->setFocus();
}

void TitleWindow::switchOff() {
  QString error;
  if (!WriteTextLines(QDir::current().filePath(QLatin1String(kTitleFlagFileName)),
                     {QStringLiteral("0")}, &error)) {
    prompter_.error(error);
    neverAgainButton_->setChecked(false);
    return;
  }
  accept();
}

}  // namespace gyrolux
