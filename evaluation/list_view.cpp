#include "evaluation/list_view.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "platform/colors.h"
#include "platform/printing.h"
#include "platform/window_kit.h"

namespace gyrolux {

QPlainTextEdit* MakeListView(QWidget* parent, const QString& objectName, const QRect& geometry, const QFont& font,
                             bool wrap) {
  QPlainTextEdit* view = MakeTextPanel(parent, objectName, QStringLiteral("Liste"), geometry, font, clCream);
  view->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  view->setWordWrapMode(QTextOption::WordWrap);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
  return view;
}

void ShowLines(QPlainTextEdit* view, const QStringList& lines) {
  view->setPlainText(lines.join(u'\n'));
  view->moveCursor(QTextCursor::Start);
  view->verticalScrollBar()->setValue(0);
}

QStringList DisplayedLines(const QPlainTextEdit* view) {
  QStringList lines;
  const QTextDocument* document = view->document();
  auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (layout) layout->ensureBlockLayout(block);
    const QString text = block.text();
    const QTextLayout* rows = block.layout();
    if (!rows || rows->lineCount() <= 1) {
      lines << text;
      continue;
    }
    for (int i = 0; i < rows->lineCount(); ++i) {
      const QTextLine row = rows->lineAt(i);
      lines << text.mid(row.textStart(), row.textLength());
    }
  }
  return lines;
}

bool PrintList(QPrinter& printer, const QStringList& lines, QString* error) {
  TextPrinter text(printer);
  if (!text.begin(error)) return false;
  text.writeLine(QString());
  const QString margin(11, u' ');
  for (const QString& line : lines) text.writeLine(margin + line);
  return text.end(error);
}

}  // namespace gyrolux
