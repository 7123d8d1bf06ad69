#include "radix/radix_exchange.h"

#include <cmath>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QStringConverter>
#include <QTimeZone>

#include "platform/text_file.h"
#include "radix/local_time.h"

namespace gyrolux {

namespace {

constexpr qint64 kLargestExchangeFile = 64 << 20;
// The Julian day of 1970-01-01 00:00 UT.
constexpr double kJulianDayOfUnixEpoch = 2440587.5;

QString CutShort(const QString& chunk, qsizetype have, qsizetype want) {
  return QStringLiteral("%1-Zeile mit %2 statt %3 Feldern (abgeschnitten?)").arg(chunk).arg(have).arg(want);
}

// "*" marks an unknown field.
QString Known(const QString& field) { return field == u"*" ? QString() : field; }

// "49n05", "8e11", "49n05:30": degrees, the hemisphere letter, minutes and seconds.
std::optional<double> ParseAafCoordinate(const QString& text, QChar positive, QChar negative, double limit) {
  static const QRegularExpression form(QStringLiteral("^(\\d{1,3})([a-zA-Z])(\\d{1,2})(?::(\\d{1,2}))?$"));
  const QRegularExpressionMatch m = form.match(text);
  if (!m.hasMatch()) return std::nullopt;
  const QChar letter = m.captured(2).at(0).toLower();
  if (letter != positive && letter != negative) return std::nullopt;
  const int minutes = m.captured(3).toInt(), seconds = m.captured(4).toInt();
  if (minutes > 59 || seconds > 59) return std::nullopt;
  const double value = m.captured(1).toInt() + minutes / 60.0 + seconds / 3600.0;
  if (value > limit) return std::nullopt;
  return letter == negative ? -value : value;
}

QString FormatAafCoordinate(double value, QChar positive, QChar negative) {
  const qint64 totalSeconds = std::llround(std::fabs(value) * 3600.0);
  QString text = QStringLiteral("%1%2%3")
                     .arg(totalSeconds / 3600)
                     .arg(value < 0 ? negative : positive)
                     .arg(totalSeconds / 60 % 60, 2, 10, QLatin1Char('0'));
  if (totalSeconds % 60 != 0) text += QStringLiteral(":%1").arg(totalSeconds % 60, 2, 10, QLatin1Char('0'));
  return text;
}

// The zone difference of #B93, "1he00", "1he", "5hw30", "0e21:48": hours, an optional h,
// e (east) or w (west), minutes and seconds. Seconds east.
std::optional<int> ParseAafZone(const QString& text) {
  static const QRegularExpression form(QStringLiteral("^(\\d{1,2})h?([eEwW])(\\d{1,2})?(?::(\\d{1,2}))?$"));
  const QRegularExpressionMatch m = form.match(text);
  if (!m.hasMatch()) return std::nullopt;
  const int minutes = m.captured(3).toInt(), seconds = m.captured(4).toInt();
  if (minutes > 59 || seconds > 59) return std::nullopt;
  const int total = m.captured(1).toInt() * 3600 + minutes * 60 + seconds;
  if (total > 15 * 3600) return std::nullopt;
  return m.captured(2).toLower() == u"w" ? -total : total;
}

QString FormatAafZone(int seconds) {
  const int magnitude = std::abs(seconds);
  QString text = QStringLiteral("%1h%2%3")
                     .arg(magnitude / 3600)
                     .arg(QChar(seconds < 0 ? u'w' : u'e'))
                     .arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'));
  if (magnitude % 60 != 0) text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QLatin1Char('0'));
  return text;
}

double JulianDayOf(const QDateTime& utc) {
  return kJulianDayOfUnixEpoch + static_cast<double>(utc.toMSecsSinceEpoch()) / 86400000.0;
}

// A record's AAF chunks, gathered from its lines: a line not starting with '#' continues
// the chunk before it.
struct AafRecord {
  int line = 0;
  QString a93, b93, znam, com;
  bool hasB93 = false;
};

// The zone, fold and check of an AAF record against its Julian day, which decides where
// the fields disagree.
QString ResolveAafZone(RadixRecord& record, const AafRecord& aaf, const QStringList& b) {
  std::optional<double> julianDay;
  if (aaf.hasB93 && !Known(b[0]).isEmpty()) {
    bool ok = false;
    const double value = b[0].toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 2305447.5 || value > 5373484.5)
      return QStringLiteral("Julianisches Datum „%1“ unlesbar oder außerhalb der Jahre 1600 bis 9999").arg(b[0]);
    julianDay = value;
  }
  const auto matchesJulianDay = [&](const QDateTime& utc) {
    return !julianDay || std::fabs(JulianDayOf(utc) - *julianDay) * 86400.0 <= 60.0;
  };
  const QString named = aaf.znam.trimmed();
  if (!named.isEmpty() && QTimeZone::isTimeZoneIdAvailable(named.toUtf8())) {
    record.zone = named;
    const LocalTimeResolution r = ResolveLocalTime(record.localDate, record.localTime, named, FoldChoice::None);
    if (r.kind == LocalTimeResolution::Kind::Unique && matchesJulianDay(r.utc)) return {};
    if (r.kind == LocalTimeResolution::Kind::Repeated && julianDay) {
      for (FoldChoice fold : {FoldChoice::Earlier, FoldChoice::Later}) {
        if (matchesJulianDay(ResolveLocalTime(record.localDate, record.localTime, named, fold).utc)) {
          record.fold = fold;
          return {};
        }
      }
    }
    if (!julianDay) return r.message;
  }
  record.fold = FoldChoice::None;
  const QString zoneField = aaf.hasB93 ? Known(b[3]) : QString();
  if (!zoneField.isEmpty()) {
    const std::optional<int> standard = ParseAafZone(zoneField);
    if (!standard) return QStringLiteral("Zonendifferenz „%1“ unlesbar").arg(zoneField);
    // The summer-time field: hours added to the zone time ("0", "1", "2"); letters
    // ("L" for local mean time and the like) add nothing.
    bool ok = false;
    const double summer = Known(b[4]).toDouble(&ok);
    const int offset = *standard + (ok && std::isfinite(summer) && std::fabs(summer) <= 3 ? int(std::lround(summer * 3600)) : 0);
    record.zone = FormatOffset(offset);
    const QDateTime utc = QDateTime(record.localDate, record.localTime, Qt::UTC).addSecs(-offset);
    if (matchesJulianDay(utc)) return {};
  }
  if (julianDay) {
    const QDateTime naive(record.localDate, record.localTime, Qt::UTC);
    const double offset = (JulianDayOf(naive) - *julianDay) * 86400.0;
    if (std::fabs(offset) > 15 * 3600) return QStringLiteral("Julianisches Datum passt nicht zu Datum und Uhrzeit");
    record.zone = FormatOffset(static_cast<int>(std::lround(offset)));
    return {};
  }
  return QStringLiteral("Keine Zeitzone angegeben (#B93 ohne Zonendifferenz und ohne Julianisches Datum)");
}

