#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace gyrolux {

// The folders that hold the files shipped with the program (the symbol font, the places
// file, the MC/MC texts), in the order they are looked in: beside the executable (the
// build folder), the data folder of the prefix the executable runs from
// (<prefix>/bin/../share/gyrolux), and the data folder of the prefix it was configured
// for. A folder comes once.
QStringList ProgramDataFolders();

// The user's own data folder of the program (~/.local/share/gyrolux on Linux); empty
// when the platform names none. It need not exist.
QString UserDataFolder();

// The first readable plain file named name (without regard to case) in the folders, in
// order.
std::optional<QString> FindFileInFolders(const QStringList& folders, const QString& name);

}  // namespace gyrolux
