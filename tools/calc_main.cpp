// gyrolux-calc's entry: the application object, then the arguments to RunCalc.
#include <QCoreApplication>
#include <QTextStream>

#include "tools/gyrolux_calc.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("gyrolux-calc"));
  QCoreApplication::setApplicationVersion(QStringLiteral(GYROLUX_VERSION));
  QTextStream out(stdout);
  QTextStream err(stderr);
  return gyrolux::calc::RunCalc(QCoreApplication::arguments(), out, err);
}
