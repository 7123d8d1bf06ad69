#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "platform/prompter.h"

namespace gyrolux {

// A Prompter for tests: answers questions and print dialogs from a queue filled by the
// test, and records every box that was shown so the test can check kind and text.
class ScriptedPrompter : public Prompter {
 public:
  enum class Kind { Information, Error, Question, PrintDialog, SaveFileDialog };
  struct Shown {
    Kind kind;
    QString text;  // as given, line breaks as CR; empty for a print dialog, the title of a file dialog
    bool operator==(const Shown&) const = default;
  };
  // Called with a description when a question or print dialog comes that no answer was
  // queued for. The default aborts the program with that description, so a test never
  // waits for a box nobody answers.
  using Unscripted = std::function<void(const QString& description)>;

  ScriptedPrompter();

  // The answer to the next question (Yes = true).
  void answerQuestion(bool yes);
  // The answer to the next print dialog. When accepted, setUp prepares the printer as a
  // user would in the dialog (a test sends it to a PDF file, say).
  void answerPrintDialog(bool accept, std::function<void(QPrinter&)> setUp = {});
  // The answer to the next file dialog for saving: the path, or nothing for cancel.
  void answerSaveFile(std::optional<QString> path);

  const std::vector<Shown>& shown() const { return shown_; }
  // The boxes shown so far, taken away so the next check starts afresh.
  std::vector<Shown> takeShown();
  // Answers queued but not yet asked for.
  std::size_t pendingAnswers() const {
    return questionAnswers_.size() + printAnswers_.size() + saveFileAnswers_.size();
  }

  void information(const QString& text) override;
  void error(const QString& text) override;
  bool question(const QString& text) override;
  bool choosePrinter(QPrinter& printer) override;
  std::optional<QString> chooseSaveFile(const QString& title, const QString& suggestedName,
                                        const QString& filter) override;

 private:
  struct PrintAnswer {
    bool accept;
    std::function<void(QPrinter&)> setUp;
  };
  std::deque<bool> questionAnswers_;
  std::deque<PrintAnswer> printAnswers_;
  struct SaveFileAnswer {
    bool accept;
    QString path;
  };
  std::deque<SaveFileAnswer> saveFileAnswers_;
  std::vector<Shown> shown_;
  Unscripted unscripted_;
};

}  // namespace gyrolux
