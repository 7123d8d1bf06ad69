#include "platform/symbol_font.h"

#include <gtest/gtest.h>

#include <set>

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainterPath>
#include <QRawFont>

#include "tests/test_support/temp_working_dir.h"

namespace gyrolux {
namespace {

TEST(SymbolFontTest, CharactersFollowTheFactorOrderAndTheSignCodes) {
  EXPECT_EQ(SymbolFontFactorGlyph(0), QLatin1Char('a'));   // MC
  EXPECT_EQ(SymbolFontFactorGlyph(2), QLatin1Char('c'));   // SO
  EXPECT_EQ(SymbolFontFactorGlyph(21), QLatin1Char('v'));  // PO
  EXPECT_EQ(SymbolFontFactorGlyph(22), QLatin1Char('w'));  // GZ
  EXPECT_EQ(SymbolFontFactorGlyph(23), QLatin1Char(' '));
  EXPECT_EQ(SymbolFontFactorGlyph(-1), QLatin1Char(' '));
  EXPECT_EQ(SymbolFontSignGlyph(0), QChar(0xC7));   // Aries
  EXPECT_EQ(SymbolFontSignGlyph(5), QChar(0xCC));   // Virgo
  EXPECT_EQ(SymbolFontSignGlyph(6), QChar(0xC1));   // Libra
  EXPECT_EQ(SymbolFontSignGlyph(11), QChar(0xC6));  // Pisces
  EXPECT_EQ(SymbolFontSignGlyph(12), QLatin1Char(' '));
  EXPECT_EQ(SymbolFontCharacters(), QStringLiteral("abcdefghijklmnopqrstuvw\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC"
                                                   "\u00C1\u00C2\u00C3\u00C4\u00C5\u00C6"));
}

TEST(SymbolFontTest, TheFamilyCheckIsACaseSensitiveSubstring) {
  EXPECT_TRUE(HasSymbolFontFamily({QStringLiteral("Arial"), QStringLiteral("RuduzodediRuvedur")}));
  EXPECT_TRUE(HasSymbolFontFamily({QStringLiteral("RuduzodediRuvedur Regular")}));
  EXPECT_FALSE(HasSymbolFontFamily({QStringLiteral("ruduzodediruvedur")}));
  EXPECT_FALSE(HasSymbolFontFamily({}));
}

TEST(SymbolFontTest, TheFontBesideTheProgramRegistersAndCoversAll35Codes) {
  const QString file = FindSymbolFontFile();
  ASSERT_EQ(QFileInfo(file).absolutePath(), QCoreApplication::applicationDirPath());
  const bool installedOnTheMachine = SymbolFontPresent();
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
  }
  // Removed at the end of the registration.
  if (!installedOnTheMachine) {
    EXPECT_FALSE(SymbolFontPresent());
  }
}

TEST(SymbolFontTest, AMissingOrBrokenFileIsNotRegistered) {
  SymbolFontRegistration missing(QStringLiteral("no/such/Radivuru.TTF"));
  EXPECT_FALSE(missing.registered());
  EXPECT_TRUE(missing.families().isEmpty());
  QFile broken(QStringLiteral("Radivuru.TTF"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a font at all");
  broken.close();
  SymbolFontRegistration garbage(QStringLiteral("Radivuru.TTF"));
  EXPECT_FALSE(garbage.registered());
  SymbolFontRegistration empty((QString()));
  EXPECT_FALSE(empty.registered());
}

}  // namespace
}  // namespace gyrolux
