#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/prompter.h"

namespace gyrolux {

// The Prompter of the running program: modal message boxes with German buttons (once
// the German translations are installed) and the platform's print and file dialogs.
class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent = nullptr, QString title = QStringLiteral("Die Mini-Gyrolux"));

  void setParent(QWidget* parent) { parent_ = parent; }

  void information(const QString& text) override;
  void error(const QString& text) override;
  bool question(const QString& text) override;
  bool choosePrinter(QPrinter& printer) override;
  std::optional<QString> chooseSaveFile(const QString& title, const QString& suggestedName,
                                        const QString& filter) override;

 private:
  QPointer<QWidget> parent_;
  QString title_;
};

// The system's texts break lines with a single CR; a message box wants LF.
QString BoxText(const QString& text);

}  // namespace gyrolux
