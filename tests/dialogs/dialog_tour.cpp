// A walk through the date/time/place dialog and the two search dialogs for looking at
// them: run under a virtual X server, it takes a screenshot (ImageMagick's import) at each
// stop into the folder given as argument, and prints the result line of each hit.
// Not a test; built only on request (target gyrolux-dialog-tour).
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTextStream>

#include <functional>
#include <vector>

#include "clock/main_window.h"
#include "dialogs/search_dialog.h"
#include "platform/qt_prompter.h"
#include "platform/symbol_font.h"
#include "platform/translations.h"
#include "session/session.h"

namespace {

QString g_folder;

void Shoot(const QString& name) {
  QApplication::processEvents();
  QProcess::execute(QStringLiteral("import"),
                    {QStringLiteral("-window"), QStringLiteral("root"), g_folder + u'/' + name + ".png"});
}

void Type(const QString& text) {
  for (QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

QPushButton* Button(const QObject* root, gyrolux::MainButton which) {
  return root->findChild<QPushButton*>(gyrolux::MainButtonObjectName(which));
}

// Real boxes, each photographed and then answered.
class TourPrompter : public gyrolux::QtPrompter {
 public:
  void error(const QString& text) override {
    answerLater(QStringLiteral("error"), QMessageBox::Ok);
    QtPrompter::error(text);
  }
  bool question(const QString& text) override {
    answerLater(QStringLiteral("question"), QMessageBox::No);
    return QtPrompter::question(text);
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

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  g_folder = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath()).absolutePath();
  QTemporaryDir scratch;
  QDir::setCurrent(scratch.path());
  QFile flag(QStringLiteral("Titel.dat"));
  flag.open(QIODevice::WriteOnly);
  flag.close();
  const gyrolux::SymbolFontRegistration font;
  gyrolux::InstallGermanTranslations(app);
  TourPrompter prompter;
  gyrolux::Session session(prompter);
  gyrolux::MainWindow window(session);
  using gyrolux::MainButton;
  QTextStream out(stdout);
  const auto dialog = [&window](const char* name) {
    return window.findChild<QDialog*>(QString::fromLatin1(name));
  };
  const auto field = [&dialog](const char* dialogName, const char* name) {
    return dialog(dialogName)->findChild<QLineEdit*>(QString::fromLatin1(name));
  };
  // Opens a window by its button and walks through it while it is open.
  const auto open = [&window](MainButton button, Steps inside) {
    RunSteps(std::make_shared<Steps>(std::move(inside)), 0, nullptr);
    Button(&window, button)->click();
  };

  Steps stops = {
      {2500, [&] { Button(&window, MainButton::Halt)->click(); }},
      {300, [&] {
         open(MainButton::Moment, {
             {700, [&] { Shoot(QStringLiteral("1_moment_dialog")); }},
             {100, [&] { Type(QStringLiteral("2412203013")); }},
             {100, [&] { Type(QStringLiteral("05")); }},
             {100, [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }},
             {500, [&] { Shoot(QStringLiteral("2_moment_dialog_places")); }},
             {100, [&] {
                field("momentDialog", "longitudeSignField")->setFocus();
                field("momentDialog", "longitudeSignField")->selectAll();
                Type(QStringLiteral("x"));
              }},
             {1000, [&] { Type(QStringLiteral("-01030-0905")); }},
         });
       }},
      {800, [&] { Shoot(QStringLiteral("3_after_moment_dialog")); }},
      {100, [&] {
         static_cast<gyrolux::SearchDialog*>(dialog("pictureSearchDialog"))
             ->setSearchFunction(gyrolux::PlainAlarmSearch);
         open(MainButton::PictureSearch, {
             {700, [&] { Type(QStringLiteral("cuap")); }},
             {300, [&] { Shoot(QStringLiteral("4_picture_search")); }},
             {100, [&] { Type(QStringLiteral("hakr")); }},
             {2000, [&] { Shoot(QStringLiteral("5_picture_search_running")); }},
             {100, [&] {
                dialog("pictureSearchDialog")->findChild<QPushButton*>(QStringLiteral("abortButton"))->click();
              }},
         });
       }},
      {800, [&] {
         if (window.controller().running()) Button(&window, MainButton::Halt)->click();
         static_cast<gyrolux::SearchDialog*>(dialog("pictureSearchDialog"))
             ->setSearchFunction(gyrolux::FastAlarmSearch);
         open(MainButton::PictureSearch, {
             {500, [&] { Type(QStringLiteral("somomaju")); }},
         });
       }},
      {800, [&] {
         out << session.search.resultLine << Qt::endl;
         Shoot(QStringLiteral("6_picture_hit"));
       }},
      {100, [&] {
         if (window.controller().running()) Button(&window, MainButton::Halt)->click();
         open(MainButton::MidpointSearch, {
             {700, [&] { Type(QStringLiteral("somc2")); }},
             {300, [&] { Shoot(QStringLiteral("7_midpoint_search")); }},
             {100, [&] { Type(QStringLiteral("2")); }},
             {100, [&] { Type(QStringLiteral("31")); }},
             {1000, [&] { Type(QStringLiteral("05")); }},
         });
       }},
      {800, [&] {
         out << session.search.resultLine << Qt::endl;
         Shoot(QStringLiteral("8_midpoint_hit"));
       }},
      {100, [&] { window.close(); }},
  };
  RunSteps(std::make_shared<Steps>(std::move(stops)), 0, nullptr);
  window.show();
  return app.exec();
}
