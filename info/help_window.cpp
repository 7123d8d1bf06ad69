#include "info/help_window.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "info/information_texts.h"
#include "platform/colors.h"
#include "platform/window_kit.h"

namespace gyrolux {

namespace {

constexpr int kTenPointPixels = 13;

QPlainTextEdit* MakePanel(QWidget* parent, const char* objectName, QRect geometry, const QStringList& lines) {
  auto* text = new QPlainTextEdit(parent);
  text->setObjectName(QString::fromLatin1(objectName));
  text->setGeometry(geometry);
  text->setFont(WindowFont("Arial", kTenPointPixels));
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setPlainText(lines.join(u'\n'));
  SetBaseColor(text, clWhite);
  return text;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("helpWindow"));
  setWindowTitle(QString(12, u' ') + QStringLiteral("Hilfen zur vergrößerten Diagramm-Anzeige"));
  setFixedSize(472, 550);
  setFont(WindowFont("MS Sans Serif", kEightPointPixels));
  SetBackground(this, clMaroon);
  MakePanel(this, "helpPanel", {2, 2, 451, 375}, HelpLines());
  MakePanel(this, "readingPanel", {2, 380, 451, 105}, ReadingRecommendation());

  backButton_ = new QPushButton(QStringLiteral("&Zurück"), this);
  backButton_->setObjectName(QStringLiteral("backButton"));
  backButton_->setGeometry(190, 488, 75, 22);
  backButton_->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
  connect(backButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void HelpWindow::run() {
  CentreOnDesktop(this);
  exec();
}

void HelpWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  backButton_->setFocus();
}

}  // namespace gyrolux
