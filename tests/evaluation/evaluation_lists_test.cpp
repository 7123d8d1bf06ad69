// The lists and lookups on charts set by hand, for what random moments seldom reach (ties
// of the Winkel-Code order, a five-digit year, the last day, the texts file); the layout of
// the Alpha-Code, Halbsummen and axis lists with their groups, ditto lines and fillers is
// held against the independent implementation (reference_lists_compare).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "engine/angles.h"
#include "evaluation/axis_lookup.h"
#include "evaluation/evaluation_lists.h"
#include "evaluation/mc_texts.h"
#include "tests/test_support/charts.h"
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

// The pairs of a Winkel-Code list in the order the list gives them: down the rows, then
// the next column.
QStringList WinkelCodeOrder(const QStringList& lines) {
  QStringList order;
  for (int column = 0; column < 9; ++column) {
    for (int row = 0; row < 29; ++row) {
      const QString cell = lines[2 + 2 * row].mid(1 + 8 * column, 5);
      if (!cell.isEmpty()) order << cell;
    }
  }
  return order;
}

TEST(EvaluationListsTest, WinkelCodeReadsDownTwentyNineRowsInOrderOfThousandths) {
  // All factors at 0: one key for all pairs, so the Alpha-Code order stays; the ninth
  // cell of a row loses its blank.
  const QStringList flat = WinkelCodeList(HandChart({}, 0.0));
  ASSERT_EQ(flat.size(), 2 + 58);
  EXPECT_TRUE(flat[2].startsWith(QStringLiteral(" MC/MC10 WI/MA07 ")));  // pairs 0 and 29
  EXPECT_EQ(flat[2].size(), 72);

  // AS/MO at 5.0001 and MC/SO at 5.0004 share the thousandth 5000: Alpha-Code order, so MC/SO
  // first; MC/MA at 4.9999 comes before both, WI/MA at 5.0019 after.
  const QStringList order = WinkelCodeOrder(WinkelCodeList(
      HandChart({{MC, 0.0}, {SO, 10.0008}, {AS, 0.0}, {MO, 10.0002}, {MA, 9.9998}, {WI, 0.004}}, 30.0)));
  ASSERT_EQ(order.size(), 253);
  EXPECT_LT(order.indexOf(QStringLiteral("MC/MA")), order.indexOf(QStringLiteral("MC/SO")));
  EXPECT_LT(order.indexOf(QStringLiteral("MC/SO")), order.indexOf(QStringLiteral("AS/MO")));
  EXPECT_LT(order.indexOf(QStringLiteral("AS/MO")), order.indexOf(QStringLiteral("WI/MA")));
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
  QFile here(QStringLiteral("Mc-Ergnw.TXT"));
  ASSERT_TRUE(here.open(QIODevice::WriteOnly));
  here.write("MC/MC = SO|MC hier\r\nText im Verzeichnis\r\n");
  here.close();
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
// implementation (reference_lists_compare); here the captions of the lookup windows.
TEST(AxisLookupTest, Captions) {
  const auto entry = ReadDegreeAxis(QStringLiteral("1,5"), QStringLiteral("0"));
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ(DegreeAxisCaption(*entry), QString(31, u' ') + QStringLiteral("Halbsummen in der Achse  01°30´"));
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

}  // namespace
}  // namespace gyrolux
