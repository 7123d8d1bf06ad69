#pragma once

#include <optional>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

#include "engine/calendar.h"
#include "engine/chart.h"
#include "engine/dial_mode.h"

namespace gyrolux::calc {

// The options that name a moment, shared by the verbs: --date DD.MM.YYYY, --hours H
// (world time), --lon L and --lat B (degrees, east and north positive).
QList<QCommandLineOption> MomentOptions();

// --ephemeris model|swiss, the sky every verb computes in (model when not given).
QCommandLineOption EphemerisOption();

// Reads the moment options into a moment (taken as given, nothing added) with its texts:
// the date as given, the time as hh:mm, and the coordinates as the date dialog forms typed
// ones (TypedCoordinateText). Checks that each is given, that the date exists (years 1600..9999), that the
// hours lie in 0 up to below 100 and the coordinates within the ranges the dialogs accept.
// With a prefix the options are named --PREFIXdate and so on (the radix's --birth-date).
bool ReadMoment(const QCommandLineParser& parser, Chart& chart, QString& error, const QString& prefix = {});

// Reads --ephemeris (model when not given); refuses an unknown sky.
bool ReadEphemeris(const QCommandLineParser& parser, Ephemeris& ephemeris, QString& error);

// Sets the moment's sky; refuses a year the modern sky does not reach, with the German
// message that says why.
bool TakeEphemeris(Ephemeris ephemeris, ChartMoment& moment, QString& error);

// A coordinate as the date dialog forms it from typed degrees: "-" for a negative value,
// else "+"; the whole degrees of the magnitude with degreeDigits digits (3 for a longitude,
// 2 for a latitude), "°", the whole minutes trunc(fraction x 60 + 1e-6) with 2 digits
// (60 carries into the degrees), "'". "+010°00'", "-05°30'".
QString TypedCoordinateText(double value, int degreeDigits);

// The orb of --orb, kPictureOrb when not given. Beyond half the mode's width every position
// would be within the orb of every other, so the orb is at most MaxOrbDegrees(); it is above 0, or with
// zeroAllowed at least 0. False with the message in error for any other value.
bool ReadOrbOption(const QCommandLineParser& parser, Orb& orb, QString& error, bool zeroAllowed = false);

// A date DD.MM.YYYY as --date takes it (years 1600..9999); false with the message in error.
bool ReadDateText(const QString& text, CivilDate& date, QString& error);

// "Option --NAME fehlt".
QString MissingOptionText(const QString& name);

// A finite decimal number with a point as separator, nothing else around it.
std::optional<double> ParseNumber(const QString& text);

}  // namespace gyrolux::calc
