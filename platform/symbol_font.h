#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace gyrolux {

// The symbol font that ships beside the program: the glyph of factor i is the character
// 97 + i ("a" MC ... "w" GZ), the zodiac signs Aries to Pisces are C7..CC, C1..C6.
inline constexpr char kSymbolFontFileName[] = "Radivuru.TTF";
inline constexpr char kSymbolFontFamily[] = "RuduzodediRuvedur";

// The character that draws factor (0 = MC ... 22 = GZ) or sign (0 = Aries ... 11 = Pisces)
// in the symbol font; a space for an index out of range.
QChar SymbolFontFactorGlyph(int factor);
QChar SymbolFontSignGlyph(int sign);
// All 35 characters of the font: the 23 factors, then the 12 signs.
QString SymbolFontCharacters();

// The font file in the program's data folders (beside the executable first), or an
// empty text.
QString FindSymbolFontFile();

// Registers the font file for the running program while it lives (a QGuiApplication
// must exist). A file that is missing or no font is not reported here: the check
// SymbolFontPresent() shows the consequence.
class SymbolFontRegistration {
 public:
  explicit SymbolFontRegistration(const QString& fontFile = FindSymbolFontFile());
  ~SymbolFontRegistration();
  SymbolFontRegistration(const SymbolFontRegistration&) = delete;
  SymbolFontRegistration& operator=(const SymbolFontRegistration&) = delete;

  bool registered() const { return id_ >= 0; }
  // The families the file brought (empty when not registered).
  QStringList families() const;

 private:
  int id_ = -1;
};

// True when some font family known to the program has a name that contains
// "RuduzodediRuvedur" (case-sensitive), registered by us or installed on the machine.
bool SymbolFontPresent();
// The same check over a given list of family names.
bool HasSymbolFontFamily(const QStringList& families);

}  // namespace gyrolux
