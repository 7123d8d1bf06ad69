#include "platform/qt_prompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace gyrolux {

namespace {

int ShowBox(QWidget* parent, const QString& title, QMessageBox::Icon icon, const QString& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, title, BoxText(text), buttons, parent);
  box.setDefaultButton(defaultButton);
  box.setTextFormat(Qt::PlainText);
  return box.exec();
}

}  // namespace

QString BoxText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

QtPrompter::QtPrompter(QWidget* parent, QString title) : parent_(parent), title_(std::move(title)) {}

void QtPrompter::information(const QString& text) {
  ShowBox(parent_, title_, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtPrompter::error(const QString& text) {
  ShowBox(parent_, title_, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtPrompter::question(const QString& text) {
  return ShowBox(parent_, title_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                 QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtPrompter::choosePrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtPrompter::chooseSaveFile(const QString& title, const QString& suggestedName,
                                                  const QString& filter) {
  const QString path = QFileDialog::getSaveFileName(parent_, title, suggestedName, filter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

}  // namespace gyrolux
