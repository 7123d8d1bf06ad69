#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QFont>
#include <QDialog>
#include <QFrame>
#include <QSize>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QWidget>

#include "platform/picture.h"

class QLabel;
class QPlainTextEdit;

namespace gyrolux {

// The helpers every window of the program is built with.

// A font of the windows by the face name they were laid out with ("MS Sans Serif",
// "Courier New", ...; the platform gives the installed face standing in for it) and its
// character height in pixels.
QFont WindowFont(const QString& face, int pixelSize, bool bold = false);

// 8 points on the 96 dpi screen the windows were laid out on: 11 pixels.
inline constexpr int kEightPointPixels = 11;

// The colour of a window or panel behind its children, and the colour of their texts with
// it (black, unless given): a desktop with a dark palette would otherwise write its light
// texts onto our light colours.
void SetBackground(QWidget* widget, QRgb color, QRgb text = qRgb(0, 0, 0));
// The colour inside an edit field or text view, and of the text in it.
void SetBaseColor(QWidget* widget, QRgb color, QRgb text = qRgb(0, 0, 0));
// The colour of a label's or field's text.
void SetTextColor(QWidget* widget, QRgb color);

// A read-only text panel at its place (a help text, a list): no wrapping, Tab moves the
// focus on instead of staying in it, its colours, and a name for screen readers.
QPlainTextEdit* MakeTextPanel(QWidget* parent, const QString& objectName, const QString& accessibleName,
                              const QRect& geometry, const QFont& font, QRgb base, const QString& text = QString());

// A top-level window that is a plain widget (not a dialog): so that a screen reader
// announces it as a window by its title, not as an unnamed filler.
void AnnounceAsWindow(QWidget* window);

// A label at its place, sized to its text; SetLabelText keeps it sized.
QLabel* MakeLabel(QWidget* parent, const QString& text, QPoint at, const QString& objectName = QString());
void SetLabelText(QLabel* label, const QString& text);

// Ends a press of the mouse on widget as if the button went up there: before a box takes
// the mouse, so that a scroll bar's arrow does not go on repeating under it.
void EndMousePress(QWidget* widget);

// A top-level window put in the middle of the desktop, or over the middle of another
// window (the desktop's middle when that is missing).
void CentreOnDesktop(QWidget* window);
void CentreOver(QWidget* window, const QWidget* over);

// The one way a window checks a field when the focus leaves it: onLeave(index, now) runs
// after the focus has moved from fields[index] to now, another widget of the same window,
// so the check may put the focus where it likes. The focus going to a message box or
// another window is no leaving; nor is a move the check makes through putFocus, nor any
// move while the watch is quiet (while its window opens or closes).
class FieldLeaveWatch : public QObject {
 public:
  FieldLeaveWatch(QWidget* window, std::vector<QWidget*> fields,
                  std::function<void(int index, QWidget* now)> onLeave);
  ~FieldLeaveWatch() override;
  void setQuiet(bool quiet) { quiet_ = quiet; }
  bool quiet() const { return quiet_; }
  // Moves the focus without counting it as leaving the field it comes from; a line edit
  // gets its text selected, so that typing replaces it.
  void putFocus(QWidget* to);
  // The index of widget among the fields, -1 when it is none of them.
  int indexOf(const QWidget* widget) const;

 private:
  void focusChanged(QWidget* old, QWidget* now);

  QWidget* window_;
  std::vector<QWidget*> fields_;
  std::function<void(int, QWidget*)> onLeave_;
  QMetaObject::Connection connection_;
  bool quiet_ = true;
  bool putting_ = false;
};

// How a window of the program looks when it opens: its frame, caption, fixed size,
// colour behind its children, and where it appears.
enum class WindowFrame { Standard, TitleOnly, TitleAndClose, Frameless };
enum class WindowPlace { DesktopCentre, OverParent, TopLeft };
struct WindowLook {
  QString objectName;
  QString caption;
  QSize size;
  std::optional<QRgb> background;  // none: the picture fills it
  WindowFrame frame = WindowFrame::TitleOnly;
  WindowPlace place = WindowPlace::DesktopCentre;
};

// The base of every window the main window opens. It owns what they all share: the
// caption, the colours, the font of the windows, the fixed size, where the window appears,
// the modal run, and the keys Enter and ESC; each window fills in only its content.
class KitWindow : public QDialog {
  Q_OBJECT

 public:
  KitWindow(QWidget* parent, const WindowLook& look);

 protected:
  // Puts the window where its look says and runs it modally; returns when it has closed.
  int runModal();
  // The keys, once for every window: ESC closes unless escapePressed says it took the key;
  // Enter goes to the default button unless enterPressed took it.
  virtual bool escapePressed() { return false; }
  virtual bool enterPressed() { return false; }
  void keyPressEvent(QKeyEvent* event) override;

 private:
  WindowPlace place_;
};

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
