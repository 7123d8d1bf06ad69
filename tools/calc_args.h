#pragma once

#include <optional>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

#include "engine/chart.h"

namespace gyrolux::calc {

// The options that name a moment, shared by the verbs: --date DD.MM.YYYY, --hours H
// (world time), --lon L and --lat B (degrees, east and north positive).
QList<QCommandLineOption> MomentOptions();

// Reads the moment options into a moment (taken as given, nothing added) with its date
// text. Checks that each is given, that the date exists (years 1600..9999), that the
// hours lie in 0 up to below 100 and the coordinates within the ranges the dialogs accept.
bool ReadMoment(const QCommandLineParser& parser, Chart& chart, QString& error);

// A finite decimal number with a point as separator, nothing else around it.
std::optional<double> ParseNumber(const QString& text);

}  // namespace gyrolux::calc
