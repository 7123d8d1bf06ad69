#include "evaluation/ephemeris_note.h"
#include "evaluation/evaluation_window.h"

#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>

#include "evaluation/axis_lookup_window.h"
#include "evaluation/list_files.h"
#include "evaluation/list_view.h"
#include "evaluation/mc_texts.h"
#include "platform/colors.h"
#include "platform/prompter.h"
#include "platform/window_kit.h"
#include "session/session.h"

namespace gyrolux {

namespace {

const char* const kIntroductionLines[] = {
    " ",
    "       Sie können nun unten sieben Auswertungen der aktuellen",
    "       Konstellation aktivieren.",
    " ",
    "       Faktoren: Zeigt die Liste der 22 Faktoren von MC bis PO",
    "       mit den Winkeln im Tierkreis sowie im 22,5°-Modus; ",
    " ",
    "       Alpha-Code: zeigt alle Halbsummen mit zugehörigen Häusern",
    "       sowie 22,5°-Winkeln in Astro-Alpha-Sortierung.",
    " ",
    "       Winkel-Code: Zeigt alle Halbsummen mit zugehörigen Häusern",
    "       sowie 22,5°-Winkeln in aufsteigender Winkelsortierung. ",
    " ",
    "       Halbsummen: Zeigt die Achsen von MC/MC bis ggf. PO/PO,",
    "       soweit sich mindestens ein Planetenbild darin ergibt.",
    " ",
    "       Grad-Achse: Verlangt die Eingabe eines 22,5°-Winkels und",
    "       zeigt dann alle darin befindlichen Halbsummen.",
    " ",
    "       HS-Achse: Verlangt die Eingabe einer Suchachse (Halbsumme)",
    "       und zeigt ebenfalls alle darin befindlichen Halbsummen.",
    " ",
    "       MC/MC-Texte: Zeigt die Bedeutungen aller Planetenbilder,",
    "       die in der MC/MC-Achse aktuell vorhanden sind.",
    " ",
    "       Die jeweilige Anzeige können Sie dann außerdem drucken",
    "       oder in einer Datei im aktuellen Verzeichnis speichern.",
    " ",
    "       Das Programm bestimmt für das Speichern den Dateinamen je",
    "       nach Anzeigeart selbst und zeigt ihn auch an.",
    "       Sie können während eines Programmlaufes mehrere Anzeigen der",
    "       gleichen Art speichern, da die Dateien programm-automatisch",
    "       mit einer laufenden Nummer versehen werden.",
};

enum class Command { Factors, AlphaCode, WinkelCode, Midpoints, DegreeAxis, MidpointAxis, McTexts, Print, Save, Back };

struct ButtonLayout {
  Command command;
  const char* objectName;
  const char* caption;
  int x, y, width;
  const char* hint;
};

constexpr ButtonLayout kButtons[] = {
    {Command::Factors, "factorsButton", "&Faktoren", 4, 496, 70,
     " Zeigt die Faktoren MC bis Poseidon mit Lage im TK sowie deren 22,5°-Winkel "},
    {Command::AlphaCode, "alphaCodeButton", "&Alpha-Code", 80, 496, 70,
     " Zeigt alle Halbsummen in astroalphabetischer Sortierung "},
    {Command::WinkelCode, "winkelCodeButton", "&Winkel-Code", 156, 496, 70,
     " Zeigt alle Halbsummen in Grad-Sortierung (22,5°) "},
    {Command::Midpoints, "midpointsButton", "&Halbsummen", 232, 496, 70,
     "Zeigt alle Halbsummen, die mit anderen Planetenbilder darstellen "},
    {Command::DegreeAxis, "degreeAxisButton", "&Grad-Achse", 308, 496, 70,
     " Hier geben sie einen 22,5°-Wert als Suchachse ein "},
    {Command::MidpointAxis, "midpointAxisButton", "HS-A&chse", 384, 496, 70,
     " Hier geben sie eine Halbsumme als Suchachse ein "},
    {Command::McTexts, "mcTextsButton", "&MC/MC-Texte", 460, 496, 77,
     " Zeigt die Bedeutungen der Planetenbilder in der MC/MC-Achse "},
    {Command::Print, "printButton", "&Drucken", 156, 523, 70, " Druckt die momentan gezeigte Liste "},
    {Command::Save, "saveButton", "&Speichern", 232, 523, 70,
     " Speichert die momentan gezeigte Liste in einer Text-Datei "},
    {Command::Back, "backButton", "&Zurück", 308, 523, 70, " Zurück zum Hauptbild mit Diagramm "},
};

// The window measures 557 x 588 pixels with its frame: 4 pixels on each side and a
// caption of 19 above.
constexpr QSize kClientSize(549, 561);

QFont ListFont(bool arial) { return WindowFont(arial ? "Arial" : "Courier New", kEightPointPixels); }

}  // namespace

QStringList EvaluationIntroduction() {
  QStringList lines;
  for (const char* line : kIntroductionLines) lines << QString::fromUtf8(line);
  return lines;
}

EvaluationWindow::EvaluationWindow(Session& session, QWidget* parent)
    : KitWindow(parent, {QStringLiteral("evaluationWindow"),
                         QString(13, u' ') + QStringLiteral("Die Auswertungsmöglichkeiten;  bitte unten auswählen "),
                         kClientSize,
                         clGreen,
                         WindowFrame::Standard,
                         WindowPlace::DesktopCentre}),
      session_(session),
      textsFolders_(McTextsFolders()) {

  view_ = MakeListView(this, QStringLiteral("listView"), QRect(4, 4, 533, 485), ListFont(false), true);
  view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  for (const ButtonLayout& layout : kButtons) {
    auto* button = new QPushButton(QString::fromUtf8(layout.caption), this);
    button->setObjectName(QString::fromLatin1(layout.objectName));
    button->setGeometry(layout.x, layout.y, layout.width, 22);
    button->setToolTip(QString::fromUtf8(layout.hint));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, command = layout.command] {
      switch (command) {
        case Command::Factors: showFactors(); break;
        case Command::AlphaCode: showAlphaCode(); break;
        case Command::WinkelCode: showWinkelCode(); break;
        case Command::Midpoints: showMidpoints(); break;
        case Command::DegreeAxis: openLookup(AxisLookupKind::Degree); break;
        case Command::MidpointAxis: openLookup(AxisLookupKind::Midpoint); break;
        case Command::McTexts: showMcTexts(); break;
        case Command::Print: print(); break;
        case Command::Save: save(); break;
        case Command::Back: reject(); break;
      }
    });
    if (layout.command == Command::Factors) factorsButton_ = button;
    if (layout.command == Command::Print) printButton_ = button;
    if (layout.command == Command::Save) saveButton_ = button;
    if (layout.command == Command::Back) backButton_ = button;
  }
  // Escape closes the window as "&Zurück" does (QDialog's reject).
  backButton_->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
  printButton_->setEnabled(false);
  saveButton_->setEnabled(false);

  lookups_[0] = new AxisLookupWindow(session_, AxisLookupKind::Degree, this);
  lookups_[1] = new AxisLookupWindow(session_, AxisLookupKind::Midpoint, this);
  for (AxisLookupWindow* lookup : lookups_) {
    lookup->onDateChanged = [this] {
      if (onDateChanged) onDateChanged();
    };
  }
}

