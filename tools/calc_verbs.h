#pragma once

#include <QStringList>
#include <QTextStream>

namespace gyrolux::calc {

// One verb of gyrolux-calc: its arguments after the verb; prints to out, reports a bad
// argument as one line on err. Returns the exit status (0 ok, 2 bad arguments).
using VerbFunction = int (*)(const QStringList& args, QTextStream& out, QTextStream& err);

int RunChartVerb(const QStringList& args, QTextStream& out, QTextStream& err);
int RunAxesVerb(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace gyrolux::calc
