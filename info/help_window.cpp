#include "info/help_window.h"

#include <QPlainTextEdit>
#include <QPushButton>

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
    : KitWindow(parent, {QStringLiteral("helpWindow"),
                         QString(12, u' ') + QStringLiteral("Hilfen zur vergrößerten Diagramm-Anzeige"),
                         {472, 550},
                         clMaroon,
                         WindowFrame::TitleAndClose,
                         WindowPlace::DesktopCentre}) {
  MakePanel(this, "helpPanel", QStringLiteral("Hilfen"), {2, 2, 451, 375}, HelpLines());
  MakePanel(this, "readingPanel", QStringLiteral("Leseempfehlung"), {2, 380, 451, 105}, ReadingRecommendation());

  backButton_ = new QPushButton(QStringLiteral("&Zurück"), this);
  backButton_->setObjectName(QStringLiteral("backButton"));
  backButton_->setGeometry(190, 488, 75, 22);
  backButton_->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
  connect(backButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void HelpWindow::run() { runModal(); }

void HelpWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  backButton_->setFocus();
}

}  // namespace gyrolux
