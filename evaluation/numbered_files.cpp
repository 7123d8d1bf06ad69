#include "evaluation/numbered_files.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>

namespace gyrolux {

namespace {

struct NumberedFileForm {
  const char* prefix;
  int width;
  const char* extension;
};

// Indexed by NumberedFileKind.
constexpr NumberedFileForm kForms[] = {
    {"FAKT-", 2, ".TXT"}, {"CODE-", 2, ".TXT"}, {"HALB-", 2, ".TXT"},  {"MCTE-", 2, ".TXT"},
    {"Grad-", 2, ".TXT"}, {"ACHS-", 2, ".TXT"}, {"MCPic-", 2, ".WMF"}, {"_", 3, ".WMF"},
};

// Far more saves than a run makes; the bound keeps the search for a free name finite.
constexpr int kLargestNumber = 999999;

QString Padded(long long value, int width) { return QString::number(value).rightJustified(width, u'0'); }

}  // namespace

int& NumberedFileCounter(FileCounters& counters, NumberedFileKind kind) {
  switch (kind) {
    case NumberedFileKind::Factors: return counters.factors;
    case NumberedFileKind::Codes: return counters.codes;
    case NumberedFileKind::Midpoints: return counters.midpoints;
    case NumberedFileKind::McTexts: return counters.mcTexts;
    case NumberedFileKind::DegreeAxis:
    case NumberedFileKind::MidpointAxis: return counters.axisLookups;
    case NumberedFileKind::Diagram: return counters.diagrams;
    case NumberedFileKind::AxisGraphic: return counters.axisGraphics;
  }
  return counters.factors;
}

QString NumberedFileName(NumberedFileKind kind, int number, const CivilDate& chartDate) {
  const NumberedFileForm& form = kForms[static_cast<int>(kind)];
  const QString numberText = Padded(std::clamp(number, 0, kLargestNumber), form.width);
  if (kind == NumberedFileKind::AxisGraphic) {
    const QString date = Padded(std::clamp(chartDate.year, 0, 9999), 4) + Padded(std::clamp(chartDate.month, 0, 99), 2) +
                         Padded(std::clamp(chartDate.day, 0, 99), 2);
    return date + QLatin1String(form.prefix) + numberText + QLatin1String(form.extension);
  }
  return QLatin1String(form.prefix) + numberText + QLatin1String(form.extension);
}

int FirstFreeNumber(NumberedFileKind kind, int number, const QString& folder, const CivilDate& chartDate) {
  const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
  int free = std::clamp(number, 1, kLargestNumber);
  // A file of the name in another case counts as taken too: on a file system that ignores
  // case it is the same file.
  const QStringList taken = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  const auto exists = [&](const QString& name) {
    return std::any_of(taken.begin(), taken.end(),
                       [&](const QString& entry) { return entry.compare(name, Qt::CaseInsensitive) == 0; });
  };
  while (free < kLargestNumber && exists(NumberedFileName(kind, free, chartDate))) ++free;
  return free;
}

}  // namespace gyrolux
