#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "events/event_search.h"
#include "platform/window_kit.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace gyrolux {

struct Session;
class EventTableModel;

// "Ereignisliste": for a radix of the library and a period, every transit, transit
// midpoint and solar-arc direction onto the radix within the orb, sorted by the exact
// moment, with entering, exact and leaving in world time and in the radix zone's local
// time. The search runs beside the window, which shows its progress and can stop it.
// Print, save as a numbered text file (EREI-nn.TXT), export CSV and iCalendar.
class EventListWindow : public KitWindow {
 public:
  explicit EventListWindow(Session& session, QWidget* parent = nullptr);
  ~EventListWindow() override;

  // Fills the radix list from the library and runs the window modally.
  void run();

  // The lines of the list as printed and saved: a head naming the radix, the period and
  // the orb, then one line per event.
  QStringList ListLines() const;

  // Closing stops a running search first.
  void reject() override;

 protected:
  bool escapePressed() override;

 private:
  void fillRadixList();
  void startSearch();
  void stopSearch();
  void takeFound();
  void searchEnded();
  void setSearching(bool searching);
  void printList();
  void saveList();
  void exportFile(bool calendar);

  Session& session_;
  QComboBox* radixBox_ = nullptr;
  QLineEdit* fromField_ = nullptr;
  QLineEdit* toField_ = nullptr;
  QLineEdit* orbField_ = nullptr;
  std::vector<QCheckBox*> kindBoxes_;
  std::vector<std::pair<int, QCheckBox*>> factorBoxes_;
  QTableView* table_ = nullptr;
  EventTableModel* model_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  QLabel* statusLabel_ = nullptr;
  QPushButton* searchButton_ = nullptr;
  QPushButton* abortButton_ = nullptr;
  std::vector<QPushButton*> outputButtons_;
  QTimer* poll_ = nullptr;

  // The search shown: its query, the radix's name and zone.
  EventQuery query_;
  QString radixName_;
  QString radixZone_;
  int savedNumber_ = 1;

  // Handed over from the searching thread.
  std::jthread worker_;
  std::atomic<bool> abort_{false};
  std::atomic<bool> finished_{false};
  std::atomic<bool> truncated_{false};  // the list was full before the period's end
  std::atomic<double> progress_{0.0};
  std::mutex mutex_;
  std::vector<RadixEvent> found_;
  EventSearchEnd end_ = EventSearchEnd::Done;
};

}  // namespace gyrolux
