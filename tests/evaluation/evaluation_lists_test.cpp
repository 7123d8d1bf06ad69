// The lists and lookups on charts set by hand, where every cell can be worked out. The
// code, midpoint and axis lists are compared cell by cell with the independent
// implementation (reference_lists_compare); here the factors, the MC/MC texts and the files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "engine/angles.h"
#include "evaluation/axis_lookup.h"
#include "evaluation/evaluation_lists.h"
#include "evaluation/list_files.h"
#include "evaluation/mc_texts.h"
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

TEST(EvaluationListsTest, HeaderLineCutsALongDate) {
  Chart chart = HandChart({});
  EXPECT_EQ(ListHeaderLine(FactorsTitle(), chart), QStringLiteral("  Faktoren vom 01.01.2000, ") + kMoment);
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
  EXPECT_EQ(McTextEntries(chart, 1.18, file), expected);
  EXPECT_EQ(McTextsHeadLines(chart)[1], QStringLiteral("  MC/MC-Achsen-Texte 01.01.2000, ") + kMoment);

  const McTextsList missing = BuildMcTextsList(chart, 1.18, std::nullopt);
  EXPECT_EQ(missing.lines, McTextsHeadLines(chart));
  EXPECT_EQ(missing.message, QStringLiteral("Die Datei MC-ERGNW.TXT fehlt im aktuellen Verzeichnis! "));
  // Found without regard to case, in the current directory before the other folders.
  QFile here(QStringLiteral("Mc-Ergnw.TXT"));
  ASSERT_TRUE(here.open(QIODevice::WriteOnly));
  here.write("MC/MC = SO|MC hier\r\nText im Verzeichnis\r\n");
  here.close();
  const auto found = FindMcTextsFile({QStringLiteral(GYROLUX_SOURCE_DIR "/resources")});
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(QFileInfo(*found).absoluteFilePath(), QDir::current().absoluteFilePath(QStringLiteral("Mc-Ergnw.TXT")));
  EXPECT_EQ(BuildMcTextsList(chart, 1.18, found).lines.mid(6, 2),
            (QStringList{QStringLiteral("  MC/MC = SO|MC hier,04"), QStringLiteral("  Text im Verzeichnis")}));
}

TEST(AxisLookupTest, CaptionsOfTheTwoLookups) {
  const struct {
    const char *degrees, *minutes, *caption;
  } cases[] = {{"22", "30", "22°30´"}, {"0", "0", "00°00´"}, {"07", "05", "07°05´"}, {"1,5", "0", "01°30´"}};
  for (const auto& c : cases) {
    const auto entry = ReadDegreeAxis(QString::fromLatin1(c.degrees), QString::fromLatin1(c.minutes));
    ASSERT_TRUE(entry.has_value()) << c.degrees << " " << c.minutes;
    EXPECT_EQ(DegreeAxisCaption(*entry),
              QString(31, u' ') + QStringLiteral("Halbsummen in der Achse  ") + QString::fromUtf8(c.caption));
  }
  const auto pair = ReadAxisPair(QStringLiteral("so"), QStringLiteral("Mc"));
  ASSERT_TRUE(pair.has_value());
  EXPECT_EQ(MidpointAxisCaption(*pair), QString(35, u' ') + QStringLiteral("Halbsummen in der Achse  MC/SO"));
}

TEST(AxisLookupTest, TheNextDayStopsAtTheLastDayOfYear9999) {
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

// Which number a save takes is numbered_files_test.cpp's; here what is written, and a
// full disk (an error naming the file, no file left behind, the next number taken next).
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

}  // namespace
}  // namespace gyrolux
