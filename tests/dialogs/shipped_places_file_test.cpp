// The places file shipped with the program: every line must be usable by the dialog.
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "dialogs/places_file.h"
#include "tests/test_support/temp_working_dir.h"

namespace gyrolux {
namespace {

QString ShippedFile() { return testing::SourceDir() + "/resources/W-ORTE.TXT"; }

QStringList ShippedLines() {
  const std::optional<QStringList> lines = ReadPlacesLines(ShippedFile());
  EXPECT_TRUE(lines.has_value()) << ShippedFile().toStdString();
  return lines.value_or(QStringList{});
}

// The line whose name (before the padding) is name, or an empty text.
QString LineOf(const QStringList& lines, const QString& name) {
  for (const QString& line : lines) {
    if (PlaceName(line).trimmed() == name) return line;
  }
  return {};
}

TEST(ShippedPlacesFile, IsWindows1252WithCrLf) {
  QFile file(ShippedFile());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_TRUE(bytes.endsWith("\r\n"));
  EXPECT_TRUE(bytes.count("\r\n") == bytes.count('\n') && bytes.count("\r\n") == bytes.count('\r'));
  // Umlauts are single bytes, with no UTF-8 sequences.
  EXPECT_TRUE(bytes.contains("M\xFCnchen (D) ") && bytes.contains("G\xF6ttingen (D) "));
  EXPECT_FALSE(bytes.contains("\xC3"));
}

TEST(ShippedPlacesFile, EveryLineHasTheFixedColumns) {
  const QStringList lines = ShippedLines();
  ASSERT_GE(lines.size(), 450);
  // Columns 34-56 as digits and blanks in their places; the names are unique.
  static const QRegularExpression columns(
      QStringLiteral("^\\d\\d \\d\\d \\d\\d [NS]  \\d\\d\\d \\d\\d \\d\\d [EW]$"));
  QStringList names;
  for (const QString& line : lines) {
    SCOPED_TRACE(line.toStdString());
    ASSERT_EQ(line.size(), 56);
    EXPECT_TRUE(columns.match(line.mid(33)).hasMatch());
    const QString name = PlaceName(line);
    EXPECT_FALSE(name.trimmed().isEmpty());
    EXPECT_FALSE(name.front().isSpace());
    names.append(name);

    const std::optional<PlaceCoordinate> latitude = ParsePlaceLatitude(line);
    const std::optional<PlaceCoordinate> longitude = ParsePlaceLongitude(line);
    ASSERT_TRUE(latitude && longitude);
    EXPECT_LE(std::abs(latitude->SignedDegrees()), 90.0);
    EXPECT_LE(std::abs(longitude->SignedDegrees()), 180.0);
    EXPECT_LT(std::max({latitude->minutes, latitude->seconds, longitude->minutes, longitude->seconds}), 60);
    EXPECT_EQ(latitude->southOrWest, line[42] == u'S');
    EXPECT_EQ(longitude->southOrWest, line[55] == u'W');
  }
  EXPECT_EQ(names.removeDuplicates(), 0);
}

TEST(ShippedPlacesFile, HoldsTheLargerCitiesAndTheCapitals) {
  const QStringList lines = ShippedLines();
  int germany = 0, austria = 0, switzerland = 0;
  for (const QString& line : lines) {
    const QString name = PlaceName(line).trimmed();
    germany += name.endsWith("(D)");
    austria += name.endsWith("(A)");
    switzerland += name.endsWith("(CH)");
  }
  EXPECT_TRUE(germany >= 180 && austria >= 30 && switzerland >= 40);
  EXPECT_GE(lines.size() - germany - austria - switzerland, 190);  // the other capitals

  // The state capitals of Austria and the cantonal capitals of Switzerland.
  for (const char* name :
       {"Wien (A)", "Graz (A)", "Linz (A)", "Salzburg (A)", "Innsbruck (A)",
        "Klagenfurt am Wörthersee (A)", "St. Pölten (A)", "Bregenz (A)", "Eisenstadt (A)",
        "Zürich (CH)", "Bern (CH)", "Luzern (CH)", "Altdorf (CH)", "Schwyz (CH)", "Sarnen (CH)",
        "Stans (CH)", "Glarus (CH)", "Zug (CH)", "Freiburg/Fribourg (CH)", "Solothurn (CH)",
        "Basel (CH)", "Liestal (CH)", "Schaffhausen (CH)", "Herisau (CH)", "Appenzell (CH)",
        "St. Gallen (CH)", "Chur (CH)", "Aarau (CH)", "Frauenfeld (CH)", "Bellinzona (CH)",
        "Lausanne (CH)", "Sitten/Sion (CH)", "Neuenburg/Neuchâtel (CH)", "Genf (CH)",
        "Delsberg/Delémont (CH)", "Washington (USA)", "Canberra (Australien)"}) {
    EXPECT_FALSE(LineOf(lines, QString::fromUtf8(name)).isEmpty()) << name;
  }
}

TEST(ShippedPlacesFile, KnownPlacesToTheMinute) {
  const QStringList lines = ShippedLines();
  struct Known {
    const char* name;
    int latDegrees, latMinutes;
    char northSouth;
    int lonDegrees, lonMinutes;
    char eastWest;
  };
  // City centres as an atlas gives them.
  for (const Known& k : {Known{"Hamburg (D)", 53, 33, 'N', 9, 59, 'E'},
                         Known{"Berlin (D)", 52, 31, 'N', 13, 24, 'E'},
                         Known{"München (D)", 48, 8, 'N', 11, 35, 'E'},
                         Known{"Köln (D)", 50, 56, 'N', 6, 58, 'E'},
                         Known{"Wien (A)", 48, 12, 'N', 16, 22, 'E'},
                         Known{"Zürich (CH)", 47, 23, 'N', 8, 33, 'E'},
                         Known{"London (Vereinigtes Königreich)", 51, 30, 'N', 0, 8, 'W'},
                         Known{"Washington (USA)", 38, 54, 'N', 77, 2, 'W'},
                         Known{"Buenos Aires (Argentinien)", 34, 36, 'S', 58, 23, 'W'},
                         Known{"Canberra (Australien)", 35, 17, 'S', 149, 8, 'E'}}) {
    SCOPED_TRACE(k.name);
    const QString line = LineOf(lines, QString::fromUtf8(k.name));
    ASSERT_FALSE(line.isEmpty());
    const std::optional<PlaceCoordinate> latitude = ParsePlaceLatitude(line);
    const std::optional<PlaceCoordinate> longitude = ParsePlaceLongitude(line);
    ASSERT_TRUE(latitude && longitude);
    EXPECT_TRUE(latitude->degrees == k.latDegrees && latitude->minutes == k.latMinutes &&
                latitude->southOrWest == (k.northSouth == 'S'));
    EXPECT_TRUE(longitude->degrees == k.lonDegrees && longitude->minutes == k.lonMinutes &&
                longitude->southOrWest == (k.eastWest == 'W'));
  }
  // The Hamburg line is the one the dialog's own example uses, to the character.
  EXPECT_EQ(LineOf(lines, "Hamburg (D)"),
            QString("Hamburg (D)").leftJustified(33, u' ') + "53 33 00 N  009 59 00 E");
}

}  // namespace
}  // namespace gyrolux