EvaluationWindow::~EvaluationWindow() = default;

void EvaluationWindow::setDirectPrinterSetUp(std::function<void(QPrinter&)> setUp) {
  for (AxisLookupWindow* lookup : lookups_) lookup->setPrinterSetUp(setUp);
}

void EvaluationWindow::run() {
  kind_ = ShownListKind::None;
  ShowLines(view_, EvaluationIntroduction());
  execShown();
}

void EvaluationWindow::showSearchResult(const QString& resultLine) {
  if (isVisible()) return;
  ShowLines(view_, {QStringLiteral(" "), resultLine});
  execShown();
}

void EvaluationWindow::execShown() {
  // A lookup hides this window while it is open and shows it again when it closes.
  for (;;) {
    pendingLookup_.reset();
    runModal();
    if (!pendingLookup_) return;
    lookups_[*pendingLookup_ == AxisLookupKind::Degree ? 0 : 1]->run();
  }
}

void EvaluationWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  view_->setFont(ListFont(false));
  factorsButton_->setFocus();
  if (kind_ == ShownListKind::None) {
    printButton_->setEnabled(false);
    saveButton_->setEnabled(false);
  }
}

void EvaluationWindow::beginList(ShownListKind kind, bool arial) {
  view_->setFont(ListFont(arial));
  kind_ = kind;
  view_->clear();
  printButton_->setEnabled(true);
  saveButton_->setEnabled(true);
}

void EvaluationWindow::showList(ShownListKind kind, const QStringList& lines) {
  beginList(kind, false);
  ShowLines(view_, lines);
  backButton_->setFocus();
}

void EvaluationWindow::showFactors() { showList(ShownListKind::Factors, FactorsList(session_.chart)); }

void EvaluationWindow::showAlphaCode() { showList(ShownListKind::Code, AlphaCodeList(session_.chart)); }

void EvaluationWindow::showWinkelCode() {
  beginList(ShownListKind::Code, false);
  // The progress line stands below the header while the list is built.
  const QStringList head = {ListHeaderLine(WinkelCodeTitle(), session_.chart), QStringLiteral("  ")};
  ShowLines(view_, head + QStringList{WinkelCodeProgressLine()});
  view_->viewport()->repaint();
  ShowLines(view_, WinkelCodeList(session_.chart));
  backButton_->setFocus();
}

void EvaluationWindow::showMidpoints() {
  showList(ShownListKind::Midpoints, MidpointsList(session_.chart, session_.pictureOrb));
}

void EvaluationWindow::showMcTexts() {
  beginList(ShownListKind::McTexts, true);
  const McTextsList list =
      BuildMcTextsList(session_.chart, session_.pictureOrb, FindMcTextsFile(textsFolders_));
  ShowLines(view_, list.lines);
  if (!list.message.isEmpty()) {
    session_.prompter.error(list.message);
    return;
  }
  backButton_->setFocus();
}

void EvaluationWindow::openLookup(AxisLookupKind kind) {
  pendingLookup_ = kind;
  done(QDialog::Accepted);
}

void EvaluationWindow::print() {
  QPrinter printer(QPrinter::HighResolution);
  if (session_.prompter.choosePrinter(printer)) {
    QString error;
    if (!PrintList(printer, WithEphemerisNote(DisplayedLines(view_), session_.chart.moment), &error)) session_.prompter.error(error);
  }
  backButton_->setFocus();
}

void EvaluationWindow::save() {
  const ListSave saved = SaveListFile(FileKindOfList(kind_), WithEphemerisNote(DisplayedLines(view_), session_.chart.moment), session_.counters);
  if (saved.saved) {
    session_.prompter.information(saved.message);
  } else {
    session_.prompter.error(saved.message);
  }
  backButton_->setFocus();
}

}  // namespace gyrolux
