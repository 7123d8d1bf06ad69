#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace gyrolux::testing {

// Watches the modal windows of a window test: one that stays open longer than the limit
// (nobody scripted an answer for it) is a test failure naming its title, and is closed, so
// that the run goes on instead of hanging until the ctest timeout.
class ModalWatchdog : public QObject {
 public:
  explicit ModalWatchdog(int limitMilliseconds = 10000);

 private:
  void check();

  QTimer timer_;
  int limit_;
  QPointer<QWidget> watched_;
  qint64 openSince_ = 0;
};

// The watchdog of the GUI test main.
ModalWatchdog& TheModalWatchdog();

}  // namespace gyrolux::testing
