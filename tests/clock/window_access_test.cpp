// The windows as a keyboard user, a screen reader and a dark desktop see them: every text
// readable on its colours, Tab through every control of the main window in a sensible
// order, and a name for every window and control.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

#include "tests/clock/started_clock.h"

namespace gyrolux {
namespace {

using namespace testing;

// Light text on our light colours is what a dark palette gave before; a lightness apart
// of 60 (of 255) tells text from its ground.
void ExpectReadable(const QWidget* widget, QPalette::ColorRole text, QColor ground) {
  const int apart = std::abs(widget->palette().color(text).lightness() - ground.lightness());
  EXPECT_GE(apart, 60) << widget->objectName().toStdString() << ' ' << widget->metaObject()->className();
}

void ExpectTextsReadable(const QWidget* window) {
  for (const QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisible()) continue;
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget)) {
      ExpectReadable(widget, QPalette::Text, widget->palette().color(QPalette::Base));
    } else if ((qobject_cast<const QLabel*>(widget) && !static_cast<const QLabel*>(widget)->text().isEmpty()) ||
               qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget)) {
      const QWidget* ground = widget;
      while (!ground->autoFillBackground() && !ground->isWindow()) ground = ground->parentWidget();
      ExpectReadable(widget, QPalette::WindowText, ground->palette().color(QPalette::Window));
    }
  }
}

// Every control a user can reach has a name for a screen reader, the window its title.
void ExpectNamed(QWidget* window) {
  QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
  ASSERT_NE(top, nullptr);
  EXPECT_FALSE(top->text(QAccessible::Name).trimmed().isEmpty()) << window->objectName().toStdString();
  EXPECT_NE(top->role(), QAccessible::Client) << window->objectName().toStdString();
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisible() || !(widget->focusPolicy() & Qt::TabFocus || dynamic_cast<DialView*>(widget))) continue;
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(control, nullptr);
    EXPECT_FALSE(control->text(QAccessible::Name).trimmed().isEmpty())
        << window->objectName().toStdString() << ": " << widget->objectName().toStdString() << ' '
        << widget->metaObject()->className();
  }
}

TEST(WindowAccess, ADarkPaletteTabAndScreenReadersInTheMainWindowAndEveryWindowItOpens) {
  QPalette dark;
  for (const auto& [role, color] : {std::pair{QPalette::Window, QColor(45, 45, 45)}, {QPalette::WindowText, QColor(225, 225, 225)},
                                    {QPalette::Base, QColor(30, 30, 30)}, {QPalette::Text, QColor(225, 225, 225)},
                                    {QPalette::Button, QColor(55, 55, 55)}, {QPalette::ButtonText, QColor(225, 225, 225)}})
    dark.setColor(role, color);
  QApplication::setPalette(dark);
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  clock.click(MainButton::Halt);
  ExpectTextsReadable(clock.window.get());
  ExpectNamed(clock.window.get());
  EXPECT_EQ(QAccessible::queryAccessibleInterface(clock.window.get())->role(), QAccessible::Window);

  // Tab from the halt button round the window: each control once, the lists passing the
  // focus on (the SO list keeps its text), in the order of the panels.
  const char* const order[] = {"haltButton", "evaluateButton", "pictureSearchButton", "midpointSearchButton",
                               "mcAxisList", "soAxisList", "asAxisList", "moAxisList", "enlargeButton",
                               "aboutButton", "introductionButton", "exitButton", "momentButton",
                               "realTimeButton", "linearGraphicBox", "intervalButton", "tempoScrollBar",
                               "lastMomentButton", "haltButton"};
  const QString soText = clock.widget<QPlainTextEdit>("soAxisList")->toPlainText();
  QStringList expected;  // what is on (no ALT.DAT: no "&Alt-Datum/Zeit")
  for (const char* name : order) {
    const QWidget* widget = clock.widget(name);
    if (widget->isVisible() && widget->isEnabled()) expected << QString::fromLatin1(name);
  }
  clock.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(clock.window.get()));
  clock.button(MainButton::Halt)->setFocus();
  QStringList visited;
  while (visited.size() < expected.size()) {
    QWidget* focused = clock.window->focusWidget();
    ASSERT_NE(focused, nullptr) << visited.size();
    visited << focused->objectName();
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(clock.widget<QPlainTextEdit>("soAxisList")->toPlainText(), soText);

  const std::pair<MainButton, const char*> windows[] = {
      {MainButton::Moment, "momentDialog"},          {MainButton::Interval, "intervalDialog"},
      {MainButton::Evaluate, "evaluationWindow"},    {MainButton::PictureSearch, "pictureSearchDialog"},
      {MainButton::MidpointSearch, "midpointSearchDialog"}, {MainButton::Enlarge, "enlargedDialWindow"},
      {MainButton::Introduction, "introductionWindow"}};
  for (const auto& [command, name] : windows) {
    bool opened = false;
    clock.clickWhileOpen(command, name, [&](QDialog& window) {
      opened = true;
      ExpectTextsReadable(&window);
      ExpectNamed(&window);
    });
    EXPECT_TRUE(opened) << name;
    clock.prompter.takeShown();
  }
}

}  // namespace
}  // namespace gyrolux
