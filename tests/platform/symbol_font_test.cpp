#include "platform/symbol_font.h"

#include <gtest/gtest.h>

#include <set>

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainterPath>
#include <QRawFont>

namespace gyrolux {
namespace {

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

// That the tests never see an installed symbol font (test_support/private_environment.h)
// shows in the main window's start-up case, which expects the message of the missing font.
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
