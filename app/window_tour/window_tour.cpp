// A walk through the windows for looking at them: run under a virtual X server, it takes a
// screenshot (ImageMagick's import) at each stop into the folder given as argument, prints
// the result line of each search hit and prints the dials to PDF files in that folder.
// Three parts: the main window and its interval dialog ("clock_"), the date/time/place
// dialog and the two searches ("dialogs_"), the enlarged dial, the axis graphic and the
// two information windows ("diagrams_"). Not a test; built only on request (target
// gyrolux-window-tour).
#include <QApplication>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

#include "clock/main_window.h"
#include "dialogs/search_dialog.h"
#include "engine/formatting.h"
#include "evaluation/enlarged_dial_window.h"
#include "info/introduction_window.h"
#include "platform/printing.h"
#include "platform/qt_prompter.h"
#include "platform/symbol_font.h"
#include "platform/translations.h"
#include "platform/window_kit.h"
#include "radix/chart_library.h"
#include "radix/radix_settings.h"
#include "session/session.h"

namespace {

QString g_folder;
QString g_part;  // the screenshots' prefix

void Shoot(const QString& name) {
  QApplication::processEvents();
  QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                              g_folder + u'/' + g_part + u'_' + name + ".png"});
}

// The widget of that name and type among the windows and their children, a visible one
// first: the main window keeps hidden windows of the same names as the enlarged dial's.
template <typename T = QWidget>
T* Find(const char* name) {
  T* hidden = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    QList<T*> found = top->findChildren<T*>(QString::fromLatin1(name));
    if (top->objectName() == QLatin1String(name)) found.prepend(qobject_cast<T*>(top));
    for (T* widget : found) {
      if (widget && widget->isVisible()) return widget;
      if (widget && !hidden) hidden = widget;
    }
  }
  return hidden;
}

QPushButton* Button(const QObject* root, gyrolux::MainButton which) {
  return root->findChild<QPushButton*>(gyrolux::MainButtonObjectName(which));
}

