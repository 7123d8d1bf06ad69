#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "platform/text_file.h"

namespace gyrolux {

// The clock's own small text files (ALT.DAT, Titel.dat, STELLIA.TXT) in the Windows-1252
// code page with CR LF line ends.

// The first maxLines lines of a file, each cut to maxLineLength characters (the rest of a
// longer line is skipped unread). A line ends at CR LF, LF or CR; a last line without its
// end counts. nullopt, with the reason in error, when the file cannot be opened.
std::optional<QStringList> ReadTextFileLines(const QString& path, int maxLines,
                                             int maxLineLength, QString* error = nullptr);

// Writes the lines, each ended by CR LF; an existing file is replaced only once the new
// one is complete. False, with the whole German message in error, when that fails.
bool WriteTextFileLines(const QString& path, const QStringList& lines, QString& error);

// EncodeWindows1252 comes from the platform layer (platform/text_file.h).

}  // namespace gyrolux

namespace gyrolux {

// The path of the file in the working directory whose name equals name without regard
// to case (the exact spelling first); empty when there is none.
QString FindWorkingFileIgnoringCase(const QString& name);

}  // namespace gyrolux
