#pragma once

#include <array>
#include <memory>


#include "dialogs/alarm_search_job.h"
#include "platform/window_kit.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace gyrolux {

struct Session;

// The two alarm searches: "Planetenbild-Suche" (A / B = C / D) and "Halbsummen-Suche"
// (1.Faktor, 2.Faktor, Grad, Minuten). The four fields are checked as the focus leaves
// them; the last check starts the search, which runs on a thread of its own while the
// window shows the year reached and, from the first new year on, "&Abbruch". The dialog
// closes when the search ends and leaves the chart at the moment where it stopped, with
// SearchFound and the result line set.
//
// Object names: the dialog "pictureSearchDialog" or "midpointSearchDialog"; the fields
// "fieldA" .. "fieldD" or "factor1Field", "factor2Field", "degreesField", "minutesField";
// "intervalLine", "yearLine", "abortButton", "escLabel", "helpText".
class SearchDialog : public KitWindow {
 public:
  SearchDialog(Session& session, AlarmKind kind, QWidget* parent = nullptr);
  ~SearchDialog() override;

  // Shown modally: "&Abbruch" hidden, the progress lines cleared, the focus in the first
  // field, whose text (like the others) stays from the search before.
  void run();

  // The search the dialog runs; FastAlarmSearch unless told otherwise.
  void setSearchFunction(AlarmSearchFunction search) { search_ = search; }

  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool escapePressed() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildFieldRow();
  void leaveField(int index, QWidget* now);
  void fieldEdited(int index, const QString& text);
  void moveFocus(QWidget* to);
  void putFocus(QWidget* to);
  bool checkFirstPair();
  void checkAndSearch();
  void startSearch(const AlarmQuery& query);
  void poll();
  void abortSearch();
  void finishSearch();

  Session& session_;
  AlarmKind kind_;
  AlarmSearchFunction search_ = FastAlarmSearch;
  std::array<QLineEdit*, 4> fields_{};
  QPlainTextEdit* helpText_ = nullptr;
  QLabel* intervalLine_ = nullptr;
  QLabel* yearLine_ = nullptr;
  QPushButton* abortButton_ = nullptr;
  QLabel* escLabel_ = nullptr;
  QTimer* pollTimer_ = nullptr;

  std::unique_ptr<AlarmSearchJob> job_;
  AlarmQuery query_;
  int shownYear_ = 0;
  // Quiet while the dialog opens or closes: focus changes then check nothing.
  FieldLeaveWatch* leaveWatch_ = nullptr;
};

}  // namespace gyrolux
