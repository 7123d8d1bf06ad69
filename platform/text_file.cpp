#include "platform/text_file.h"

#include <algorithm>
#include <array>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace gyrolux {

namespace {

// Code points of the bytes 80..9F in Windows-1252; the five free bytes keep their own
// number. Qt's converters know this code page only through ICU, and the table is short.
constexpr std::array<char16_t, 32> kHighControlRow = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

char16_t CodePointOfByte(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControlRow[byte - 0x80];
  return byte;
}

// The byte for a code point, or -1 when Windows-1252 has none.
int ByteOfCodePoint(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
  for (std::size_t i = 0; i < kHighControlRow.size(); ++i)
    if (kHighControlRow[i] == code) return static_cast<int>(0x80 + i);
  return -1;
}

QString BareName(const QString& path) { return QFileInfo(path).fileName(); }

QString WithReason(QString text, const QString& reason) {
  if (!reason.isEmpty()) text += QLatin1Char('\r') + reason;
  return text;
}

void SetError(QString* error, const QString& text) {
  if (error) *error = text;
}

}  // namespace

QString DecodeWindows1252(QByteArrayView bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (qsizetype i = 0; i < bytes.size(); ++i)
    out[i] = QChar(CodePointOfByte(static_cast<unsigned char>(bytes[i])));
  return text;
}

QByteArray EncodeWindows1252(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    char32_t code = text[i].unicode();
    // A pair of surrogates is one character outside the code page: one "?".
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      code = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    const int byte = ByteOfCodePoint(code);
    bytes.append(byte < 0 ? '?' : static_cast<char>(byte));
  }
  return bytes;
}

QString CannotOpenFileText(const QString& fileName, const QString& reason) {
  return WithReason(QStringLiteral("Die Datei %1 kann nicht geöffnet werden.").arg(BareName(fileName)), reason);
}

QString CannotWriteFileText(const QString& fileName, const QString& reason) {
  return WithReason(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(BareName(fileName)),
                    reason);
}

TextFileReader::TextFileReader(const QString& path, int maxLength)
    : file_(std::make_unique<QFile>(path)), maxLength_(std::max(0, maxLength)) {
  // Only plain files: a device or a pipe of that name could be read for ever.
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    error_ = CannotOpenFileText(path, QStringLiteral("Das ist keine gewöhnliche Datei."));
    file_.reset();
    return;
  }
  if (!file_->open(QIODevice::ReadOnly)) {
    error_ = CannotOpenFileText(path, file_->errorString());
    file_.reset();
  }
}

TextFileReader::~TextFileReader() = default;

bool TextFileReader::isOpen() const { return file_ != nullptr; }

bool TextFileReader::atEnd() const { return !file_ || file_->atEnd(); }

std::optional<QString> TextFileReader::readLine() {
  if (!file_ || file_->atEnd()) return std::nullopt;
  // One byte more than is kept, so that a CR just behind the kept part is recognised.
  const qsizetype keep = static_cast<qsizetype>(maxLength_) + 1;
  QByteArray kept;
  char buffer[4096];
  for (;;) {
    const qint64 count = file_->readLine(buffer, sizeof buffer);
    if (count < 0) {
      if (!file_->atEnd()) {
        error_ = CannotOpenFileText(file_->fileName(), file_->errorString());
        file_.reset();
        if (kept.isEmpty()) return std::nullopt;
      }
      break;
    }
    if (count == 0) break;
    QByteArrayView piece(buffer, count);
    const bool lineEnded = piece.endsWith('\n');
    if (lineEnded) piece.chop(1);
    if (kept.size() < keep) kept.append(piece.first(std::min(piece.size(), keep - kept.size())));
    if (lineEnded) break;
  }
  if (kept.endsWith('\r')) kept.chop(1);
  if (kept.size() > maxLength_) kept.truncate(maxLength_);
  return DecodeWindows1252(kept);
}

std::optional<QStringList> ReadTextLines(const QString& path, QString* error, int maxLength) {
  TextFileReader reader(path, maxLength);
  QStringList lines;
  while (std::optional<QString> line = reader.readLine()) lines.append(*line);
  if (!reader.error().isEmpty()) {
    SetError(error, reader.error());
    return std::nullopt;
  }
  return lines;
}

bool WriteTextLines(const QString& path, const QStringList& lines, QString* error) {
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += EncodeWindows1252(line);
    bytes += "\r\n";
  }
  return ReplaceFileContents(path, bytes, error);
}

bool ReplaceFileContents(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  // Unbuffered, so that a write cut short (a full disk) shows in the count written: the
  // buffered flush of QSaveFile::commit() would let it pass and put the cut file in place.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    SetError(error, CannotWriteFileText(path, file.errorString()));
    return false;
  }
  if (file.write(bytes) != bytes.size()) {
    SetError(error, CannotWriteFileText(path, file.errorString()));
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    SetError(error, CannotWriteFileText(path, file.errorString()));
    return false;
  }
  return true;
}

TextLogWriter::TextLogWriter() = default;

TextLogWriter::~TextLogWriter() = default;

bool TextLogWriter::open(const QString& path, QString* error) {
  close();
  auto file = std::make_unique<QFile>(path);
  if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
    SetError(error, CannotWriteFileText(path, file->errorString()));
    return false;
  }
  file_ = std::move(file);
  fileName_ = path;
  return true;
}

bool TextLogWriter::isOpen() const { return file_ != nullptr; }

bool TextLogWriter::writeLine(const QString& text, QString* error) {
  if (!file_) {
    SetError(error, CannotWriteFileText(fileName_, QStringLiteral("Die Datei ist nicht geöffnet.")));
    return false;
  }
  // Unbuffered: each line goes to the file at once, and a short write is seen.
  const QByteArray bytes = EncodeWindows1252(text) + "\r\n";
  if (file_->write(bytes) != bytes.size()) {
    SetError(error, CannotWriteFileText(fileName_, file_->errorString()));
    return false;
  }
  return true;
}

void TextLogWriter::close() {
  if (file_) file_->close();
  file_.reset();
}

std::optional<QString> FindFileIgnoringCase(const QString& folder, const QString& name) {
  if (name.isEmpty() || name.contains(QLatin1Char('/'))) return std::nullopt;
  const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
  if (!dir.exists()) return std::nullopt;
  const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
  if (entries.contains(name)) return dir.filePath(name);
  for (const QString& entry : entries)
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  return std::nullopt;
}

}  // namespace gyrolux
