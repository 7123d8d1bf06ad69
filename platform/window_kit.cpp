#include "platform/window_kit.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "platform/font_faces.h"

namespace gyrolux {

QFont WindowFont(const QString& face, int pixelSize, bool bold) {
  QFont font(InstalledFamilyFor(face));
  font.setPixelSize(pixelSize > 0 ? pixelSize : kEightPointPixels);
  font.setBold(bold);
  return font;
}

void SetBackground(QWidget* widget, QRgb color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, QColor(color));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetBaseColor(QWidget* widget, QRgb color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, QColor(color));
  widget->setPalette(palette);
}

void SetTextColor(QWidget* widget, QRgb color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, QColor(color));
  palette.setColor(QPalette::Text, QColor(color));
  widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, QPoint at, const QString& objectName) {
  auto* label = new QLabel(text, parent);
  if (!objectName.isEmpty()) label->setObjectName(objectName);
  label->move(at);
  label->adjustSize();
  return label;
}

void SetLabelText(QLabel* label, const QString& text) {
  if (label->text() == text) return;
  label->setText(text);
  label->adjustSize();
}

void CentreOnDesktop(QWidget* window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window->move(screen->availableGeometry().center() - window->rect().center());
  }
}

void CentreOver(QWidget* window, const QWidget* over) {
  if (over == nullptr) {
    CentreOnDesktop(window);
    return;
  }
  window->move(over->frameGeometry().center() - window->rect().center());
}

Panel::Panel(QWidget* parent, QRgb color, int bevel, bool raised) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | (raised ? QFrame::Raised : QFrame::Sunken));
  setLineWidth(bevel);
  SetBackground(this, color);
}

void Panel::mousePressEvent(QMouseEvent* event) {
  QFrame::mousePressEvent(event);
  if (onClick) onClick();
}

DialView::DialView(QWidget* parent) : QWidget(parent) {}

void DialView::setPicture(Picture picture) {
  picture_ = std::move(picture);
  update();
}

void DialView::paintEvent(QPaintEvent*) {
  if (!picture_) return;
  QPainter painter(this);
  picture_->render(painter, QRectF(0, 0, picture_->width(), picture_->height()));
}

}  // namespace gyrolux
