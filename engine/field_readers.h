#pragma once

#include <optional>

#include <QString>
#include <QStringView>

#include "engine/chart.h"
#include "engine/dial_mode.h"

namespace gyrolux {

// How a field spells a number; each reader of a number (the dialogs, the lookups, the
// places file, the state file, the command line) names its own form. The core is always
// a sign and decimal digits; a point stands for the decimal separator.
struct NumberForm {
  enum class Blanks {
    None,     // no blank anywhere
    Leading,  // spaces before the number
    Around,   // any white space before and after it
  };
  Blanks blanks = Blanks::None;
  bool sign = true;         // one "+" or "-" in front
  bool fraction = true;     // at most one decimal point among the digits (".5" and "5." too)
  bool comma = false;       // a comma serves as the decimal point as well
  bool exponent = false;    // "e" or "E", a sign and digits after the number ("1e-3")
  bool restIgnored = false;  // the number ends at the first character that does not fit
};

// The number a field holds in the given form, exact to the double nearest to its decimal
// text; nullopt when the text does not have the form, has no digit or is not finite.
std::optional<double> ReadNumber(QStringView text, NumberForm form);

// A decimal number typed into a dialog's field: blanks around it, one sign, digits with
// at most one point ("7", "7.5", ".5", "5.", " -0.5 "); no exponent, comma, "inf" or "nan".
inline constexpr NumberForm kTypedDecimal{.blanks = NumberForm::Blanks::Around};

// A whole number as the places file and the date dialog hold it: leading blanks, one sign,
// then digits and nothing after them ("  5", "-5" and "+05" are read; "5 ", "", "5x" and
// "1.0" are not), below 10^9 in size.
std::optional<int> ReadWholeNumber(QStringView text);

// An angle of a dial mode typed as degrees and minutes, either of which may fail to be a
// number: degrees from 0 up to the mode's whole degrees, minutes from 0 to 59, together at
// most the mode's width (22°30' in the 22.5-degree mode). Which field is wrong, degrees
// first.
enum class AngleFault { None, Degrees, Minutes };
AngleFault CheckModeAngle(std::optional<double> degrees, std::optional<double> minutes,
                          DialMode mode = kMode22_5);

// Reading the moment's texts back into numbers: the inverse of the formatters for the
// fields that the state file and the date dialog hold ("05.12.2026", "10:29:50",
// "+010°00'", "+50°00'"). A field that is not a clean number counts as the digits before
// its first other character, 0 if none.

// The number of a field: its decimal digits up to the first other character (0 if the
// field does not begin with a digit).
int LeadingNumber(QStringView field);

// LeadingNumber of the characters first..first + count - 1 (1-based) of text; characters
// past the end of the text are simply missing.
int FieldNumber(const QString& text, int first, int count);

// day, month and year from characters 1-2, 4-5 and 7-10 of a date text.
void ReadDateFields(const QString& dateText, ChartMoment& moment);

// h + m/60 + s/3600 from characters 1-2, 4-5 and 7-8 of a time text.
double HoursFromTimeText(const QString& timeText);

// The place of "+010°00'" and "+50°00'": degrees + minutes/60 + 0.0001, negated when the
// text begins with "-"; sets the west and south flags.
void ReadPlaceFields(const QString& longitudeText, const QString& latitudeText,
                     ChartMoment& moment);

}  // namespace gyrolux
