#include "clock/interval_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "clock/interval_input.h"
#include "platform/window_kit.h"
#include "platform/colors.h"

namespace gyrolux {

namespace {

const char* const kHelpLines[] = {
    " Beim Start des Programmes läuft dessen Uhr - wie eine",
    " 'echte' - mit einem Takt pro Sekunde und einem Intervall,",
    " einer Schrittweite, für die astrologischen Berechnungen",
    " von 1 Sekunde pro Takt, also als  'Echtzeit' -Uhr: ",
    " Die Diagramm dreht in astrologischer 'Echtzeit'. ",
    "",
    " Hier können Sie nun eingeben, wie weit  - in Minuten -",
    " jeder Intervallschritt für die Berechnungen gehen soll.",
    " Ein Tag Fortschritt pro Takt erfordert 1500 Minuten, eine ",
    " Woche 10000 Minuten als Eingabe.",
    " Das Programm rechnet trotz dieser gerundeten Zahlen",
    " korrekt; sie können dies an der mitlaufenden Uhrzeit und",
    " den Tagesübergängen feststellen. ",
    " Intervalle zwischen mehr als 4 Stunden (>240 Minuten) ",
    " und einem Tag (< 1440 Minuten) sind nicht angebracht,",
    " da  MC  und  AS hierbei  'zu große Sprünge'  machen;",
    " bei Intervallen von knapp einem Tag scheinen  MC und ",
    " AS  außerdem und verwirrend(?) rückwärts zu laufen.",
    "  ",
    " Sie können auch die Tasten als Eingabe verwenden.",
};

struct UnitButton {
  const char* caption;
  const char* objectName;
  IntervalUnit unit;
  int left;
};
constexpr UnitButton kUnitButtons[] = {{"1 Tag", "dayButton", IntervalUnit::Day, 8},
                                       {"7 Tage", "weekButton", IntervalUnit::Week, 64},
                                       {"30 Tage", "monthButton", IntervalUnit::Month, 120},
                                       {"1 Jahr", "yearButton", IntervalUnit::Year, 176}};

}  // namespace

IntervalDialog::IntervalDialog(ClockState& clock, QWidget* parent)
    : KitWindow(parent, {QStringLiteral("intervalDialog"),
                         QStringLiteral("                Die Schrittweite pro Takt"),
                         {305, 348},
                         clYellow,
                         WindowFrame::TitleOnly,
                         WindowPlace::DesktopCentre}),
      clock_(clock) {

  QStringList lines;
  for (const char* line : kHelpLines) lines << QString::fromUtf8(line);
  helpText_ = MakeTextPanel(this, QString(), QStringLiteral("Hilfe"), {8, 8, 289, 289}, WindowFont("Arial", 11),
                            clCream, lines.join(u'\n'));

  for (int i = 0; i < 4; ++i) {
    const UnitButton& unitButton = kUnitButtons[i];
    auto* button = new QPushButton(QString::fromUtf8(unitButton.caption), this);
    button->setObjectName(QString::fromLatin1(unitButton.objectName));
    button->setGeometry(unitButton.left, 304, 49, 25);
    // Enter belongs to the minutes field, never to a button.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, unit = unitButton.unit] { chooseUnit(unit); });
    unitButtons_[i] = button;
  }

  minutesField_ = new QLineEdit(this);
  minutesField_->setObjectName(QStringLiteral("minutesField"));
  minutesField_->setAccessibleName(QStringLiteral("Minuten"));
  minutesField_->setGeometry(240, 304, 57, 24);
  minutesField_->setMaxLength(kIntervalFieldLength);
  minutesField_->setFont(WindowFont("MS Sans Serif", 13, true));
  SetBaseColor(minutesField_, clSilver);
  SetTextColor(minutesField_, clNavy);
  // Enter in the field, or the focus leaving it, takes the minutes.
  connect(minutesField_, &QLineEdit::returnPressed, this, &IntervalDialog::acceptMinutes);
  leaveWatch_ = new FieldLeaveWatch(this, {minutesField_}, [this](int, QWidget*) { acceptMinutes(); });
  connect(minutesField_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (text.size() >= kIntervalFieldLength) acceptMinutes();
  });

  QLabel* unitLabel = MakeLabel(this, QStringLiteral("Minuten"), {240, 328});
  unitLabel->setFont(WindowFont("MS Sans Serif", 13));
  unitLabel->adjustSize();

  SetBackground(MakeLabel(this, QStringLiteral("  ESC  "), {2, 333}), clSilver);
}

void IntervalDialog::run() {
  minutesField_->setText(QStringLiteral("0"));
  // In the middle of the desktop, not of the main window.
  runModal();
}

void IntervalDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  leaveWatch_->setQuiet(false);
  minutesField_->selectAll();
  if (clock_.unit != IntervalUnit::Seconds) {
    minutesField_->setFocus();
  } else {
    unitButtons_[0]->setFocus();
  }
}

void IntervalDialog::done(int result) {
  leaveWatch_->setQuiet(true);
  // The field must not keep the focus into the next showing, where losing it would
  // store its text.
  helpText_->setFocus();
  QDialog::done(result);
}

void IntervalDialog::acceptMinutes() {
  if (leaveWatch_->quiet() || !isVisible()) return;
  const IntervalAcceptance acceptance = AcceptIntervalText(minutesField_->text(), clock_);
  if (!acceptance.cleanNumber) minutesField_->setFocus();
  if (acceptance.closeDialog) {
    helpText_->setFocus();
    accept();
  }
}

void IntervalDialog::chooseUnit(IntervalUnit unit) {
  clock_.unit = unit;
  accept();
}

}  // namespace gyrolux
