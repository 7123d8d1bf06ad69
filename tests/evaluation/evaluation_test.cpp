// The lists, lookups, prints and saves on charts set by hand, for what random moments
// seldom reach (a five-digit year, the last day, the texts file, full disks); the layout of
// the Alpha-Code, Winkel-Code (with its ties, about 1.4 a chart), Halbsummen and axis lists
// with their groups, ditto lines and fillers is held against the independent
// implementation (reference_lists_compare).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "engine/angles.h"
#include "evaluation/axis_lookup.h"
#include "evaluation/diagram_prints.h"
#include "evaluation/evaluation_lists.h"
#include "evaluation/list_files.h"
#include "evaluation/mc_texts.h"
#include "evaluation/numbered_files.h"
#include "platform/colors.h"
#include "tests/test_support/charts.h"
#include "tests/test_support/file_size_limit.h"
#include "tests/test_support/files.h"

namespace gyrolux {
namespace {

// A chart whose longitudes are set by hand: every factor at background, then the listed
// ones moved; the texts of 01.01.2000, 12:00 at 10°00' E, 50°00' N.
Chart HandChart(std::initializer_list<std::pair<int, double>> placed, double background = 10.0) {
  Chart chart = testing::ChartOn(1, 1, 2000, 12.0);
  chart.state.factorLongitude.fill(background);
  for (const auto& [factor, longitude] : placed) chart.state.factorLongitude[static_cast<size_t>(factor)] = longitude;
  return chart;
}

const QString kMoment = QStringLiteral("12:00:00 WZ/GMT, L:+010°00', B:+50°00'");

// Each list's header through the window: evaluation_windows_test.cpp.
TEST(EvaluationListsTest, HeaderLineCutsALongDate) {
  Chart chart = HandChart({});
  chart.texts.dateText = QStringLiteral("01.01.20000");
  EXPECT_EQ(ListHeaderLine(AlphaCodeTitle(), chart), QStringLiteral(" Alpha-Code 01.01.20000,") + kMoment);
}

TEST(EvaluationListsTest, FactorsWithTheMcHousesAndTheMainData) {
  Chart chart = HandChart({{MC, 10.0}, {SO, 280.5}});
  // With the equator as ecliptic (obliquity 0) the MC houses start at the sidereal angle.
  chart.state.ramc = DegToRad(15.0);
  chart.texts.siderealText = QStringLiteral("06:41:50");
  chart.texts.indexDateText = QStringLiteral("02.07.1999");
  const QStringList lines = FactorsList(chart);
  ASSERT_EQ(lines.size(), 2 + 23 + 1 + 21);
  EXPECT_EQ(lines[1], QStringLiteral("  "));
  EXPECT_EQ(lines[2], QStringLiteral("  MC  10°00' WID (10°00')      MC-Haus: 10  15°00' WID"));
  EXPECT_EQ(lines[4], QStringLiteral("  SO  10°30' STE (10°30')      MC-Haus: 12  15°00' ZWI"));
  EXPECT_TRUE(lines[13].endsWith(QStringLiteral("MC-Haus: 09  15°00' FIS")));
  EXPECT_TRUE(lines[14].endsWith(u')'));
  EXPECT_EQ(lines[20], QStringLiteral("  AP  10°00' WID (10°00')      Hauptdaten:"));
  EXPECT_TRUE(lines[21].endsWith(QStringLiteral("      Stz:         06:41:50")));
  EXPECT_TRUE(lines[24].startsWith(QStringLiteral("  GZ  ")) && lines[24].endsWith(QStringLiteral("      Index Dat:   02.07.1999")));
  EXPECT_EQ(lines[26], QStringLiteral("  Bedeutungsbereiche der MC-Häuser:"));
  EXPECT_EQ(lines.last(), QStringLiteral("      geschlossene Gesellschaften und Räumlichkeiten"));
}

TEST(EvaluationListsTest, McTextsShowTheEntriesInTheAxisWithTheirHouses) {
  // MC and SO at 0 (axis 0), MO at 10: MC|SO and SO|SO stand in the axis, MC|MO does not.
  const Chart chart = HandChart({{MC, 0.0}, {SO, 0.0}, {MO, 10.0}});
  const QStringList file = {
      QStringLiteral("Kopf der Datei"),      QStringLiteral("MC/MC = MC|SO erster"), QStringLiteral("Text mit sechs"),
      QStringLiteral("12345"),               QStringLiteral("MC/MC = mc|so klein"),  QStringLiteral("nicht gezeigt"),
      QStringLiteral(""),                    QStringLiteral("MC/MC = XX|SO fremd"),  QStringLiteral("fremd gezeigt?"),
      QStringLiteral(""),                    QStringLiteral("MC/MC = MC|MO weit"),   QStringLiteral("abcdef"),
      QStringLiteral(""),                    QStringLiteral("MC/MC = MC|"),          QStringLiteral("MC/MC = SO|SO Sonne"),
      QStringLiteral("123456"),              QStringLiteral("am Ende"),
  };
  const QStringList expected = {
      QStringLiteral("  MC/MC = MC|SO erster,10"),
      QStringLiteral("  Text mit sechs"),
      QStringLiteral("  Bezieht sich auf Ziele und Höhen am Tage, im Monat, im Jahr, im Leben, im Beruf, in der "
                     "Öffentlichkeit,"),
      QStringLiteral("  in der Außendarstellung"),
      QStringLiteral(" "),
      QStringLiteral("  MC/MC = SO|SO Sonne,04"),
      QStringLiteral("  123456"),
      QStringLiteral("  am Ende"),
      QStringLiteral("  Bezieht sich auf Haus und Heim, Häuslichkeit, Kinderstube, Elternhaus, Grund und Boden,"),
      QStringLiteral("  Innendarstellung"),
      QStringLiteral(" "),
  };
  EXPECT_EQ(McTextEntries(chart, kPictureOrb, file), expected);
  EXPECT_EQ(McTextsHeadLines(chart)[1], QStringLiteral("  MC/MC-Achsen-Texte 01.01.2000, ") + kMoment);

  const McTextsList missing = BuildMcTextsList(chart, kPictureOrb, std::nullopt);
  EXPECT_EQ(missing.lines, McTextsHeadLines(chart));
  EXPECT_EQ(missing.message, QStringLiteral("Die Datei MC-ERGNW.TXT fehlt im aktuellen Verzeichnis! "));
  // Found without regard to case, in the current directory before the other folders.
  testing::WriteBytes(QStringLiteral("Mc-Ergnw.TXT"), "MC/MC = SO|MC hier\r\nText im Verzeichnis\r\n");
  const auto found = FindMcTextsFile({QStringLiteral(GYROLUX_SOURCE_DIR "/resources")});
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(QFileInfo(*found).absoluteFilePath(), QDir::current().absoluteFilePath(QStringLiteral("Mc-Ergnw.TXT")));
  EXPECT_EQ(BuildMcTextsList(chart, kPictureOrb, found).lines.mid(6, 2),
            (QStringList{QStringLiteral("  MC/MC = SO|MC hier,04"), QStringLiteral("  Text im Verzeichnis")}));
}

// A texts file is read up to 4 MB and 65,536 lines; beyond either the list says so.
TEST(EvaluationListsTest, McTextsFileHasALimit) {
  const Chart chart = HandChart({{MC, 0.0}, {SO, 0.0}});
  const QByteArray head = "MC/MC = SO|MC hier\r\n";  // in the axis: shown when read
  const QString tooLarge =
      QStringLiteral("Die Datei MC-ERGNW.TXT ist zu groß: gelesen werden höchstens 4 MB und 65536 Zeilen.");
  const struct {
    const char* what;
    QByteArray bytes;
    bool headShown;
    QString message;
  } rows[] = {
      {"4 MB", head + QByteArray(4 * 1024 * 1024 - head.size(), 'x'), true, {}},
      {"4 MB and a byte", head + QByteArray(4 * 1024 * 1024 - head.size() + 1, 'x'), false, tooLarge},
      {"65,536 lines", QByteArray("\r\n").repeated(65535) + head, true, {}},
      {"65,537 lines", QByteArray("\r\n").repeated(65535) + head + "x", true, tooLarge},
      {"65,537th line holds the head", QByteArray("\r\n").repeated(65536) + head, false, tooLarge},
  };
  for (const auto& row : rows) {
    testing::WriteBytes(QStringLiteral("MC-ERGNW.TXT"), row.bytes);
    const McTextsList list = BuildMcTextsList(chart, kPictureOrb, QStringLiteral("MC-ERGNW.TXT"));
    EXPECT_EQ(list.lines.contains(QStringLiteral("  MC/MC = SO|MC hier,04")), row.headShown) << row.what;
    EXPECT_EQ(list.message.toStdString(), row.message.toStdString()) << row.what;
  }
}

// Which entries a lookup takes and the lines it shows are held against the independent
// implementation (reference_lists_compare), the degree axis's caption in the window test;
// here the caption of the midpoint lookup and the last day a lookup steps to.
TEST(AxisLookupTest, TheMidpointCaptionAndTheNextDayStopsAtTheLastDayOfYear9999) {
  const auto pair = ReadAxisPair(QStringLiteral("so"), QStringLiteral("Mc"));
  ASSERT_TRUE(pair.has_value());
  EXPECT_EQ(MidpointAxisCaption(*pair), QString(35, u' ') + QStringLiteral("Halbsummen in der Achse  MC/SO"));
  Chart chart = testing::ChartOn(28, 2, 2024, 10.25);
  chart.state.factorLongitude.fill(10.0);
  ASSERT_TRUE(StepLookupDay(chart));
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("29.02.2024"));
  EXPECT_TRUE(chart.moment.day == 29 && chart.moment.hours == 10.25);
  EXPECT_NE(chart.state.factorLongitude[SO], 10.0);  // recomputed
  chart = testing::ChartOn(31, 12, 9999, 10.25);
  EXPECT_FALSE(StepLookupDay(chart));
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("31.12.9999"));
}

