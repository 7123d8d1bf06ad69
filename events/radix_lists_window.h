#pragma once

#include <QStringList>

#include "events/radix_lists.h"
#include "platform/window_kit.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace gyrolux {

struct Session;
class Prompter;

// "Radix-Listen": the lists of the clock's moment against the loaded radix (Transite →
// Radix, Sonnenbogen, Progression, Summen/Differenzen) in a list view as the evaluation
// window shows its lists, with print and a numbered save (RLST-nn.TXT).
class RadixListsWindow : public KitWindow {
 public:
  explicit RadixListsWindow(Session& session, QWidget* parent = nullptr);
  void run();

 private:
  void showKind(RadixListKind kind);
  void print();
  void save();

  Session& session_;
  QPlainTextEdit* view_ = nullptr;
  QLabel* noRadixLabel_ = nullptr;
  std::vector<QPushButton*> listButtons_;
  QPushButton* printButton_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  int savedNumber_ = 1;
};

// Saves lines in the working folder under PREFIX-nn.TXT, the first number from `number`
// on whose file does not exist yet (a save never replaces a file of an earlier run), in
// Windows-1252 with CR LF after one empty line, and tells the user where or why not.
void SaveNumberedList(Prompter& prompter, const QString& prefix, int& number, const QStringList& lines,
                      const QString& what);

}  // namespace gyrolux
