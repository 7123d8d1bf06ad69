#pragma once

#include <optional>

#include <QString>

class QPrinter;

namespace gyrolux {

// Every message box, question, print and file dialog of the system goes through a Prompter,
// so that tests can answer them by script. Line breaks in the texts are single CR
// characters.
class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual void information(const QString& text) = 0;  // OK
  virtual void error(const QString& text) = 0;        // OK
  virtual bool question(const QString& text) = 0;     // Yes (true) or No (false)
  // The print dialog for printer; false when the user cancels.
  virtual bool choosePrinter(QPrinter& printer) = 0;
  // The file dialog for saving: the path chosen (the dialog has asked before replacing an
  // existing file), or nothing when the user cancels. filter as in a file dialog
  // ("PDF-Dateien (*.pdf)"). A prompter without a file dialog cancels.
  virtual std::optional<QString> chooseSaveFile(const QString& title, const QString& suggestedName,
                                                const QString& filter) {
    (void)title, (void)suggestedName, (void)filter;
    return std::nullopt;
  }
};

}  // namespace gyrolux
