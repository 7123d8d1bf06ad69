#pragma once

#include <QString>

class QLabel;
class QMenu;
class QMenuBar;
class QWidget;

namespace gyrolux {

// The menu bar above the main window's defined content: the content the window holds so
// far moves into a widget of its own below the bar (every position within it stays), and
// the window is to grow by height. New menus go into bar; radix is the "&Radix" menu, and
// radixName, at the bar's right, names the loaded radix.
struct MainMenuBar {
  QMenuBar* bar = nullptr;
  QMenu* radix = nullptr;
  QLabel* radixName = nullptr;
  int height = 0;
};

MainMenuBar AddMainMenuBar(QWidget* window);

// The text of radixName: "Radix: NAME", with "(ausgeblendet)" while hidden; empty without one.
QString RadixNameText(const QString& name, bool hidden);

}  // namespace gyrolux
