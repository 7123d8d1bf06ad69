#pragma once

#include <optional>

#include <QJsonObject>
#include <QList>
#include <QString>

#include "radix/radix_record.h"

namespace gyrolux {

// The exchange files of the chart library: AAF (the "#A93:"/"#B93:" text format of the
// astrology programs), CSV with a header line, and JSON (an array of objects).
enum class ExchangeFormat { Aaf, Csv, Json };

// By the file's extension (.aaf, .csv, .json, in any case).
std::optional<ExchangeFormat> ExchangeFormatOf(const QString& path);

// What an import found: the charts read, each with the line (AAF, CSV) or the entry
// number (JSON) it starts at, and the refused ones with their number and German reason.
struct ImportedCharts {
  QList<std::pair<int, RadixRecord>> records;
  QList<std::pair<int, QString>> refused;
};

ImportedCharts ParseAaf(const QString& text);
ImportedCharts ParseCsv(const QString& text);
// Nothing, with the reason in error, when the text is no JSON array.
std::optional<ImportedCharts> ParseJson(const QString& text, QString& error);

// A chart as one JSON object: name, kind, localDate (DD.MM.YYYY), localTime (HH:MM:SS),
// zone, fold, place, country, lon, lat, notes.
QJsonObject RecordToJson(const RadixRecord& record);

QByteArray WriteAaf(const QList<RadixRecord>& records);
QByteArray WriteCsv(const QList<RadixRecord>& records);
QByteArray WriteJson(const QList<RadixRecord>& records);

// Reads an exchange file (a plain file of at most 64 MB; UTF-8, else Windows-1252).
// Nothing, with the German reason in error, when it cannot be read as a whole.
std::optional<ImportedCharts> ReadExchangeFile(const QString& path, QString& error);
// Writes the charts to path in the format of its extension, replacing the file in one step.
bool WriteExchangeFile(const QString& path, const QList<RadixRecord>& records, QString& error);

// "DD.MM.YYYY" (also with one-digit day and month) and "HH:MM" or "HH:MM:SS".
QDate ParseLocalDate(const QString& text);
QTime ParseLocalTime(const QString& text);

}  // namespace gyrolux
