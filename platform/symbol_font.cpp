#include "platform/symbol_font.h"

#include <array>

#include <QFileInfo>
#include <QFontDatabase>

#include "platform/data_folders.h"

namespace gyrolux {

namespace {

constexpr int kFactorCount = 23;
// Aries to Pisces: Windows-1252 bytes C7..CC, C1..C6, which are the same Unicode numbers.
constexpr std::array<char16_t, 12> kSignCodes = {0xC7, 0xC8, 0xC9, 0xCA, 0xCB, 0xCC,
                                                 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6};

}  // namespace

QChar SymbolFontFactorGlyph(int factor) {
  if (factor < 0 || factor >= kFactorCount) return QLatin1Char(' ');
  return QChar(static_cast<char16_t>(97 + factor));
}

QChar SymbolFontSignGlyph(int sign) {
  if (sign < 0 || sign >= static_cast<int>(kSignCodes.size())) return QLatin1Char(' ');
  return QChar(kSignCodes[static_cast<std::size_t>(sign)]);
}

QString SymbolFontCharacters() {
  QString characters;
  for (int factor = 0; factor < kFactorCount; ++factor) characters += SymbolFontFactorGlyph(factor);
  for (int sign = 0; sign < static_cast<int>(kSignCodes.size()); ++sign) characters += SymbolFontSignGlyph(sign);
  return characters;
}

QString FindSymbolFontFile() {
  return FindFileInFolders(ProgramDataFolders(), QString::fromLatin1(kSymbolFontFileName)).value_or(QString());
}

SymbolFontRegistration::SymbolFontRegistration(const QString& fontFile) {
  if (!fontFile.isEmpty() && QFileInfo(fontFile).isFile()) id_ = QFontDatabase::addApplicationFont(fontFile);
}

SymbolFontRegistration::~SymbolFontRegistration() {
  if (id_ >= 0) QFontDatabase::removeApplicationFont(id_);
}

QStringList SymbolFontRegistration::families() const {
  return id_ >= 0 ? QFontDatabase::applicationFontFamilies(id_) : QStringList();
}

bool HasSymbolFontFamily(const QStringList& families) {
  for (const QString& family : families)
    if (family.contains(QLatin1String(kSymbolFontFamily), Qt::CaseSensitive)) return true;
  return false;
}

bool SymbolFontPresent() { return HasSymbolFontFamily(QFontDatabase::families()); }

}  // namespace gyrolux
