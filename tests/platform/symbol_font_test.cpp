#include "platform/symbol_font.h"

#include <gtest/gtest.h>

#include <set>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainterPath>
#include <QProcess>
#include <QRawFont>
#include <QStandardPaths>

#include "tests/test_support/temp_working_dir.h"

namespace gyrolux {
namespace {

using testing::SourceDir;

TEST(SymbolFontTest, CharactersFollowTheFactorOrderAndTheSignCodes) {
  // MC is "a", GZ "w"; Aries is C7, Libra C1, Pisces C6; outside the tables a blank.
  const std::pair<int, char16_t> factors[] = {{0, u'a'}, {22, u'w'}, {23, u' '}, {-1, u' '}};
  for (const auto& [factor, glyph] : factors) EXPECT_EQ(SymbolFontFactorGlyph(factor), QChar(glyph)) << factor;
  const std::pair<int, char16_t> signs[] = {{0, 0xC7}, {6, 0xC1}, {11, 0xC6}, {12, u' '}};
  for (const auto& [sign, glyph] : signs) EXPECT_EQ(SymbolFontSignGlyph(sign), QChar(glyph)) << sign;
  // The family check is a case-sensitive substring.
  EXPECT_TRUE(HasSymbolFontFamily({QStringLiteral("Arial"), QStringLiteral("RuduzodediRuvedur")}));
  EXPECT_TRUE(HasSymbolFontFamily({QStringLiteral("RuduzodediRuvedur Regular")}));
  EXPECT_FALSE(HasSymbolFontFamily({QStringLiteral("ruduzodediruvedur")}));
}

TEST(SymbolFontTest, TheFontBesideTheProgramRegistersAndCoversAll35CodesAndTheDigits) {
  const QString file = FindSymbolFontFile();
  ASSERT_EQ(QFileInfo(file).absolutePath(), QCoreApplication::applicationDirPath());
  EXPECT_FALSE(SymbolFontPresent());
  {
    SymbolFontRegistration registration(file);
    ASSERT_TRUE(registration.registered());
    EXPECT_EQ(registration.families(), QStringList{QStringLiteral("RuduzodediRuvedur")});
    EXPECT_TRUE(SymbolFontPresent());

    const QRawFont font(file, 40);
    ASSERT_TRUE(font.isValid());
    EXPECT_EQ(font.familyName(), QStringLiteral("RuduzodediRuvedur"));
    const QString characters = SymbolFontCharacters();
    ASSERT_EQ(characters.size(), 35);
    const QList<quint32> glyphs = font.glyphIndexesForString(characters);
    std::set<quint32> distinct;
    for (int i = 0; i < characters.size(); ++i) {
      EXPECT_TRUE(font.supportsCharacter(characters[i])) << i;
      EXPECT_FALSE(font.pathForGlyph(glyphs[i]).isEmpty()) << i;  // it draws something
      distinct.insert(glyphs[i]);
    }
    // WI is drawn as the sign of Aries; every other code has a glyph of its own.
    EXPECT_EQ(distinct.size(), 35u);
    EXPECT_FALSE(font.supportsCharacter(QLatin1Char('x')));
    // The digits of the wheel's house numbers, each its own, all of one width.
    const QString digits = QStringLiteral("0123456789");
    const QList<quint32> digitGlyphs = font.glyphIndexesForString(digits);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(digitGlyphs);
    for (int i = 0; i < digits.size(); ++i) {
      EXPECT_TRUE(font.supportsCharacter(digits[i])) << i;
      EXPECT_FALSE(font.pathForGlyph(digitGlyphs[i]).isEmpty()) << i;
      EXPECT_EQ(advances[i], advances[0]) << i;
      distinct.insert(digitGlyphs[i]);
    }
    EXPECT_EQ(distinct.size(), 45u);
  }
  // Removed at the end of the registration.
  EXPECT_FALSE(SymbolFontPresent());
}

// The tests see the machine's fonts but never an installed symbol font (one in the
// user's font folder stands for any other place): without it a window must show the
// message whatever the machine has installed.
TEST(SymbolFontTest, TheTestsNeverSeeAnInstalledSymbolFont) {
  const QString userFonts = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/fonts");
  // The user's folders are the test program's own, not the real ones.
  ASSERT_TRUE(userFonts.startsWith(QDir::tempPath())) << userFonts.toStdString();
  ASSERT_TRUE(QDir().mkpath(userFonts));
  ASSERT_TRUE(QFile::copy(SourceDir() + QStringLiteral("/resources/Radivuru.TTF"), userFonts + QStringLiteral("/Radivuru.TTF")));
  QProcess list;
  list.start(QStringLiteral("fc-list"), {QStringLiteral(":"), QStringLiteral("family")});
  ASSERT_TRUE(list.waitForFinished(60000));
  const QString families = QString::fromUtf8(list.readAllStandardOutput());
  QFile::remove(userFonts + QStringLiteral("/Radivuru.TTF"));
  EXPECT_FALSE(families.isEmpty());  // the machine's fonts are there
  EXPECT_FALSE(families.contains(QLatin1String(kSymbolFontFamily))) << families.toStdString();
  EXPECT_FALSE(SymbolFontPresent());
}

TEST(SymbolFontTest, AMissingOrBrokenFileIsNotRegistered) {
  QFile broken(QStringLiteral("Radivuru.TTF"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a font at all");
  broken.close();
  for (const QString& file : {QStringLiteral("no/such/Radivuru.TTF"), QStringLiteral("Radivuru.TTF"), QString()}) {
    SymbolFontRegistration registration(file);
    EXPECT_FALSE(registration.registered()) << file.toStdString();
    EXPECT_TRUE(registration.families().isEmpty());
  }
}

}  // namespace
}  // namespace gyrolux