TEST(DiagramPrintsTest, TheDialPageByPageWidth) {
  const Chart moment = testing::ChartOn(5, 12, 2026, testing::kMorning);
  struct Case {
    int width, dpi;
    int pointSize, rowStep, columnStep;
  };
  // 8 points below a width of 3000, 10 above; at 600 dpi 10 points need wider steps
  // than 80 and 800 (a row of 19 characters of 0.6 x 83 pixels alone is 950 wide).
  for (const Case& c : {Case{2500, 300, 8, 40, 500}, Case{3000, 300, 8, 40, 500}, Case{3100, 360, 10, 80, 800},
                        Case{4800, 600, 10, 100, 1046}}) {
    const int height = 7100;
    const PrintedPage page = DialPrintPage(moment, {MC, 0}, QStringLiteral("010°00' E, 50°00' N"), c.width, height, c.dpi);
    ASSERT_EQ(page.texts.size(), 2u + kFactorCount);
    EXPECT_EQ(page.texts[0].text, QStringLiteral("MC-Häuser"));
    EXPECT_EQ(page.texts[1].text,
              QStringLiteral("   Datum / Zeit: Sa, 05.12.2026 / 10:29:50 WZ/GMT    Ort: 010°00' E, 50°00' N"));
    EXPECT_EQ(page.texts[1].at, QPoint(180, 3 * height / 4));  // the page's moment at three quarters of its height
    // Four columns of 6, 6, 6 and 5 rows.
    for (int row = 0; row < kFactorCount; ++row) {
      const PageText& text = page.texts[2 + row];
      EXPECT_EQ(text.font, (PictureFont{QStringLiteral("courier new"), c.pointSize, false, clBlack}));
      EXPECT_EQ(text.at, QPoint(180 + c.columnStep * (row / 6), 4 * height / 5 + c.rowStep * (row % 6)))
          << c.width << ' ' << row;
    }
  }
  // Turned, or another circle turned: no title.
  for (const HouseCircle circle : {HouseCircle{MC, 1}, HouseCircle{AS, -180}}) {
    const PrintedPage page = DialPrintPage(moment, circle, QString(), 4800, 7100, 600);
    EXPECT_EQ(page.texts.size(), 1u + kFactorCount);
    EXPECT_FALSE(page.texts[0].text.contains(QStringLiteral("Häuser")));
  }
}

