#include "events/radix_lists_window.h"

#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>

#include "evaluation/list_view.h"
#include "platform/colors.h"
#include "platform/prompter.h"
#include "platform/text_file.h"
#include "session/session.h"

namespace gyrolux {

void SaveNumberedList(Prompter& prompter, const QString& prefix, int& number, const QStringList& lines,
                      const QString& what) {
  QString name;
  do {
    name = QStringLiteral("%1-%2.TXT").arg(prefix).arg(number++, 2, 10, QLatin1Char('0'));
  } while (QFileInfo::exists(name) || QFileInfo(name).isSymLink());
  QString error;
  if (WriteTextLines(name, QStringList{QString()} + lines, &error)) {
    prompter.information(QStringLiteral("%1 wurde gespeichert in  %2  im aktuellen Verzeichnis.").arg(what, name));
  } else {
    prompter.error(error);
  }
}

RadixListsWindow::RadixListsWindow(Session& session, QWidget* parent)
    : KitWindow(parent, {QStringLiteral("radixListsWindow"), QStringLiteral("Radix-Listen"), {549, 561}, clGreen,
                         WindowFrame::Standard, WindowPlace::DesktopCentre}),
      session_(session) {
  view_ = MakeListView(this, QStringLiteral("listView"), QRect(4, 4, 533, 485),
                       WindowFont("Courier New", kEightPointPixels), true);
  noRadixLabel_ = MakeLabel(this, QStringLiteral("Keine Radix geladen: bitte erst über Radix → Radix-Kartei laden."),
                            {8, 12}, QStringLiteral("noRadixLabel"));
  const struct {
    RadixListKind kind;
    const char* name;
    const char* caption;
    int x;
    int width;
  } kLists[] = {{RadixListKind::Transite, "transitsButton", "&Transite → Radix", 4, 130},
                {RadixListKind::Sonnenbogen, "solarArcButton", "&Sonnenbogen", 138, 130},
                {RadixListKind::Progression, "progressionButton", "&Progression", 272, 130},
                {RadixListKind::Summen, "sumsButton", "S&ummen/Differenzen", 406, 131}};
  for (const auto& list : kLists) {
    auto* button = new QPushButton(QString::fromUtf8(list.caption), this);
    button->setObjectName(QString::fromLatin1(list.name));
    button->setGeometry(list.x, 496, list.width, 22);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, kind = list.kind] { showKind(kind); });
    listButtons_.push_back(button);
  }
  const auto button = [&](const QString& caption, const char* name, int x) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(x, 523, 70, 22);
    b->setAutoDefault(false);
    return b;
  };
  printButton_ = button(QStringLiteral("&Drucken"), "printButton", 156);
  saveButton_ = button(QStringLiteral("Spei&chern"), "saveButton", 232);
  auto* back = button(QStringLiteral("&Zurück"), "backButton", 308);
  back->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
  connect(printButton_, &QPushButton::clicked, this, [this] { print(); });
  connect(saveButton_, &QPushButton::clicked, this, [this] { save(); });
  connect(back, &QPushButton::clicked, this, [this] { reject(); });
  printButton_->setEnabled(false);
  saveButton_->setEnabled(false);
}

void RadixListsWindow::run() {
  const bool loaded = session_.radix.has_value();
  noRadixLabel_->setVisible(!loaded);
  view_->setVisible(loaded);
  for (QPushButton* b : listButtons_) b->setEnabled(loaded);
  runModal();
}

void RadixListsWindow::showKind(RadixListKind kind) {
  if (!session_.radix) return;
  ShowLines(view_, RadixList(kind, session_.chart, session_.radix->name, session_.radix->chart, session_.pictureOrb));
  printButton_->setEnabled(true);
  saveButton_->setEnabled(true);
}

void RadixListsWindow::print() {
  QPrinter printer(QPrinter::HighResolution);
  if (!session_.prompter.choosePrinter(printer)) return;
  QString error;
  if (!PrintList(printer, DisplayedLines(view_), &error)) session_.prompter.error(error);
}

void RadixListsWindow::save() {
  SaveNumberedList(session_.prompter, QStringLiteral("RLST"), savedNumber_, DisplayedLines(view_),
                   QStringLiteral("Die Liste"));
}

}  // namespace gyrolux
