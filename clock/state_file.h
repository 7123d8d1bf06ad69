#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "engine/chart.h"

namespace gyrolux {

// ALT.DAT, the state file: the moment the clock showed when the program was last closed.
// Four lines: dateText, the time of day hh:mm:ss, longitudeText, latitudeText.
inline constexpr const char* kStateFileName = "ALT.DAT";
inline constexpr int kStoredTextLength = 10;

struct StoredMoment {
  QString dateText;
  QString timeText;
  QString longitudeText;
  QString latitudeText;
};

// The four texts from the lines of the file: each line cut to 10 characters, a missing
// line read as empty.
StoredMoment StoredMomentFromLines(const QStringList& lines);

// The date and the time of day to store for the chart's moment. Within 0 up to below 24
// hours they are the chart's own; a time of day that the minutes unit has carried past
// 24 hours or below zero is brought back into the day and its whole days into the date,
// so that the stored moment reads back as the same moment.
struct StorableMoment {
  QString dateText;
  double hours = 0.0;
};
StorableMoment MomentForStorage(const Chart& chart);

// The four lines of ALT.DAT for the chart.
QStringList StateFileLines(const Chart& chart);

// Reads ALT.DAT from the working directory; nullopt (with the reason in error) when it
// cannot be opened. Anything but a plain file (a pipe, a device) counts as missing.
std::optional<StoredMoment> ReadStateFile(QString* error = nullptr);

// Writes the lines as ALT.DAT (Windows-1252, CR LF), replacing the old file only once the
// new one is complete. False, with the reason in error, when it cannot be written.
bool WriteStateFile(const QStringList& lines, QString* error = nullptr);

}  // namespace gyrolux
