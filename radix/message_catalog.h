#pragma once

#include <QHash>
#include <QString>

namespace gyrolux {

// The translations of a GNU gettext catalog (.mo file): original text to translated text,
// both UTF-8 (plural forms keep their first form). Empty when the file is missing, not a
// catalog or damaged. Read directly, because gettext translates only into a locale that
// is installed on the machine, and the atlas wants its German names on any machine.
QHash<QString, QString> ReadMessageCatalog(const QString& path);

}  // namespace gyrolux