std::optional<RadixRecord> RecordFromAaf(const AafRecord& aaf, QString& error) {
  const QStringList a = aaf.a93.split(u',');
  if (a.size() < 7) {
    error = CutShort(QStringLiteral("#A93"), a.size(), 7);
    return std::nullopt;
  }
  QStringList trimmed;
  for (const QString& field : a) trimmed.append(field.trimmed());
  RadixRecord record;
  const QString last = Known(trimmed[0]), first = Known(trimmed[1]);
  record.name = first.isEmpty() ? last : last + QStringLiteral(", ") + first;
  const QString type = trimmed[2].toLower();
  record.kind = type.isEmpty() || type == u"*" || type == u"m" || type == u"f" || type == u"w" ? RadixKind::Person
                                                                                               : RadixKind::Event;
  record.localDate = ParseLocalDate(trimmed[3]);
  if (!record.localDate.isValid()) {
    error = QStringLiteral("Datum „%1“ unlesbar").arg(trimmed[3]);
    return std::nullopt;
  }
  record.localTime = ParseLocalTime(trimmed[4]);
  if (!record.localTime.isValid()) {
    error = QStringLiteral("Uhrzeit „%1“ unlesbar").arg(trimmed[4]);
    return std::nullopt;
  }
  record.place = Known(trimmed[5]);
  record.country = Known(trimmed.mid(6).join(u',').trimmed());
  if (!aaf.hasB93) {
    error = QStringLiteral("#B93-Zeile fehlt (ohne sie keine Koordinaten)");
    return std::nullopt;
  }
  QStringList b;
  for (const QString& field : aaf.b93.split(u',')) b.append(field.trimmed());
  if (b.size() < 5) {
    error = CutShort(QStringLiteral("#B93"), b.size(), 5);
    return std::nullopt;
  }
  const std::optional<double> latitude = ParseAafCoordinate(b[1], u'n', u's', 90.0);
  const std::optional<double> longitude = ParseAafCoordinate(b[2], u'e', u'w', 180.0);
  if (!latitude || !longitude) {
    error = QStringLiteral("Koordinaten „%1“, „%2“ unlesbar").arg(b[1], b[2]);
    return std::nullopt;
  }
  record.latitude = *latitude;
  record.longitude = *longitude;
  record.notes = aaf.com.trimmed();
  error = ResolveAafZone(record, aaf, b);
  if (!error.isEmpty()) return std::nullopt;
  return record;
}

