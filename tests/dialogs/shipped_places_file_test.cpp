// The places file shipped with the program: every line must be usable by the dialog.
#include <cmath>

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "dialogs/places_file.h"
#include "tests/test_support/files.h"
#include "tests/test_support/temp_working_dir.h"

namespace gyrolux {
namespace {

QString ShippedFile() { return testing::SourceDir() + "/resources/W-ORTE.TXT"; }

TEST(ShippedPlacesFile, IsWindows1252WithCrLf) {
  const QByteArray bytes = testing::ReadBytes(ShippedFile());
  ASSERT_TRUE(bytes.endsWith("\r\n"));
  EXPECT_TRUE(bytes.count("\r\n") == bytes.count('\n') && bytes.count("\r\n") == bytes.count('\r'));
  // Umlauts are single bytes, with no UTF-8 sequences.
  EXPECT_TRUE(bytes.contains("M\xFCnchen (D) "));
  EXPECT_FALSE(bytes.contains("\xC3"));
}

TEST(ShippedPlacesFile, EveryLineHasTheFixedColumnsAndKnownPlacesStandRight) {
  const QStringList lines = ReadPlacesLines(ShippedFile()).value_or(QStringList{});
  ASSERT_GE(lines.size(), 450);
  // Columns 34-56 as digits and blanks in their places; the names are unique.
  static const QRegularExpression columns(QStringLiteral("^\\d\\d \\d\\d \\d\\d [NS]  \\d\\d\\d \\d\\d \\d\\d [EW]$"));
  QStringList names;
  int germany = 0;
  for (const QString& line : lines) {
    SCOPED_TRACE(line.toStdString());
    ASSERT_EQ(line.size(), 56);
    EXPECT_TRUE(columns.match(line.mid(33)).hasMatch());
    names.append(PlaceName(line));
    EXPECT_FALSE(names.last().front().isSpace());
    germany += names.last().trimmed().endsWith("(D)");
    const std::optional<PlaceCoordinate> latitude = ParsePlaceLatitude(line);
    const std::optional<PlaceCoordinate> longitude = ParsePlaceLongitude(line);
    ASSERT_TRUE(latitude && longitude);
    EXPECT_LE(std::abs(latitude->SignedDegrees()), 90.0);
    EXPECT_LE(std::abs(longitude->SignedDegrees()), 180.0);
    EXPECT_LT(std::max({latitude->minutes, latitude->seconds, longitude->minutes, longitude->seconds}), 60);
  }
  EXPECT_EQ(names.removeDuplicates(), 0);
  EXPECT_GE(germany, 180);
  // City centres as an atlas gives them; Hamburg as in the dialog's own example.
  for (const QString& line : {QStringLiteral("Hamburg (D)").leftJustified(33) + "53 33 00 N  009 59 00 E",
                              QStringLiteral("Wien (A)").leftJustified(33) + "48 12 00 N  016 22 00 E",
                              QStringLiteral("Buenos Aires (Argentinien)").leftJustified(33) + "34 36 00 S  058 23 00 W"}) {
    const QString found = lines.filter(QRegularExpression("^" + QRegularExpression::escape(line.left(33)))).value(0);
    EXPECT_EQ(found.left(51) + found.right(1), line.left(51) + line.right(1));  // to the minute
  }
}

}  // namespace
}  // namespace gyrolux