// Which number a save takes: NumberedFilesTest; here what is written, and a full disk (an
// error naming the file, no file left behind, the next number taken next).
TEST(ListFilesTest, SavedListsAreWindows1252WithCrLfAndAFailedSaveIsReported) {
  FileCounters counters;
  const ListSave first = SaveListFile(NumberedFileKind::Factors, {QStringLiteral(" Kopf"), QStringLiteral("12°34'ä")}, counters);
  EXPECT_TRUE(first.saved);
  EXPECT_EQ(first.message, QStringLiteral("Die aktuelle Liste wurde gespeichert in  FAKT-01.TXT  im aktuellen Verzeichnis."));
  EXPECT_EQ(testing::ReadBytes(QStringLiteral("FAKT-01.TXT")), QByteArray("\r\n Kopf\r\n12\xB0" "34'\xE4\r\n"));
  {
    testing::FileSizeLimit limit(8);
    const ListSave failed = SaveListFile(NumberedFileKind::Factors, {QString(100, u'x')}, counters);
    EXPECT_FALSE(failed.saved);
    EXPECT_TRUE(failed.message.contains(QStringLiteral("FAKT-02.TXT"))) << failed.message.toStdString();
    EXPECT_FALSE(failed.message.contains(QStringLiteral("gespeichert")));
  }
  EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{QStringLiteral("FAKT-01.TXT")});
  EXPECT_EQ(SaveListFile(NumberedFileKind::Factors, {}, counters).fileName, QStringLiteral("FAKT-03.TXT"));
}

// The names of the first saves and the counter the two lookups share are seen in the
// window tests; here the kinds they leave out, numbers past 99 and files of an earlier run.
TEST(NumberedFilesTest, NamesByKindAndNumberAndAFileKeptFromAnEarlierRunIsNeverTaken) {
  const CivilDate date{5, 12, 2026};
  EXPECT_EQ(NumberedFileName(NumberedFileKind::Midpoints, 100, date), QStringLiteral("HALB-100.TXT"));
  EXPECT_EQ(NumberedFileName(NumberedFileKind::McTexts, 9, date), QStringLiteral("MCTE-09.TXT"));
  // Counting on, never wrapping to 0.
  EXPECT_EQ(NumberedFileName(NumberedFileKind::Factors, 256, date), QStringLiteral("FAKT-256.TXT"));
  for (const char* kept : {"FAKT-01.TXT", "fakt-02.txt", "FAKT-04.TXT"}) QFile(QString::fromLatin1(kept)).open(QIODevice::WriteOnly);
  EXPECT_EQ(FirstFreeNumber(NumberedFileKind::Factors, 1), 3);
  EXPECT_EQ(FirstFreeNumber(NumberedFileKind::Factors, 4), 5);
  EXPECT_EQ(FirstFreeNumber(NumberedFileKind::Codes, 1), 1);
}

}  // namespace
}  // namespace gyrolux
