#pragma once

#include <QStringList>
#include <QTextStream>

namespace gyrolux::calc {

// The whole of gyrolux-calc on its arguments (the program's name first, as
// QCoreApplication::arguments() gives them): the result goes to out, a complaint or the
// help asked for wrongly to err; returns the exit status (0, or 2 for a refused
// argument). A QCoreApplication must exist.
int RunCalc(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Whether the verb named on the command line (its first argument that is no option) draws
// with fonts, and so needs a QGuiApplication.
bool VerbDrawsWithFonts(int argc, char** argv);

}  // namespace gyrolux::calc