void Type(const QString& text) {
  for (QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

// Real boxes, each photographed and then answered; the print dialog goes to a PDF file.
class TourPrompter : public gyrolux::QtPrompter {
 public:
  bool answerYes = false;  // the calculating dial's question, answered without a box
  QString nextPdf = QStringLiteral("print.pdf");
  void information(const QString& text) override {
    answerLater(QStringLiteral("information"), QMessageBox::Ok);
    QtPrompter::information(text);
  }
  void error(const QString& text) override {
    answerLater(QStringLiteral("error"), QMessageBox::Ok);
    QtPrompter::error(text);
  }
  bool question(const QString& text) override {
    if (answerYes) return true;
    answerLater(QStringLiteral("question"), QMessageBox::No);
    return QtPrompter::question(text);
  }
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

// Runs the steps one after the other, each after its delay, and then `then`.
using Steps = std::vector<std::pair<int, std::function<void()>>>;
void RunSteps(std::shared_ptr<Steps> steps, size_t i, std::function<void()> then) {
  if (i == steps->size()) {
    if (then) then();
    return;
  }
  QTimer::singleShot((*steps)[i].first, [steps, i, then] {
    (*steps)[i].second();
    RunSteps(steps, i + 1, then);
  });
}
// Walks through the steps while the window that open() opens modally is shown.
void WhileOpen(Steps inside, const std::function<void()>& open) {
  RunSteps(std::make_shared<Steps>(std::move(inside)), 0, nullptr);
  open();
}

}  // namespace

int main(int argc, char** argv) {
  using gyrolux::MainButton;
  QApplication app(argc, argv);
  g_folder = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath()).absolutePath();
  QTemporaryDir scratch;  // the main window's files (ALT.DAT, settings, charts) stay out of the way
  QDir::setCurrent(scratch.path());
  qputenv("XDG_CONFIG_HOME", scratch.filePath(QStringLiteral("config")).toUtf8());
  const QString charts = scratch.filePath(QStringLiteral("charts.sqlite"));
  qputenv("GYROLUX_CHARTS", charts.toUtf8());
  {  // one radix in the library, remembered as loaded
    QString error;
    gyrolux::RadixRecord record;
    record.name = QStringLiteral("Beispiel");
    record.localDate = QDate(1975, 3, 21);
    record.localTime = QTime(14, 30, 0);
    record.zone = QStringLiteral("Europe/Berlin");
    record.place = QStringLiteral("Marburg");
    record.country = QStringLiteral("Deutschland");
    record.longitude = 8.7667;
    record.latitude = 50.8;
    if (auto library = gyrolux::ChartLibrary::Open(charts, error)) library->Add(record, error);
    gyrolux::RememberRadix(record.name, charts);
  }
  const gyrolux::SymbolFontRegistration font;
  gyrolux::InstallGermanTranslations(app);
  TourPrompter prompter;
  QTextStream out(stdout);

  // The main window and its dialogs, from the title picture on.
  gyrolux::Session session(prompter);
  gyrolux::MainWindow window(session);
  const auto field = [](const char* name) { return Find<QLineEdit>(name); };
  const auto searchDialog = [](const char* name) { return static_cast<gyrolux::SearchDialog*>(Find<QDialog>(name)); };
  const auto open = [&window](MainButton button, Steps inside) {
    WhileOpen(std::move(inside), [&window, button] { Button(&window, button)->click(); });
  };
  const auto openAction = [&window](const char* name, Steps inside) {
    WhileOpen(std::move(inside), [&window, name] { window.findChild<QAction*>(QString::fromLatin1(name))->trigger(); });
  };
  const auto haltIfRunning = [&] {
    if (window.controller().running()) Button(&window, MainButton::Halt)->click();
  };
  // A hit is shown in the evaluation window, which opens by itself: photographed, then closed.
  const auto showHit = [&](const char* name) {
    return [&, name] {
      out << session.search.resultLine << Qt::endl;
      Shoot(QString::fromLatin1(name));
      if (auto* evaluation = Find<QDialog>("evaluationWindow")) evaluation->reject();
    };
  };
  Steps stops = {
      {4000, [] { Shoot(QStringLiteral("2_running")); }},
      {500, [] { Find<QScrollBar>("tempoScrollBar")->setValue(40); }},
      {3000, [] { Shoot(QStringLiteral("3_running_fast")); }},
      {100, [&] { Button(&window, MainButton::Halt)->click(); }},
      {500, [] { Shoot(QStringLiteral("4_halted")); }},
      {100, [&] {
         QTimer::singleShot(600, [] {
           Shoot(QStringLiteral("5_interval"));
           Find<QDialog>("intervalDialog")->reject();
         });
         Button(&window, MainButton::Interval)->click();
       }},
      {300, [] {
         for (const char* box : {"linearGraphicBox", "withMcBox", "withAsBox", "withTransplutoBox"})
           Find<QCheckBox>(box)->setChecked(true);
       }},
      {700, [] { Shoot(QStringLiteral("6_linear")); }},
      {100, [&] {
         Find<QCheckBox>("linearGraphicBox")->setChecked(false);
         Button(&window, MainButton::About)->click();
       }},
      {600, [] { Shoot(QStringLiteral("7_about")); }},
      {100, [&] {
         Button(&window, MainButton::About)->click();
         Button(&window, MainButton::Halt)->click();
         static_cast<gyrolux::Panel*>(Find("bottomPanel"))->onClick();
       }},
      {1500, [] { Shoot(QStringLiteral("8_covered")); }},
      // The date/time/place dialog and the searches.
      {100, [&] {
         g_part = QStringLiteral("dialogs");
         Button(&window, MainButton::Halt)->click();
       }},
      {300, [&] {
         open(MainButton::Moment, {
             {700, [] { Shoot(QStringLiteral("1_moment_dialog")); }},
             {100, [] { Type(QStringLiteral("2412203013")); }},
             {100, [] { Type(QStringLiteral("05")); }},
             {100, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }},
             {500, [] { Shoot(QStringLiteral("2_moment_dialog_places")); }},
             {100, [&] {
                field("longitudeSignField")->setFocus();
                field("longitudeSignField")->selectAll();
                Type(QStringLiteral("x"));
              }},
             {1000, [] { Type(QStringLiteral("-01030-0905")); }},
         });
       }},
      {800, [] { Shoot(QStringLiteral("3_after_moment_dialog")); }},
      {100, [&] {
         searchDialog("pictureSearchDialog")->setSearchFunction(gyrolux::PlainAlarmSearch);
         open(MainButton::PictureSearch, {
             {700, [] { Type(QStringLiteral("cuap")); }},
             {300, [] { Shoot(QStringLiteral("4_picture_search")); }},
             {100, [] { Type(QStringLiteral("hakr")); }},
             {2000, [] { Shoot(QStringLiteral("5_picture_search_running")); }},
             {100, [&] { searchDialog("pictureSearchDialog")->findChild<QPushButton*>(QStringLiteral("abortButton"))->click(); }},
         });
       }},
      {800, [&] {
         haltIfRunning();
         searchDialog("pictureSearchDialog")->setSearchFunction(gyrolux::FastAlarmSearch);
         open(MainButton::PictureSearch, {{500, [] { Type(QStringLiteral("somomaju")); }}, {1500, showHit("6_picture_hit")}});
       }},
      {100, [&] {
         haltIfRunning();
         open(MainButton::MidpointSearch, {
             {700, [] { Type(QStringLiteral("somc2")); }},
             {300, [] { Shoot(QStringLiteral("7_midpoint_search")); }},
             {100, [] { Type(QStringLiteral("2")); }},
             {100, [] { Type(QStringLiteral("31")); }},
             {1000, [] { Type(QStringLiteral("05")); }},
             {1500, showHit("8_midpoint_hit")},
         });
       }},
      // The radix's windows from the menu bar.
      {100, [&] {
         g_part = QStringLiteral("radix");
         haltIfRunning();
       }},
      {300, [&] { openAction("radixLibraryAction", {{1000, [] { Shoot(QStringLiteral("1_library")); }},
                                                    {100, [] { Find<QDialog>("radixWindow")->reject(); }}}); }},
      {300, [&] {
         openAction("eventListAction", {
             {700, [] { Find<QPushButton>("searchButton")->click(); }},
             {4000, [] { Shoot(QStringLiteral("2_event_list")); }},
             {100, [] { Find<QDialog>("eventListWindow")->reject(); }},
         });
       }},
      {300, [&] {
         openAction("radixListsAction", {
             {700, [] { Find<QPushButton>("transitsButton")->click(); }},
             {500, [] { Shoot(QStringLiteral("3_transits")); }},
             {100, [] { Find<QPushButton>("sumsButton")->click(); }},
             {500, [] { Shoot(QStringLiteral("4_sums")); }},
             {100, [] { Find<QDialog>("radixListsWindow")->reject(); }},
         });
       }},
      {300, [&] { openAction("graphicEphemerisAction", {{2000, [] { Shoot(QStringLiteral("5_graphic_ephemeris")); }},
                                                        {100, [] { Find<QDialog>("ephemerisWindow")->reject(); }}}); }},
      {100, [&] { window.close(); }},
  };
  // The title window first: photographed, then "weiter"; the stops begin once the
  // start-up question has been answered.
  g_part = QStringLiteral("clock");
  QTimer::singleShot(600, [&] {
    Shoot(QStringLiteral("1_title"));
    Find<QPushButton>("continueButton")->click();
    QTimer::singleShot(0, [&] { RunSteps(std::make_shared<Steps>(std::move(stops)), 0, nullptr); });
  });
  window.show();
  app.exec();

  // The enlarged dial of a moment of its own, its prints and the axis graphic, the help
  // and the introduction; the saved files go into the folder.
  g_part = QStringLiteral("diagrams");
  QDir::setCurrent(g_folder);
  prompter.answerYes = true;
  gyrolux::Session diagrams(prompter);
  gyrolux::Chart& chart = diagrams.chart;
  chart.moment = {5, 12, 2026, 10.4972, 10.0, 50.0, false, false};
  chart.texts.dateText = QStringLiteral("05.12.2026");
  chart.texts.longitudeText = QStringLiteral("+010°00'");
  chart.texts.latitudeText = QStringLiteral("+50°00'");
  gyrolux::RecomputeChart(chart);
  diagrams.flags.symbolFontPresent = gyrolux::SymbolFontPresent();
  diagrams.placeLabel = gyrolux::PlaceLabel(chart.moment);
  diagrams.printerPage.height = static_cast<uint16_t>(gyrolux::NextHundredAbove(gyrolux::DefaultPrinterPageSize().height()));
  {
    QString error;
    diagrams.radix = gyrolux::LoadRememberedRadix(error);
  }
  gyrolux::EnlargedDialWindow enlarged(diagrams);
  // The enlarged dial's own buttons (the axis graphic has some of the same names).
  const auto click = [&enlarged](const char* name) {
    enlarged.findChild<QPushButton*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly)->click();
  };
  WhileOpen({
      {1500, [] { Shoot(QStringLiteral("1_enlarged_mc")); }},
      {100, [] {
         Find<QRadioButton>("circleASButton")->click();
         Find<QScrollBar>("rotationScrollBar")->setValue(205);
       }},
      {800, [] { Shoot(QStringLiteral("2_enlarged_as_turned")); }},
      {100, [] {
         auto* mode = Find<QComboBox>("dialModeBox");
         mode->setCurrentIndex(1);
         emit mode->activated(1);
       }},
      {300, [] {
         Find("enlargedDialView")->setFocus();
         for (int i = 0; i < 17; ++i) QTest::keyClick(Find("enlargedDialView"), Qt::Key_Right);
       }},
      {800, [] { Shoot(QStringLiteral("2b_enlarged_90_pointer")); }},
      {100, [&] {
         prompter.nextPdf = QStringLiteral("dial.pdf");
         click("printButton");
       }},
      {100, [&] {
         prompter.nextPdf = QStringLiteral("rscheibe.pdf");
         click("calculatingDialButton");
       }},
      {100, [&] { click("saveButton"); }},
      {1500, [&] {
         WhileOpen({{1200, [] { Shoot(QStringLiteral("3_axis_graphic")); }},
                    {100, [&] {
                       prompter.nextPdf = QStringLiteral("axes.pdf");
                       Find<QDialog>("axisGraphicWindow")->findChild<QPushButton*>(QStringLiteral("printButton"))->click();
                       Find<QDialog>("axisGraphicWindow")->reject();
                     }}},
                   [&] { click("axisGraphicButton"); });
       }},
      {300, [&] {
         WhileOpen({{1000, [] { Shoot(QStringLiteral("4_help")); }}, {100, [] { Find<QDialog>("helpWindow")->reject(); }}},
                   [&] { click("helpButton"); });
       }},
      {100, [&] { enlarged.reject(); }},
  }, [&] { enlarged.run(); });
  gyrolux::IntroductionWindow introduction;
  QTimer::singleShot(1200, [&] {
    Shoot(QStringLiteral("5_introduction"));
    introduction.reject();
  });
  introduction.run();
  return 0;
}
