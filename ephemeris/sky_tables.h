#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

namespace gyrolux {

// The modern sky's spans fitted when the program is built and shipped with it, so that the
// first clock, list or search in a year takes them from the file instead of fitting them
// (a century of a few factors costs seconds to fit, milliseconds to read). The file holds,
// for each channel of the fitted sky, a run of consecutive spans as FitSpanWords gives
// them. A span it does not hold, and any file or span that fails the checks (the file is
// data from the disk: it may be short, damaged or no plain file at all), is fitted as
// before: the tables only ever save time, they never change a value.
inline constexpr char kSkyTablesFileName[] = "gyrolux-sky.tables";

// The fitted sky looks for its spans in the tables at path from now on (an empty path:
// in none). The file is opened when the first span is asked for.
void UseSkyTables(const QString& path);

// A span's words from the tables in use; nothing when they do not hold it whole.
std::optional<std::vector<uint64_t>> SkyTablesSpan(int channel, int64_t index);

// Fits the spans of all channels for the years first..last and writes them as tables to
// path. For the work of several processes: only every parts-th run of a few hundred spans,
// beginning with the part-th (counted from 0), is fitted; the others are left out (not
// held). Empty on success, otherwise what went wrong.
QString WriteSkyTables(const QString& path, int firstYear, int lastYear, int part = 0, int parts = 1);

// Writes to path the tables whose spans are each taken from the first of the parts that
// holds it (parts written by WriteSkyTables for the same years).
QString MergeSkyTables(const QString& path, const QStringList& parts);

}  // namespace gyrolux