void AddChecked(ImportedCharts& result, int number, std::optional<RadixRecord> record, const QString& error) {
  if (!record) {
    result.refused.append({number, error});
    return;
  }
  const QString problem = RecordProblem(*record);
  if (!problem.isEmpty()) {
    result.refused.append({number, problem});
    return;
  }
  result.records.append({number, *record});
}

// CSV: RFC 4180 fields (quotes doubled inside quoted fields, which may hold line breaks).
// Each record with the line number it starts on.
QList<std::pair<int, QStringList>> SplitCsv(const QString& text, QChar separator) {
  QList<std::pair<int, QStringList>> rows;
  QStringList fields;
  QString field;
  bool quoted = false, rowStarted = false;
  int line = 1, rowLine = 1;
  const auto endRow = [&] {
    fields.append(field);
    rows.append({rowLine, fields});
    fields.clear();
    field.clear();
    rowStarted = false;
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (!rowStarted) {
      rowStarted = true;
      rowLine = line;
    }
    if (quoted) {
      if (c == u'"') {
        if (i + 1 < text.size() && text[i + 1] == u'"') {
          field += u'"';
          ++i;
        } else {
          quoted = false;
        }
      } else {
        if (c == u'\n') ++line;
        field += c;
      }
    } else if (c == u'"') {
      quoted = true;
    } else if (c == separator) {
      fields.append(field);
      field.clear();
    } else if (c == u'\r' || c == u'\n') {
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      ++line;
      endRow();
    } else {
      field += c;
    }
  }
  if (rowStarted) endRow();
  return rows;
}

QString CsvField(const QString& text) {
  if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')) return text;
  return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

const QStringList& CsvColumns() {
  static const QStringList columns{QStringLiteral("name"),  QStringLiteral("kind"),    QStringLiteral("localDate"),
                                   QStringLiteral("localTime"), QStringLiteral("zone"), QStringLiteral("fold"),
                                   QStringLiteral("place"), QStringLiteral("country"), QStringLiteral("lon"),
                                   QStringLiteral("lat"),   QStringLiteral("notes")};
  return columns;
}

// A record from named text fields (CSV columns or JSON members given as text).
std::optional<RadixRecord> RecordFromFields(const std::function<QString(const QString&)>& field,
                                            const std::function<std::optional<double>(const QString&)>& number,
                                            QString& error) {
  RadixRecord record;
  record.name = field(QStringLiteral("name")).trimmed();
  const QString kind = field(QStringLiteral("kind"));
  if (!kind.isEmpty() && !KindFromText(kind, record.kind)) {
    error = QStringLiteral("Art „%1“ unbekannt (Person oder Ereignis)").arg(kind);
    return std::nullopt;
  }
  const QString date = field(QStringLiteral("localDate")), time = field(QStringLiteral("localTime"));
  record.localDate = ParseLocalDate(date);
  if (!record.localDate.isValid()) {
    error = QStringLiteral("Datum „%1“ unlesbar (TT.MM.JJJJ)").arg(date);
    return std::nullopt;
  }
  record.localTime = ParseLocalTime(time);
  if (!record.localTime.isValid()) {
    error = QStringLiteral("Uhrzeit „%1“ unlesbar (HH:MM:SS)").arg(time);
    return std::nullopt;
  }
  record.zone = field(QStringLiteral("zone")).trimmed();
  const QString fold = field(QStringLiteral("fold"));
  if (!FoldFromText(fold, record.fold)) {
    error = QStringLiteral("fold „%1“ unbekannt (earlier oder later)").arg(fold);
    return std::nullopt;
  }
  record.place = field(QStringLiteral("place"));
  record.country = field(QStringLiteral("country"));
  record.notes = field(QStringLiteral("notes"));
  const std::optional<double> lon = number(QStringLiteral("lon")), lat = number(QStringLiteral("lat"));
  if (!lon || !lat) {
    error = QStringLiteral("Länge oder Breite fehlt oder ist unlesbar");
    return std::nullopt;
  }
  record.longitude = *lon;
  record.latitude = *lat;
  return record;
}

std::optional<double> DecimalNumber(const QString& text) {
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

QString DecodeText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) return DecodeWindows1252(bytes);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  return text;
}

}  // namespace

