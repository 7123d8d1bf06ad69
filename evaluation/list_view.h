#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

class QPlainTextEdit;
class QPrinter;
class QWidget;

namespace gyrolux {

// The read-only text view of a list window: cream, a vertical scroll bar when needed;
// with wrap, a line wider than the view goes on in the next line, broken at a blank.
QPlainTextEdit* MakeListView(QWidget* parent, const QString& objectName, const QRect& geometry, const QFont& font,
                             bool wrap);

// Puts the lines into the view, each as one line of text, and shows the first line.
void ShowLines(QPlainTextEdit* view, const QStringList& lines);

// The lines as the view displays them: a wrapped line gives one line per row of the view.
// These are what a list prints and saves.
QStringList DisplayedLines(const QPlainTextEdit* view);

// Prints a list as the plain text device does: one empty line, then every line after a
// margin of 11 blanks, in "courier new" 8 points. False with the German reason in *error
// when the printer refuses the job.
bool PrintList(QPrinter& printer, const QStringList& lines, QString* error = nullptr);

}  // namespace gyrolux
