#pragma once

#include <map>
#include <optional>
#include <set>

#include <QString>
#include <QStringList>

#include "engine/chart.h"

namespace gyrolux::calc {

// The options of one verb: "--name value" pairs and bare "--flag"s.
class CalcArgs {
 public:
  // Fails (error set, false returned) on an unknown option, a missing value or a
  // repeated option.
  bool parse(const QStringList& args, const std::set<QString>& valueOptions,
             const std::set<QString>& flagOptions, QString& error);

  bool has(const QString& name) const { return values_.count(name) > 0 || flags_.count(name) > 0; }
  std::optional<QString> value(const QString& name) const;

 private:
  std::map<QString, QString> values_;
  std::set<QString> flags_;
};

// A finite decimal number with a point as separator, nothing else around it.
std::optional<double> ParseNumber(const QString& text);

// Reads --date, --hours, --lon and --lat into a moment (taken as given, nothing added)
// with its date text. Checks that the date exists (years 1600..9999), that the hours lie
// in 0 up to below 100 and the coordinates within the ranges the dialogs accept.
bool ReadMoment(const CalcArgs& args, Chart& chart, QString& error);

}  // namespace gyrolux::calc
