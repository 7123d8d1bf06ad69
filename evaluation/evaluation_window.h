#pragma once

#include <array>
#include <functional>
#include <optional>

#include <QStringList>

#include "platform/window_kit.h"

#include "evaluation/axis_lookup.h"
#include "evaluation/evaluation_lists.h"

class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace gyrolux {

struct Session;
class AxisLookupWindow;

// "Die Auswertungsmöglichkeiten": the halted constellation read as one of five lists,
// which can be printed and saved, and the door to the two axis lookups. It reads the
// session's chart and writes only the file counters (and, through a lookup, the moment's
// date and the search axis). Buttons and the view carry object names.
class EvaluationWindow : public KitWindow {
  Q_OBJECT

 public:
  explicit EvaluationWindow(Session& session, QWidget* parent = nullptr);
  ~EvaluationWindow() override;

  // "A&uswerten": no list shown, the introduction text, the window shown modally; returns
  // when it has closed (a lookup opened from it returns here first).
  void run();

  // A search stopped on a hit: when the window is not open already, the result line is
  // shown in it, modally.
  void showSearchResult(const QString& resultLine);

  // Called when a lookup stepped the moment's date, so that the main window shows it.
  std::function<void()> onDateChanged;

  // The lookups print on the default printer without a dialog; setUp prepares that
  // printer before a job (tests send it to a PDF file).
  void setDirectPrinterSetUp(std::function<void(QPrinter&)> setUp);
  // The folders where MC-ERGNW.TXT is looked for after the current directory.
  void setTextsFolders(QStringList folders) { textsFolders_ = std::move(folders); }

  ShownListKind shownKind() const { return kind_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void execShown();
  void showList(ShownListKind kind, const QStringList& lines);
  void beginList(ShownListKind kind, bool arial);
  void showFactors();
  void showAlphaCode();
  void showWinkelCode();
  void showMidpoints();
  void showMcTexts();
  void openLookup(AxisLookupKind kind);
  void print();
  void save();

  Session& session_;
  ShownListKind kind_ = ShownListKind::None;
  QStringList textsFolders_;
  std::optional<AxisLookupKind> pendingLookup_;
  QPlainTextEdit* view_;
  QPushButton* factorsButton_;
  QPushButton* printButton_;
  QPushButton* saveButton_;
  QPushButton* backButton_;
  std::array<AxisLookupWindow*, 2> lookups_{};
};

// The introduction text that "A&uswerten" shows.
QStringList EvaluationIntroduction();

}  // namespace gyrolux
