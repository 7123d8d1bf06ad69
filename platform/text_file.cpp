#include "platform/text_file.h"

#include <algorithm>
#include <array>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/system_errors.h"

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

QString NotARegularFileText() { return QStringLiteral("Das ist keine gewöhnliche Datei."); }

// The file a write to path may replace: path itself when nothing stands under that name,
// or the regular file it names, through any chain of links. A folder, a device, a pipe, a
// socket or a link that leads nowhere is refused with the German reason in *reason, so a
// save never creates, replaces or opens anything but a regular file of that name.
std::optional<QString> WritableTarget(const QString& path, QString* reason) {
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return path;
  // A link's whole chain resolved; empty when it ends nowhere or loops.
  const QString target = info.isSymLink() ? info.canonicalFilePath() : path;
  const QFileInfo final(target);
  if (target.isEmpty()) {
    *reason = QStringLiteral("Die Verknüpfung führt zu keiner Datei.");
  } else if (final.isDir()) {
    *reason = GermanSystemError(EISDIR);
  } else if (!final.isFile()) {
    *reason = NotARegularFileText();
  } else {
    return target;
  }
  return std::nullopt;
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

TextFileReader::TextFileReader(const QString& path, TextReadOptions options)
    : file_(std::make_unique<QFile>(path)), options_(options) {
  options_.maxLineLength = std::max(0, options_.maxLineLength);
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    error_ = CannotOpenFileText(path, NotARegularFileText());
    file_.reset();
    return;
  }
  errno = 0;
  if (!file_->open(QIODevice::ReadOnly)) {
    error_ = CannotOpenFileText(path, GermanSystemError(errno));
    file_.reset();
  }
}

TextFileReader::~TextFileReader() = default;

bool TextFileReader::isOpen() const { return file_ != nullptr; }

bool TextFileReader::fill() {
  if (!file_) return false;
  constexpr qint64 kBlock = 64 * 1024;
  buffer_.resize(kBlock);
  errno = 0;
  const qint64 got = file_->read(buffer_.data(), kBlock);
  if (got < 0) {
    error_ = CannotOpenFileText(file_->fileName(), GermanSystemError(errno));
    file_.reset();
  }
  buffer_.resize(std::max<qint64>(got, 0));
  position_ = 0;
  return got > 0;
}

std::optional<QString> TextFileReader::readLine() {
  if (!file_ || linesRead_ >= options_.maxLines) return std::nullopt;
  QByteArray kept;
  bool started = false;  // some byte of this line, or its end, was read
  for (;;) {
    if (position_ >= buffer_.size() && !fill()) break;
    if (skipLineFeed_) {
      skipLineFeed_ = false;
      if (buffer_[position_] == '\n') {
        ++position_;
        continue;
      }
    }
    started = true;
    qsizetype end = position_;
    while (end < buffer_.size() && buffer_[end] != '\r' && buffer_[end] != '\n') ++end;
    const qsizetype room = options_.maxLineLength - kept.size();
    if (room > 0) kept.append(buffer_.constData() + position_, std::min(end - position_, room));
    if (end < buffer_.size()) {
      skipLineFeed_ = buffer_[end] == '\r';
      position_ = end + 1;
      ++linesRead_;
      return DecodeWindows1252(kept);
    }
    position_ = end;
  }
  if (!started) return std::nullopt;
  ++linesRead_;
  return DecodeWindows1252(kept);
}

std::optional<QStringList> ReadTextLines(const QString& path, QString* error, TextReadOptions options) {
  TextFileReader reader(path, options);
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
  const auto failed = [&](int errorNumber) {
    SetError(error, CannotWriteFileText(path, GermanSystemError(errorNumber)));
    return false;
  };
  QString reason;
  const std::optional<QString> target = WritableTarget(path, &reason);
  if (!target) {
    SetError(error, CannotWriteFileText(path, reason));
    return false;
  }
  // The link resolved here, so the new file is renamed onto the regular file it names.
  QSaveFile file(*target);
  // Unbuffered, so that a write cut short (a full disk) shows in the count written: the
  // buffered flush of QSaveFile::commit() would let it pass and put the cut file in place.
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failed(errno);
  errno = 0;
  if (file.write(bytes) != bytes.size()) {
    const int errorNumber = errno;
    file.cancelWriting();
    return failed(errorNumber);
  }
  errno = 0;
  if (!file.commit()) return failed(errno);
  return true;
}

TextLogWriter::TextLogWriter() = default;

TextLogWriter::~TextLogWriter() = default;

bool TextLogWriter::open(const QString& path, QString* error) {
  close();
  const auto failed = [&](const QString& reason) {
    SetError(error, CannotWriteFileText(path, reason));
    return false;
  };
  QString reason;
  const std::optional<QString> target = WritableTarget(path, &reason);
  if (!target) return failed(reason);
  // Should something else take the name meanwhile: no link is followed, a pipe does not
  // block the open, and nothing but a regular file is kept (and only then emptied).
  const int descriptor =
      ::open(QFile::encodeName(*target).constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
  if (descriptor < 0) return failed(GermanSystemError(errno));
  struct stat status {};
  if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(descriptor);
    return failed(NotARegularFileText());
  }
  if (ftruncate(descriptor, 0) != 0) {
    const int errorNumber = errno;
    ::close(descriptor);
    return failed(GermanSystemError(errorNumber));
  }
  auto file = std::make_unique<QFile>();
  if (!file->open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
    ::close(descriptor);
    return failed(GermanSystemError(0));
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
  const qint64 end = file_->pos();
  errno = 0;
  if (file_->write(bytes) != bytes.size()) {
    const int errorNumber = errno;
    // A line cut short is taken back, so the file holds the whole lines before it.
    file_->resize(end);
    SetError(error, CannotWriteFileText(fileName_, GermanSystemError(errorNumber)));
    return false;
  }
  return true;
}

void TextLogWriter::close() {
  if (file_) file_->close();
  file_.reset();
}

std::optional<QString> FindFileIgnoringCase(const QString& folder, const QString& name, bool readableOnly) {
  if (name.isEmpty() || name.contains(QLatin1Char('/'))) return std::nullopt;
  const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
  if (!dir.exists()) return std::nullopt;
  const auto usable = [&](const QFileInfo& info) { return info.isFile() && (!readableOnly || info.isReadable()); };
  const QFileInfo exact(dir.filePath(name));
  if (exact.exists() && exact.fileName() == name && usable(exact)) return dir.filePath(name);
  // QDir::Files without QDir::System leaves out devices, pipes and sockets.
  const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
  for (const QFileInfo& entry : entries) {
    if (entry.fileName().compare(name, Qt::CaseInsensitive) == 0 && usable(entry)) return dir.filePath(entry.fileName());
  }
  return std::nullopt;
}

}  // namespace gyrolux
