#include "tests/test_support/modal_watchdog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QDialog>

namespace gyrolux::testing {

ModalWatchdog::ModalWatchdog(int limitMilliseconds) : limit_(limitMilliseconds) {
  timer_.setInterval(100);
  connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::check);
  timer_.start();
}

void ModalWatchdog::check() {
  QWidget* modal = QApplication::activeModalWidget();
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  if (modal != watched_) {
    watched_ = modal;
    openSince_ = now;
    return;
  }
  if (!modal || now - openSince_ < limit_) return;
  const QString title = modal->windowTitle().trimmed().isEmpty() ? modal->objectName() : modal->windowTitle().trimmed();
  ADD_FAILURE() << "a modal window stayed open without a scripted answer: \"" << title.toStdString() << '"';
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
  watched_ = nullptr;
}

ModalWatchdog& TheModalWatchdog() {
  static ModalWatchdog watchdog;
  return watchdog;
}

}  // namespace gyrolux::testing