QDate ParseLocalDate(const QString& text) {
  static const QRegularExpression form(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$"));
  const QRegularExpressionMatch m = form.match(text.trimmed());
  if (!m.hasMatch()) return {};
  return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

QTime ParseLocalTime(const QString& text) {
  static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
  const QRegularExpressionMatch m = form.match(text.trimmed());
  if (!m.hasMatch()) return {};
  return QTime(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

std::optional<ExchangeFormat> ExchangeFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == u"aaf") return ExchangeFormat::Aaf;
  if (suffix == u"csv") return ExchangeFormat::Csv;
  if (suffix == u"json") return ExchangeFormat::Json;
  return std::nullopt;
}

ImportedCharts ParseAaf(const QString& text) {
  ImportedCharts result;
  QList<AafRecord> records;
  QString* chunk = nullptr;  // the chunk a continuation line belongs to
  const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
  for (int i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    const int number = i + 1;
    if (!line.startsWith(u'#')) {
      if (chunk && !line.trimmed().isEmpty()) *chunk += line.trimmed();
      continue;
    }
    chunk = nullptr;
    const qsizetype colon = line.indexOf(u':');
    if (colon < 0) continue;
    const QString id = line.left(colon).toUpper();
    const QString data = line.mid(colon + 1);
    if (id == u"#A93") {
      AafRecord record;
      record.line = number;
      record.a93 = data;
      records.append(record);
      chunk = &records.last().a93;
    } else if (records.isEmpty()) {
      if (id != u"#") result.refused.append({number, QStringLiteral("%1-Zeile vor der ersten #A93-Zeile").arg(id)});
    } else if (id == u"#B93") {
      records.last().b93 = data;
      records.last().hasB93 = true;
      chunk = &records.last().b93;
    } else if (id == u"#ZNAM") {
      records.last().znam = data;
      chunk = &records.last().znam;
    } else if (id == u"#COM") {
      records.last().com += data;
      chunk = &records.last().com;
    }
  }
  for (const AafRecord& aaf : records) {
    QString error;
    std::optional<RadixRecord> record = RecordFromAaf(aaf, error);
    AddChecked(result, aaf.line, std::move(record), error);
  }
  std::sort(result.refused.begin(), result.refused.end());
  return result;
}

ImportedCharts ParseCsv(const QString& text) {
  ImportedCharts result;
  const qsizetype firstLineEnd = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
  const QString header = text.left(firstLineEnd < 0 ? text.size() : firstLineEnd);
  const QChar separator = header.count(u';') > header.count(u',') ? u';' : u',';
  const QList<std::pair<int, QStringList>> rows = SplitCsv(text, separator);
  if (rows.isEmpty()) return result;
  QHash<QString, qsizetype> column;
  for (qsizetype i = 0; i < rows.front().second.size(); ++i) column.insert(rows.front().second[i].trimmed(), i);
  for (const QString& needed : {QStringLiteral("name"), QStringLiteral("localDate"), QStringLiteral("localTime"),
                                QStringLiteral("zone"), QStringLiteral("lon"), QStringLiteral("lat")}) {
    if (!column.contains(needed)) {
      result.refused.append({1, QStringLiteral("Kopfzeile ohne Spalte „%1“").arg(needed)});
      return result;
    }
  }
  for (qsizetype r = 1; r < rows.size(); ++r) {
    const int line = rows[r].first;
    const QStringList& fields = rows[r].second;
    if (fields.size() == 1 && fields[0].trimmed().isEmpty()) continue;  // an empty line
    if (fields.size() != rows.front().second.size()) {
      result.refused.append({line, QStringLiteral("%1 statt %2 Felder").arg(fields.size()).arg(rows.front().second.size())});
      continue;
    }
    const auto field = [&](const QString& name) { return column.contains(name) ? fields[column[name]] : QString(); };
    QString error;
    std::optional<RadixRecord> record =
        RecordFromFields(field, [&](const QString& name) { return DecimalNumber(field(name)); }, error);
    AddChecked(result, line, std::move(record), error);
  }
  return result;
}

std::optional<ImportedCharts> ParseJson(const QString& text, QString& error) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &parseError);
  if (parseError.error != QJsonParseError::NoError || !document.isArray()) {
    error = parseError.error != QJsonParseError::NoError
                ? QStringLiteral("kein gültiges JSON (%1 bei Zeichen %2)").arg(parseError.errorString()).arg(parseError.offset)
                : QStringLiteral("JSON ohne Liste von Einträgen");
    return std::nullopt;
  }
  ImportedCharts result;
  const QJsonArray array = document.array();
  for (qsizetype i = 0; i < array.size(); ++i) {
    const int number = static_cast<int>(i + 1);
    if (!array[i].isObject()) {
      result.refused.append({number, QStringLiteral("Eintrag ist kein Objekt")});
      continue;
    }
    const QJsonObject object = array[i].toObject();
    const auto field = [&](const QString& name) { return object.value(name).toString(); };
    const auto numberField = [&](const QString& name) -> std::optional<double> {
      const QJsonValue value = object.value(name);
      if (!value.isDouble()) return std::nullopt;
      return value.toDouble();
    };
    QString problem;
    std::optional<RadixRecord> record = RecordFromFields(field, numberField, problem);
    AddChecked(result, number, std::move(record), problem);
  }
  return result;
}

