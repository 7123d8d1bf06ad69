#pragma once

#include <functional>
#include <optional>

#include <QFont>
#include <QFrame>
#include <QPoint>
#include <QRgb>
#include <QString>
#include <QWidget>

#include "platform/picture.h"

class QLabel;

namespace gyrolux {

// The helpers every window of the program is built with.

// A font of the windows by the face name they were laid out with ("MS Sans Serif",
// "Courier New", ...; the platform gives the installed face standing in for it) and its
// character height in pixels.
QFont WindowFont(const QString& face, int pixelSize, bool bold = false);

// 8 points on the 96 dpi screen the windows were laid out on: 11 pixels.
inline constexpr int kEightPointPixels = 11;

// The colour of a window or panel behind its children.
void SetBackground(QWidget* widget, QRgb color);
// The colour inside an edit field or text view.
void SetBaseColor(QWidget* widget, QRgb color);
// The colour of a label's or field's text.
void SetTextColor(QWidget* widget, QRgb color);

// A label at its place, sized to its text; SetLabelText keeps it sized.
QLabel* MakeLabel(QWidget* parent, const QString& text, QPoint at, const QString& objectName = QString());
void SetLabelText(QLabel* label, const QString& text);

// A top-level window put in the middle of the desktop, or over the middle of another
// window (the desktop's middle when that is missing).
void CentreOnDesktop(QWidget* window);
void CentreOver(QWidget* window, const QWidget* over);

// A bevelled panel; a click on the panel itself (not on its children) runs onClick.
class Panel : public QFrame {
 public:
  Panel(QWidget* parent, QRgb color, int bevel, bool raised);
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// Shows the last picture given at its own size at the top-left corner.
class DialView : public QWidget {
 public:
  explicit DialView(QWidget* parent);
  void setPicture(Picture picture);
  const std::optional<Picture>& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<Picture> picture_;
};

}  // namespace gyrolux
