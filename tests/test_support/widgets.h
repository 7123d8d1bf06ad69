#pragma once

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QTimer>

#include "platform/scripted_prompter.h"

namespace gyrolux::testing {

// The child of root with that object name and type; a test failure (and nullptr) when
// there is none.
template <typename T = QWidget>
T* Child(const QObject* root, const QString& name) {
  T* child = root->findChild<T*>(name);
  EXPECT_NE(child, nullptr) << "no child named " << name.toStdString();
  return child;
}
template <typename T = QWidget>
T* Child(const QObject* root, const char* name) { return Child<T>(root, QString::fromLatin1(name)); }

inline QPushButton* Button(const QObject* root, const char* name) { return Child<QPushButton>(root, name); }
inline void Click(const QObject* root, const char* name) { QTest::mouseClick(Button(root, name), Qt::LeftButton); }

// Types into whichever widget has the focus, one key after the other (the focus may move
// between two keys).
inline void Type(const QString& text) {
  for (QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
}
inline void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

// Runs a modal window (its run() or exec()) and acts in it as soon as it is shown and
// active; returns whether act left it open, and then closes it.
template <typename Window>
bool RunWindow(Window& window, const std::function<void()>& act) {
  bool stillOpen = false;
  QTimer::singleShot(0, &window, [&] {
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    act();
    stillOpen = window.isVisible();
    if (stillOpen) window.reject();
  });
  if constexpr (requires { window.run(); }) {
    window.run();
  } else {
    window.exec();
  }
  return stillOpen;
}

// Acts in a window once it is shown and active (a window that another one opens on
// closing shows only after that one's event loop has ended), so that the focus moves as
// a user sees it.
inline void WhenShown(QWidget* window, std::function<void()> act) {
  QTimer::singleShot(5, window, [window, act = std::move(act)] {
    if (window->isVisible() && window->isActiveWindow()) {
      act();
    } else {
      WhenShown(window, act);
    }
  });
}

// Runs act in the shown top-level window of that object name as soon as it is open (the
// command that opens it runs it modally), then closes it if act left it open. The flag
// returned says whether it was open.
inline std::shared_ptr<bool> WhileOpen(const char* name, std::function<void(QDialog&)> act) {
  auto opened = std::make_shared<bool>(false);
  QTimer::singleShot(0, [name, act, opened] {
    QDialog* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == QLatin1String(name) && top->isVisible()) window = qobject_cast<QDialog*>(top);
    }
    ASSERT_NE(window, nullptr) << name;
    *opened = true;
    act(*window);
    if (window->isVisible()) window->reject();
  });
  return opened;
}

// The texts of the boxes shown since the last call, of every kind.
inline QStringList TakeTexts(ScriptedPrompter& prompter) {
  QStringList texts;
  for (const ScriptedPrompter::Shown& box : prompter.takeShown()) texts << box.text;
  return texts;
}

// The texts of the boxes of one kind shown so far.
inline QStringList ShownTexts(const ScriptedPrompter& prompter, ScriptedPrompter::Kind kind) {
  QStringList texts;
  for (const ScriptedPrompter::Shown& box : prompter.shown()) {
    if (box.kind == kind) texts << box.text;
  }
  return texts;
}
inline QStringList Errors(const ScriptedPrompter& prompter) { return ShownTexts(prompter, ScriptedPrompter::Kind::Error); }

}  // namespace gyrolux::testing