QJsonObject RecordToJson(const RadixRecord& r) {
  return QJsonObject{
      {QStringLiteral("name"), r.name},
      {QStringLiteral("kind"), KindText(r.kind)},
      {QStringLiteral("localDate"), r.localDate.toString(QStringLiteral("dd.MM.yyyy"))},
      {QStringLiteral("localTime"), r.localTime.toString(QStringLiteral("HH:mm:ss"))},
      {QStringLiteral("zone"), r.zone},
      {QStringLiteral("fold"), FoldText(r.fold)},
      {QStringLiteral("place"), r.place},
      {QStringLiteral("country"), r.country},
      {QStringLiteral("lon"), r.longitude},
      {QStringLiteral("lat"), r.latitude},
      {QStringLiteral("notes"), r.notes},
  };
}

QByteArray WriteAaf(const QList<RadixRecord>& records) {
  QStringList lines;
  // No field may hold a comma (nor a line break).
  const auto field = [](const QString& text) {
    QString clean = text.trimmed();
    clean.replace(u',', u';').replace(u'\r', u' ').replace(u'\n', u' ');
    return clean.isEmpty() ? QStringLiteral("*") : clean;
  };
  for (const RadixRecord& r : records) {
    const LocalTimeResolution time = ResolveLocalTime(r.localDate, r.localTime, r.zone, r.fold);
    if (time.utc.isNull()) continue;
    const qsizetype comma = r.name.indexOf(QStringLiteral(", "));
    const QString last = comma < 0 ? r.name : r.name.left(comma);
    const QString first = comma < 0 ? QString() : r.name.mid(comma + 2);
    const QString timeText = r.localTime.toString(r.localTime.second() ? QStringLiteral("H:mm:ss") : QStringLiteral("H:mm"));
    lines << QString();
    lines << QStringLiteral("#A93:%1,%2,%3,%4,%5,%6,%7")
                 .arg(field(last), field(first), r.kind == RadixKind::Event ? QStringLiteral("e") : QStringLiteral("*"),
                      r.localDate.toString(QStringLiteral("d.M.yyyy")), timeText, field(r.place), field(r.country));
    // The zone time and the summer time apart where the zone database tells them.
    int standard = time.offsetSeconds;
    const bool named = !ParseFixedOffset(r.zone);
    if (named) standard = QTimeZone(r.zone.toUtf8()).standardTimeOffset(time.utc);
    const double summerHours = (time.offsetSeconds - standard) / 3600.0;
    lines << QStringLiteral("#B93:%1,%2,%3,%4,%5")
                 .arg(QString::number(JulianDayOf(time.utc), 'f', 6),
                      FormatAafCoordinate(r.latitude, u'n', u's'), FormatAafCoordinate(r.longitude, u'e', u'w'),
                      FormatAafZone(standard), QString::number(summerHours));
    if (named) lines << QStringLiteral("#ZNAM:") + r.zone;
    if (!r.notes.trimmed().isEmpty()) {
      QString notes = r.notes.trimmed();
      notes.replace(u'\r', u' ').replace(u'\n', u' ').replace(u'#', u' ');
      lines << QStringLiteral("#COM:") + notes;
    }
  }
  QString text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
  // Windows-1252 as the older programs read it, unless a name needs more than that.
  const QByteArray windows = EncodeWindows1252(text);
  return DecodeWindows1252(windows) == text ? windows : text.toUtf8();
}

