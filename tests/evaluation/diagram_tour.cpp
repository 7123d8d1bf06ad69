// A walk through the enlarged dial, the axis graphic and the two information windows for
// looking at them: run under a virtual X server, it takes a screenshot (ImageMagick's
// import) at each stop and prints the dials to PDF files in the folder given as argument.
// Not a test; built only on request (target gyrolux-diagram-tour).
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <functional>
#include <vector>

#include "engine/formatting.h"
#include "evaluation/enlarged_dial_window.h"
#include "info/introduction_window.h"
#include "platform/printing.h"
#include "platform/qt_prompter.h"
#include "platform/symbol_font.h"
#include "platform/translations.h"
#include "session/session.h"

namespace {

QString g_folder;

template <typename T = QWidget>
T* Find(const char* name) {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == QLatin1String(name)) return qobject_cast<T*>(top);
    if (T* child = top->findChild<T*>(QString::fromLatin1(name))) return child;
  }
  return nullptr;
}

void Shoot(const QString& name) {
  QApplication::processEvents();
  QProcess::execute(QStringLiteral("import"),
                    {QStringLiteral("-window"), QStringLiteral("root"), g_folder + u'/' + name + ".png"});
}

// Boxes answered after a look; the print dialog goes to a PDF file, the question is
// answered Yes.
class TourPrompter : public gyrolux::QtPrompter {
 public:
  QString nextPdf = QStringLiteral("print.pdf");
  void information(const QString& text) override {
    answerLater(QStringLiteral("information"), QMessageBox::Ok);
    QtPrompter::information(text);
  }
  bool question(const QString&) override { return true; }
  bool choosePrinter(QPrinter& printer) override {
    gyrolux::SetUpPdfPrinter(printer, g_folder + u'/' + nextPdf);
    return true;
  }

 private:
  void answerLater(const QString& name, QMessageBox::StandardButton answer) {
    QTimer::singleShot(400, [name, answer] {
      Shoot(QStringLiteral("box_") + name);
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->button(answer)->click();
    });
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  QDir::setCurrent(g_folder);
  const gyrolux::SymbolFontRegistration font;
  gyrolux::InstallGermanTranslations(app);
  TourPrompter prompter;
  gyrolux::Session session(prompter);
  gyrolux::Chart& chart = session.chart;
  chart.moment = {5, 12, 2026, 10.4972, 10.0, 50.0, false, false};
  chart.texts.dateText = QStringLiteral("05.12.2026");
  chart.texts.longitudeText = QStringLiteral("+010°00'");
  chart.texts.latitudeText = QStringLiteral("+50°00'");
  gyrolux::RecomputeChart(chart);
  session.flags.symbolFontPresent = gyrolux::SymbolFontPresent();
  session.placeLabel = gyrolux::PlaceLabel(chart.moment);
  session.printerPage.height = static_cast<uint16_t>(gyrolux::NextHundredAbove(gyrolux::DefaultPrinterPageSize().height()));

  gyrolux::EnlargedDialWindow enlarged(session);
  gyrolux::IntroductionWindow introduction;
  // The enlarged dial's own buttons (the axis graphic has some of the same names).
  const auto click = [&](const char* name) {
    enlarged.findChild<QPushButton*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly)->click();
  };

  std::vector<std::pair<int, std::function<void()>>> stops = {
      {1500, [] { Shoot(QStringLiteral("1_enlarged_mc")); }},
      {100, [] {
         Find<QRadioButton>("circleASButton")->click();
         Find<QScrollBar>("rotationScrollBar")->setValue(205);
       }},
      {800, [] { Shoot(QStringLiteral("2_enlarged_as_turned")); }},
      {100, [&] {
         prompter.nextPdf = QStringLiteral("dial.pdf");
         click("printButton");
       }},
      {100, [&] {
         prompter.nextPdf = QStringLiteral("rscheibe.pdf");
         click("calculatingDialButton");
       }},
      {100, [&] { click("saveButton"); }},
      {1500, [&] { click("axisGraphicButton"); }},
      {1200, [] { Shoot(QStringLiteral("3_axis_graphic")); }},
      {100, [&] {
         prompter.nextPdf = QStringLiteral("axes.pdf");
         Find<QDialog>("axisGraphicWindow")->findChild<QPushButton*>(QStringLiteral("printButton"))->click();
         Find<QDialog>("axisGraphicWindow")->reject();
       }},
      {300, [&] { click("helpButton"); }},
      {1000, [] { Shoot(QStringLiteral("4_help")); }},
      {100, [] { Find<QDialog>("helpWindow")->reject(); }},
      {100, [&] { enlarged.reject(); }},
  };
  std::function<void(size_t)> runFrom = [&](size_t i) {
    if (i >= stops.size()) return;
    QTimer::singleShot(stops[i].first, [&, i] {
      // The next stop is due while this one may open a modal window.
      runFrom(i + 1);
      stops[i].second();
    });
  };
  runFrom(0);
  enlarged.run();
  QTimer::singleShot(1200, [&] {
    Shoot(QStringLiteral("5_introduction"));
    introduction.reject();
  });
  introduction.run();
  return 0;
}
