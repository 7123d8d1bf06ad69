#include "radix/message_catalog.h"

#include <cstring>

#include <QFile>
#include <QFileInfo>

namespace gyrolux {

QHash<QString, QString> ReadMessageCatalog(const QString& path) {
  QHash<QString, QString> catalog;
  const QFileInfo info(path);
  constexpr qint64 kLargestCatalog = 64 << 20;
  if (!info.isFile() || info.size() > kLargestCatalog) return catalog;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return catalog;
  const QByteArray data = file.readAll();
  const auto word = [&](qint64 at, bool swapped, quint32& value) {
    if (at < 0 || at + 4 > data.size()) return false;
    const auto byte = [&](qint64 i) { return quint32(static_cast<unsigned char>(data.at(at + i))); };
    // Written in the byte order of the machine that made it; the magic tells which.
    value = swapped ? byte(3) | byte(2) << 8 | byte(1) << 16 | byte(0) << 24
                    : byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
    return true;
  };
  // The header: magic, revision, count, offset of the originals' table, offset of the
  // translations' table; each table holds (length, offset) pairs.
  quint32 magic = 0;
  if (!word(0, false, magic)) return catalog;  // read as little-endian
  const bool swapped = magic == 0xde120495u;
  if (magic != 0x950412deu && !swapped) return catalog;
  quint32 count = 0, originals = 0, translations = 0;
  if (!word(8, swapped, count) || !word(12, swapped, originals) || !word(16, swapped, translations)) return catalog;
  const auto text = [&](quint32 table, quint32 index, QString& out) {
    quint32 length = 0, offset = 0;
    const qint64 entry = qint64(table) + qint64(index) * 8;
    if (!word(entry, swapped, length) || !word(entry + 4, swapped, offset)) return false;
    if (qint64(offset) + qint64(length) > data.size()) return false;
    // A plural entry holds its forms separated by NUL; the first is enough here.
    const char* start = data.constData() + offset;
    const void* nul = std::memchr(start, 0, length);
    const qsizetype size = nul ? static_cast<const char*>(nul) - start : qsizetype(length);
    out = QString::fromUtf8(start, size);
    return true;
  };
  if (qint64(count) * 16 > data.size()) return catalog;  // both tables must fit
  catalog.reserve(count);
  for (quint32 i = 0; i < count; ++i) {
    QString original, translation;
    if (!text(originals, i, original) || !text(translations, i, translation)) return {};
    if (!original.isEmpty()) catalog.insert(original, translation);
  }
  return catalog;
}

}  // namespace gyrolux
