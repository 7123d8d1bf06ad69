#include "platform/window_kit.h"

#include <algorithm>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
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

void SetBackground(QWidget* widget, QRgb color, QRgb text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, QColor(color));
  palette.setColor(QPalette::WindowText, QColor(text));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetBaseColor(QWidget* widget, QRgb color, QRgb text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, QColor(color));
  palette.setColor(QPalette::Text, QColor(text));
  widget->setPalette(palette);
}

void SetTextColor(QWidget* widget, QRgb color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, QColor(color));
  palette.setColor(QPalette::Text, QColor(color));
  widget->setPalette(palette);
}

namespace {

const char kAnnouncedAsWindow[] = "gyroluxAnnouncedAsWindow";

QAccessibleInterface* AnnouncedWindows(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr || !widget->isWindow() || !widget->property(kAnnouncedAsWindow).toBool()) return nullptr;
  return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void AnnounceAsWindow(QWidget* window) {
  static const bool installed = [] {
    QAccessible::installFactory(AnnouncedWindows);
    return true;
  }();
  (void)installed;
  window->setProperty(kAnnouncedAsWindow, true);
}

QPlainTextEdit* MakeTextPanel(QWidget* parent, const QString& objectName, const QString& accessibleName,
                              const QRect& geometry, const QFont& font, QRgb base, const QString& text) {
  auto* panel = new QPlainTextEdit(parent);
  if (!objectName.isEmpty()) panel->setObjectName(objectName);
  panel->setAccessibleName(accessibleName);
  panel->setGeometry(geometry);
  panel->setReadOnly(true);
  panel->setTabChangesFocus(true);
  panel->setFont(font);
  panel->setLineWrapMode(QPlainTextEdit::NoWrap);
  SetBaseColor(panel, base);
  if (!text.isEmpty()) panel->setPlainText(text);
  return panel;
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

void EndMousePress(QWidget* widget) {
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), widget->mapToGlobal(QPointF(-1, -1)),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &release);
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

FieldLeaveWatch::FieldLeaveWatch(QWidget* window, std::vector<QWidget*> fields,
                                 std::function<void(int, QWidget*)> onLeave)
    : QObject(window), window_(window), fields_(std::move(fields)), onLeave_(std::move(onLeave)) {
  connection_ = connect(qApp, &QApplication::focusChanged, this,
                        [this](QWidget* old, QWidget* now) { focusChanged(old, now); });
}

FieldLeaveWatch::~FieldLeaveWatch() {
  // The fields go after their window's own part, and the focus leaving them must not reach it.
  disconnect(connection_);
}

int FieldLeaveWatch::indexOf(const QWidget* widget) const {
  const auto found = std::find(fields_.begin(), fields_.end(), widget);
  return found == fields_.end() ? -1 : static_cast<int>(found - fields_.begin());
}

void FieldLeaveWatch::putFocus(QWidget* to) {
  putting_ = true;
  to->setFocus();
  putting_ = false;
  if (auto* edit = qobject_cast<QLineEdit*>(to)) edit->selectAll();
}

void FieldLeaveWatch::focusChanged(QWidget* old, QWidget* now) {
  if (quiet_ || putting_ || !window_->isVisible()) return;
  const int index = indexOf(old);
  if (index < 0 || now == nullptr || now->window() != window_) return;
  onLeave_(index, now);
}

namespace {

Qt::WindowFlags FlagsOf(WindowFrame frame) {
  switch (frame) {
    case WindowFrame::Standard:
      return Qt::Dialog;
    case WindowFrame::TitleOnly:
      return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    case WindowFrame::TitleAndClose:
      return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case WindowFrame::Frameless:
      return Qt::Dialog | Qt::FramelessWindowHint;
  }
  return Qt::Dialog;
}

}  // namespace

KitWindow::KitWindow(QWidget* parent, const WindowLook& look)
    : QDialog(parent, FlagsOf(look.frame)), place_(look.place) {
  setObjectName(look.objectName);
  if (!look.caption.isEmpty()) setWindowTitle(look.caption);
  setFixedSize(look.size);
  setFont(WindowFont("MS Sans Serif", kEightPointPixels));
  if (look.background) SetBackground(this, *look.background);
}

int KitWindow::runModal() {
  switch (place_) {
    case WindowPlace::DesktopCentre:
      CentreOnDesktop(this);
      break;
    case WindowPlace::OverParent:
      CentreOver(this, parentWidget());
      break;
    case WindowPlace::TopLeft:
      move(1, 0);
      break;
  }
  return exec();
}

void KitWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      if (escapePressed()) return;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (enterPressed()) return;
      break;
    default:
      break;
  }
  QDialog::keyPressEvent(event);
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
