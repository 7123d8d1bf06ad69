#pragma once

#include <vector>

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>

namespace gyrolux::testing {

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// The file's bytes; empty when it cannot be read.
inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What pdftotext (poppler-utils) reads from a PDF file with that option ("-layout": pages
// separated by form feeds; "-bbox": the words with their boxes).
inline QString PdfText(const QString& pdf, const QString& option = QStringLiteral("-layout")) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {option, pdf, QStringLiteral("-")});
  EXPECT_TRUE(process.waitForFinished(30000)) << "pdftotext " << pdf.toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The lines that hold more than blanks, trimmed.
inline QStringList NonEmptyTrimmed(const QStringList& lines) {
  QStringList kept;
  for (const QString& line : lines)
    if (!line.trimmed().isEmpty()) kept << line.trimmed();
  return kept;
}

// A metafile read back by wmf2svg (libwmf-bin), an independent converter, as SVG text; it
// copies the texts' Windows-1252 bytes as they are.
inline QString WmfToSvg(const QString& wmf) {
  QProcess converter;
  converter.start(QStringLiteral("wmf2svg"), {QStringLiteral("-o"), QStringLiteral("picture.svg"), wmf});
  EXPECT_TRUE(converter.waitForFinished(30000));
  EXPECT_EQ(converter.exitCode(), 0) << converter.readAllStandardError().toStdString();
  return QString::fromLatin1(ReadBytes(QStringLiteral("picture.svg")));
}

struct PdfWord {
  QString text;
  QRectF box;  // points
};
inline std::vector<PdfWord> PdfWords(const QString& pdf) {
  static const QRegularExpression word(QStringLiteral(
      "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
  std::vector<PdfWord> words;
  for (const QRegularExpressionMatch& m : word.globalMatch(PdfText(pdf, QStringLiteral("-bbox")))) {
    QString text = m.captured(5);
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'")).replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    words.push_back({text, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
  }
  return words;
}
inline const PdfWord* FindWord(const std::vector<PdfWord>& words, const QString& text) {
  for (const PdfWord& w : words) {
    if (w.text == text) return &w;
  }
  return nullptr;
}
// The word points into the list, so the list must outlive it.
const PdfWord* FindWord(std::vector<PdfWord>&& words, const QString& text) = delete;

}  // namespace gyrolux::testing
