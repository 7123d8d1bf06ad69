#pragma once

#include <limits>
#include <memory>
#include <optional>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

class QFile;

namespace gyrolux {

// Text files of the system: Windows-1252, lines ended by CR LF (LF alone is read too).

// The longest line a reader hands on; the rest of a longer line is dropped.
inline constexpr int kMaxTextLineLength = 255;

// Windows-1252 bytes to text. The five bytes the code page leaves free (81, 8D, 8F,
// 90, 9D) become the control characters of the same number, so every byte reads as one
// character and comes back unchanged when written.
QString DecodeWindows1252(QByteArrayView bytes);
// Text to Windows-1252 bytes; a character the code page has not becomes "?".
QByteArray EncodeWindows1252(const QString& text);

// The German error texts that callers show through the Prompter. reason is the
// platform's own text for the failure (may be empty).
QString CannotOpenFileText(const QString& fileName, const QString& reason);
QString CannotWriteFileText(const QString& fileName, const QString& reason);

// How much of a file a reader hands on. A line ends at CR LF, LF or a lone CR; a last line
// without its end counts.
inline constexpr qsizetype kUnlimitedLines = std::numeric_limits<qsizetype>::max();
struct TextReadOptions {
  int maxLineLength = kMaxTextLineLength;  // the rest of a longer line is passed over
  qsizetype maxLines = kUnlimitedLines;    // reading stops after this many lines
};

// Reads a text file line by line. Only a plain file is read (a device or a pipe of that
// name could be read for ever). NUL bytes and other control bytes are kept as
// characters; a line of any length is passed over in pieces, never held whole in memory.
class TextFileReader {
 public:
  explicit TextFileReader(const QString& path, TextReadOptions options = {});
  ~TextFileReader();
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;

  bool isOpen() const;
  // Why the file could not be opened or read (German), empty when all went well.
  const QString& error() const { return error_; }
  // The next line without its line end; nothing at the end of the file, after the last
  // line asked for, or after a read error.
  std::optional<QString> readLine();

 private:
  bool fill();

  std::unique_ptr<QFile> file_;
  TextReadOptions options_;
  QString error_;
  QByteArray buffer_;
  qsizetype position_ = 0;
  qsizetype linesRead_ = 0;
  bool skipLineFeed_ = false;  // the last line ended with CR: an LF right after belongs to it
};

// All lines of a file as the options allow; nothing when the file cannot be opened or
// read, with the German reason in *error.
std::optional<QStringList> ReadTextLines(const QString& path, QString* error = nullptr,
                                         TextReadOptions options = {});

// Replaces the file at path with lines, each ended by CR LF, in one step: the new content
// is written beside it and put in its place only when complete, so a failure leaves the
// old file as it was. False with the German reason in *error on failure.
// Every writer here writes only a regular file: a link to one is followed and its target
// written; a name that is, or leads to, a folder, a device, a pipe, a socket or nothing at
// all is refused, and then nothing is created, replaced or opened.
bool WriteTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// The same for any bytes: path holds exactly bytes afterwards, or is as it was.
bool ReplaceFileContents(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// A log that stays open over a run: created (or emptied) on open, each line written and
// flushed at once, so what was written survives a crash of the program.
class TextLogWriter {
 public:
  TextLogWriter();
  ~TextLogWriter();
  TextLogWriter(const TextLogWriter&) = delete;
  TextLogWriter& operator=(const TextLogWriter&) = delete;

  // Creates or empties path (never blocking on a pipe); false with the German reason in
  // *error.
  bool open(const QString& path, QString* error = nullptr);
  bool isOpen() const;
  // Writes text and CR LF and flushes; false with the German reason in *error, and then
  // nothing of the line stays in the file.
  bool writeLine(const QString& text, QString* error = nullptr);
  void close();

 private:
  std::unique_ptr<QFile> file_;
  QString fileName_;
};

// The path of the file in folder whose name equals name without regard to case
// ("Titel.DAT" finds "Titel.dat"): the exact spelling first, then the others in name
// order, so that the choice never depends on the order the folder lists them in. Folders,
// devices and pipes do not count; with readableOnly neither do files that cannot be read.
// Nothing when there is none or the folder does not exist.
std::optional<QString> FindFileIgnoringCase(const QString& folder, const QString& name,
                                            bool readableOnly = false);

}  // namespace gyrolux
