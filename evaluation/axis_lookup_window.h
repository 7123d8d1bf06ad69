#pragma once

#include <functional>


#include "platform/window_kit.h"

#include "evaluation/axis_lookup.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace gyrolux {

struct Session;

// "Suche in einer Grad-Achse" and "Suche in einer Halbsummen-Achse": the midpoints in one
// axis, given by two fields (degrees and minutes, or two factor names). Yellow while it
// waits for input, green with its list and its buttons once a lookup is made. It writes
// the search angle or the first search pair, and with "&Nächster Tag" the moment's date.
class FieldLeaveWatch;

class AxisLookupWindow : public KitWindow {
  Q_OBJECT

 public:
  AxisLookupWindow(Session& session, AxisLookupKind kind, QWidget* parent = nullptr);

  // Opened from the evaluation window: the caption, the colour and the buttons of the
  // waiting state, the focus in the first field; returns when it has closed.
  void run();

  // Called after "&Nächster Tag" has stepped the date.
  std::function<void()> onDateChanged;
  // Prepares the printer of a direct print (tests send it to a PDF file).
  void setPrinterSetUp(std::function<void(QPrinter&)> setUp) { printerSetUp_ = std::move(setUp); }

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void moveOn(int field);
  void checkFields();
  void rebuildList();
  void nextDay();
  void print();
  void save();
  void setWaiting(bool waiting);

  Session& session_;
  AxisLookupKind kind_;
  std::function<void(QPrinter&)> printerSetUp_;
  DegreeAxisEntry degreeEntry_;
  FieldLeaveWatch* leaveWatch_;

  QPlainTextEdit* view_;
  QLineEdit* fields_[2];
  QLabel* escLabel_;
  QPushButton* printButton_;
  QPushButton* saveButton_;
  QPushButton* nextDayButton_;
  QPushButton* backButton_;
};

}  // namespace gyrolux
