#include "clock/main_menu_bar.h"

#include <QLabel>
#include <QMenuBar>
#include <QPalette>
#include <QString>

#include "platform/colors.h"
#include "platform/window_kit.h"

namespace gyrolux {

MainMenuBar AddMainMenuBar(QWidget* window) {
  MainMenuBar menu;
  auto* content = new QWidget(window);
  content->setObjectName(QStringLiteral("mainContent"));
  for (QObject* child : window->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (!widget || widget == content || widget->isWindow()) continue;
    const bool hidden = widget->isHidden();
    widget->setParent(content);  // keeps its geometry, relative to content now
    widget->setVisible(!hidden);
  }
  menu.bar = new QMenuBar(window);
  menu.bar->setObjectName(QStringLiteral("mainMenuBar"));
  menu.bar->setFont(WindowFont("MS Sans Serif", kEightPointPixels));
  // A bar of its own colours: the window behind it turns navy or black with the drawing,
  // and the bar's black texts must stay readable whatever it shows.
  QPalette palette = menu.bar->palette();
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) palette.setColor(role, QColor(clSilver));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    palette.setColor(role, QColor(clBlack));
  menu.bar->setPalette(palette);
  menu.bar->setAutoFillBackground(true);
  menu.radix = menu.bar->addMenu(QStringLiteral("&Radix"));
  menu.radix->setObjectName(QStringLiteral("radixMenu"));
  menu.radixName = new QLabel(menu.bar);
  menu.radixName->setObjectName(QStringLiteral("radixNameLabel"));
  menu.bar->setCornerWidget(menu.radixName, Qt::TopRightCorner);
  menu.height = menu.bar->sizeHint().height();
  menu.bar->setGeometry(0, 0, window->width(), menu.height);
  content->setGeometry(0, menu.height, window->width(), 4000);
  content->lower();
  return menu;
}

QString RadixNameText(const QString& name, bool hidden) {
  if (name.isEmpty()) return {};
  return QStringLiteral("Radix: %1%2  ").arg(name, hidden ? QStringLiteral(" (ausgeblendet)") : QString());
}

}  // namespace gyrolux