QByteArray WriteCsv(const QList<RadixRecord>& records) {
  QString text = CsvColumns().join(u',') + QStringLiteral("\r\n");
  for (const RadixRecord& r : records) {
    const QJsonObject object = RecordToJson(r);
    QStringList fields;
    for (const QString& column : CsvColumns()) {
      const QJsonValue value = object.value(column);
      fields << CsvField(value.isDouble() ? QString::number(value.toDouble(), 'g', 17) : value.toString());
    }
    text += fields.join(u',') + QStringLiteral("\r\n");
  }
  return text.toUtf8();
}

QByteArray WriteJson(const QList<RadixRecord>& records) {
  QJsonArray array;
  for (const RadixRecord& r : records) array.append(RecordToJson(r));
  return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

std::optional<ImportedCharts> ReadExchangeFile(const QString& path, QString& error) {
  const std::optional<ExchangeFormat> format = ExchangeFormatOf(path);
  if (!format) {
    error = QStringLiteral("%1: unbekanntes Format (.aaf, .csv oder .json)").arg(path);
    return std::nullopt;
  }
  const QFileInfo info(path);
  if (!info.isFile()) {
    error = info.exists() ? QStringLiteral("%1 ist keine gewöhnliche Datei").arg(path)
                          : QStringLiteral("%1 gibt es nicht").arg(path);
    return std::nullopt;
  }
  if (info.size() > kLargestExchangeFile) {
    error = QStringLiteral("%1 ist größer als 64 MB").arg(path);
    return std::nullopt;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = CannotOpenFileText(path, file.errorString());
    return std::nullopt;
  }
  const QByteArray bytes = file.read(kLargestExchangeFile + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > kLargestExchangeFile) {
    error = CannotOpenFileText(path, file.errorString());
    return std::nullopt;
  }
  const QString text = DecodeText(bytes);
  switch (*format) {
    case ExchangeFormat::Aaf: return ParseAaf(text);
    case ExchangeFormat::Csv: return ParseCsv(text);
    case ExchangeFormat::Json: {
      std::optional<ImportedCharts> charts = ParseJson(text, error);
      if (!charts) error = path + QStringLiteral(": ") + error;
      return charts;
    }
  }
  return std::nullopt;
}

bool WriteExchangeFile(const QString& path, const QList<RadixRecord>& records, QString& error) {
  const std::optional<ExchangeFormat> format = ExchangeFormatOf(path);
  if (!format) {
    error = QStringLiteral("%1: unbekanntes Format (.aaf, .csv oder .json)").arg(path);
    return false;
  }
  const QByteArray bytes = *format == ExchangeFormat::Aaf   ? WriteAaf(records)
                           : *format == ExchangeFormat::Csv ? WriteCsv(records)
                                                            : WriteJson(records);
  return ReplaceFileContents(path, bytes, &error);
}

}  // namespace gyrolux
