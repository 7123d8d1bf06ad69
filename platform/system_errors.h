#pragma once

#include <QString>

namespace gyrolux {

// The reason for a failed file operation in German, from the system's error number
// (errno). The platform's own texts are English; a user of this program reads German.
// 0 or an unknown number gives a general text with the number.
QString GermanSystemError(int errorNumber);

}  // namespace gyrolux
