#include "info/text_window.h"

#include <QPushButton>

namespace gyrolux {

void TextWindow::addBackButton(QRect geometry) {
  backButton_ = new QPushButton(QStringLiteral("&Zurück"), this);
  backButton_->setObjectName(QStringLiteral("backButton"));
  backButton_->setGeometry(geometry);
  backButton_->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
  connect(backButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void TextWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (backButton_ != nullptr) backButton_->setFocus();
}

}  // namespace gyrolux
