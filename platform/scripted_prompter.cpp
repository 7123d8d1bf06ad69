#include "platform/scripted_prompter.h"

#include <QtGlobal>

namespace gyrolux {

ScriptedPrompter::ScriptedPrompter()
    : unscripted_([](const QString& description) { qFatal("%s", qPrintable(description)); }) {}

void ScriptedPrompter::answerQuestion(bool yes) { questionAnswers_.push_back(yes); }

void ScriptedPrompter::answerPrintDialog(bool accept, std::function<void(QPrinter&)> setUp) {
  printAnswers_.push_back({accept, std::move(setUp)});
}

void ScriptedPrompter::answerSaveFile(std::optional<QString> path) {
  saveFileAnswers_.push_back({path.has_value(), path.value_or(QString())});
}

std::vector<ScriptedPrompter::Shown> ScriptedPrompter::takeShown() {
  std::vector<Shown> taken;
  taken.swap(shown_);
  return taken;
}

void ScriptedPrompter::information(const QString& text) { shown_.push_back({Kind::Information, text}); }

void ScriptedPrompter::error(const QString& text) { shown_.push_back({Kind::Error, text}); }

bool ScriptedPrompter::question(const QString& text) {
  shown_.push_back({Kind::Question, text});
  if (questionAnswers_.empty()) {
    unscripted_(QStringLiteral("ScriptedPrompter: unscripted question: ") + text);
    return false;
  }
  const bool yes = questionAnswers_.front();
  questionAnswers_.pop_front();
  return yes;
}

bool ScriptedPrompter::choosePrinter(QPrinter& printer) {
  shown_.push_back({Kind::PrintDialog, QString()});
  if (printAnswers_.empty()) {
    unscripted_(QStringLiteral("ScriptedPrompter: unscripted print dialog"));
    return false;
  }
  PrintAnswer answer = std::move(printAnswers_.front());
  printAnswers_.pop_front();
  if (answer.accept && answer.setUp) answer.setUp(printer);
  return answer.accept;
}

std::optional<QString> ScriptedPrompter::chooseSaveFile(const QString& title, const QString&, const QString&) {
  shown_.push_back({Kind::SaveFileDialog, title});
  if (saveFileAnswers_.empty()) {
    unscripted_(QStringLiteral("ScriptedPrompter: unscripted file dialog: ") + title);
    return std::nullopt;
  }
  const SaveFileAnswer answer = saveFileAnswers_.front();
  saveFileAnswers_.pop_front();
  if (!answer.accept) return std::nullopt;
  return answer.path;
}

}  // namespace gyrolux
