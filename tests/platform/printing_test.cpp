#include "platform/printing.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QPrinter>

#include "platform/colors.h"
#include "platform/font_faces.h"
#include "tests/test_support/files.h"

namespace gyrolux {
namespace {

using testing::PdfText;

TEST(PrintingTest, PageSizesRoundUpToTheNextHundredStrictlyAbove) {
  // Strictly above, and never an overflow.
  const std::pair<int, int> rounded[] = {{5000, 5100}, {INT_MAX, 2147483600}};
  for (const auto& [size, above] : rounded) EXPECT_EQ(NextHundredAbove(size), above) << size;

  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, QStringLiteral("x.pdf"));
  const QSize page = PrintablePageSize(printer);
  // A4 at 600 dpi is 4961 x 7016 pixels; the printable part lies within.
  EXPECT_TRUE(page.width() > 4000 && page.width() <= 4961) << page.width();
  EXPECT_TRUE(page.height() > 6000 && page.height() <= 7016) << page.height();
  EXPECT_GT(DefaultPrinterPageSize().width(), 0);
}

TEST(PrintingTest, AListComesOutLineByLineWithAPageBreakWhereItBelongs) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, QStringLiteral("list.pdf"));
  const int pageHeight = PrintablePageSize(printer).height();
  // 8 points at 600 dpi are 67 pixels; a text line advances by the font's height + 2.
  const QFont font = QFontFor(PictureFont{QStringLiteral("courier new"), 8, false, clBlack}, 600);
  ASSERT_EQ(font.pixelSize(), 67);
  const int advance = QFontMetrics(font, &printer).height() + 2;
  // After line i the pen stands at i * advance; the page is full once less than two
  // advances remain below it.
  int linesOnFirstPage = 1;
  while (pageHeight - linesOnFirstPage * advance >= 2 * advance) ++linesOnFirstPage;

  const int total = linesOnFirstPage + 10;
  TextPrinter text(printer);
  ASSERT_TRUE(text.begin());
  for (int i = 1; i <= total; ++i) text.writeLine(QStringLiteral("           Zeile %1 mit 12°34'").arg(i, 3, 10, QLatin1Char('0')));
  ASSERT_TRUE(text.end());
  EXPECT_EQ(text.pagesStarted(), 2);

  const QString pdf = PdfText(QStringLiteral("list.pdf"));
  const QStringList pages = pdf.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
  ASSERT_GE(pages.size(), 2);
  auto numbersOn = [](const QString& page) {
    QList<int> numbers;
    for (const QString& trimmed : testing::NonEmptyTrimmed(page.split(u'\n'))) {
      EXPECT_TRUE(trimmed.startsWith(QStringLiteral("Zeile ")) && trimmed.endsWith(QStringLiteral("mit 12°34'")))
          << trimmed.toStdString();
      numbers << trimmed.mid(6, 3).toInt();
    }
    return numbers;
  };
  const QList<int> first = numbersOn(pages[0]), all = first + numbersOn(pages[1]);
  EXPECT_EQ(first.size(), linesOnFirstPage);
  ASSERT_EQ(all.size(), total);
  for (int i = 0; i < all.size(); ++i) EXPECT_EQ(all[i], i + 1);
}

TEST(PrintingTest, EmptyLinesAdvanceAndLongLinesWrap) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, QStringLiteral("wrap.pdf"));
  TextPrinter text(printer);
  ASSERT_TRUE(text.begin());
  text.writeLine(QString());
  text.writeLine(QStringLiteral("Kopf"));
  text.writeLine(QString(300, QLatin1Char('x')));  // far wider than the page
  text.writeLine(QStringLiteral("Ende"));
  ASSERT_TRUE(text.end());
  const QStringList lines = testing::NonEmptyTrimmed(PdfText(QStringLiteral("wrap.pdf")).split(u'\n'));
  ASSERT_GE(lines.size(), 4);
  EXPECT_EQ(lines.front(), QStringLiteral("Kopf"));
  EXPECT_EQ(lines.back(), QStringLiteral("Ende"));
  QString wrapped;
  for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
    EXPECT_LT(lines[i].size(), 300);
    wrapped += lines[i];
  }
  EXPECT_EQ(wrapped, QString(300, QLatin1Char('x')));
}

TEST(PrintingTest, APrinterThatCannotPrintIsReportedInGerman) {
  QPrinter broken(QPrinter::HighResolution);
  SetUpPdfPrinter(broken, QStringLiteral("no/such/folder/out.pdf"));
  PrintJob refused(broken);
  QString error;
  EXPECT_FALSE(refused.begin(&error));
  EXPECT_EQ(error, PrintFailedText());
  EXPECT_FALSE(refused.end());
  TextPrinter refusedText(broken);
  EXPECT_FALSE(refusedText.begin());
  refusedText.writeLine(QStringLiteral("nothing happens"));
}

}  // namespace
}  // namespace gyrolux
