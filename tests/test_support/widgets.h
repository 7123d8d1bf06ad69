#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QString>

namespace gyrolux::testing {

// The child of root with that object name and type; a test failure (and nullptr) when
// there is none.
template <typename T>
T* Child(const QObject* root, const QString& name) {
  T* child = root->findChild<T*>(name);
  EXPECT_NE(child, nullptr) << "no child named " << name.toStdString();
  return child;
}

}  // namespace gyrolux::testing
