// A walk through the windows for looking at them: run under a virtual X server, it takes a
// screenshot (ImageMagick's import) at each stop into the folder given as argument.
// Not a test; built only on request (target gyrolux-window-tour).
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <functional>
#include <vector>

#include "clock/interval_dialog.h"
#include "clock/main_window.h"
#include "session/session.h"
#include "clock/title_window.h"
#include "platform/qt_prompter.h"
#include "platform/window_kit.h"
#include "platform/symbol_font.h"
#include "platform/translations.h"

namespace {

QString g_folder;

template <typename T = QWidget>
T* Find(const QObject* root, const char* name) {
  return root->findChild<T*>(QString::fromLatin1(name));
}

QPushButton* Button(const QObject* root, gyrolux::MainButton which) {
  return root->findChild<QPushButton*>(gyrolux::MainButtonObjectName(which));
}

void Shoot(const QString& name) {
  QApplication::processEvents();
  QProcess::execute(QStringLiteral("import"),
                    {QStringLiteral("-window"), QStringLiteral("root"), g_folder + u'/' + name + ".png"});
}

// Real boxes, each photographed and then answered.
class TourPrompter : public gyrolux::QtPrompter {
 public:
  void information(const QString& text) override {
    answerLater(QStringLiteral("information"), QMessageBox::Ok);
    QtPrompter::information(text);
  }
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
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        box->button(answer)->click();
      }
    });
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  const gyrolux::SymbolFontRegistration font;
  gyrolux::InstallGermanTranslations(app);
  TourPrompter prompter;
  gyrolux::Session session(prompter);
  gyrolux::MainWindow window(session);
  using gyrolux::MainButton;


  std::vector<std::pair<int, std::function<void()>>> stops = {
      {4000, [&] { Shoot(QStringLiteral("2_running")); }},
      {500, [&] {
         Find<QScrollBar>(&window, "tempoScrollBar")->setValue(40);
       }},
      {3000, [&] { Shoot(QStringLiteral("3_running_fast")); }},
      {100, [&] { Button(&window, MainButton::Halt)->click(); }},
      {500, [&] { Shoot(QStringLiteral("4_halted")); }},
      {100, [&] {
         QTimer::singleShot(600, [&] {
           Shoot(QStringLiteral("5_interval"));
           Find<QDialog>(&window, "intervalDialog")->reject();
         });
         Button(&window, MainButton::Interval)->click();
       }},
      {300, [&] {
         Find<QCheckBox>(&window, "linearGraphicBox")->setChecked(true);
         Find<QCheckBox>(&window, "withMcBox")->setChecked(true);
         Find<QCheckBox>(&window, "withAsBox")->setChecked(true);
         Find<QCheckBox>(&window, "withTransplutoBox")->setChecked(true);
       }},
      {700, [&] { Shoot(QStringLiteral("6_linear")); }},
      {100, [&] {
         Find<QCheckBox>(&window, "linearGraphicBox")->setChecked(false);
         Button(&window, MainButton::About)->click();
       }},
      {600, [&] { Shoot(QStringLiteral("7_about")); }},
      {100, [&] {
         Button(&window, MainButton::About)->click();
         Button(&window, MainButton::Halt)->click();
         static_cast<gyrolux::Panel*>(Find(&window, "bottomPanel"))->onClick();
       }},
      {1500, [&] { Shoot(QStringLiteral("8_covered")); }},
      {100, [&] { window.close(); }},
  };
  // One stop after the other, each waiting its delay after the one before.
  std::function<void(size_t)> runFrom = [&](size_t i) {
    if (i == stops.size()) return;
    QTimer::singleShot(stops[i].first, [&, i] {
      stops[i].second();
      runFrom(i + 1);
    });
  };
  // The title window first: photographed, then "weiter"; the stops begin once the
  // start-up question has been answered.
  QTimer::singleShot(600, [&] {
    Shoot(QStringLiteral("1_title"));
    Find<QPushButton>(&window, "continueButton")->click();
    QTimer::singleShot(0, [&] { runFrom(0); });
  });
  window.show();
  return app.exec();
}
