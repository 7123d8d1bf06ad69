#pragma once

#include <QStringList>

namespace gyrolux {

// "Über Gyrolux": the program, its licence and the works it is built on, each with its
// licence and, where the licence asks for it, its attribution.
const QStringList& AboutLines();

}  // namespace gyrolux
