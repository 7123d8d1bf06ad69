#pragma once

#include <functional>

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "tests/test_support/widgets.h"

namespace gyrolux::testing {

// Runs act in the shown top-level window of that object name as soon as it is open (the
// command that opens it runs it modally), then closes it if act left it open.
inline void WhileOpen(const char* name, std::function<void(QDialog&)> act) {
  QTimer::singleShot(0, [name, act] {
    QDialog* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == QLatin1String(name) && top->isVisible()) window = qobject_cast<QDialog*>(top);
    }
    ASSERT_NE(window, nullptr) << name;
    act(*window);
    if (window->isVisible()) window->reject();
  });
}

}  // namespace gyrolux::testing
