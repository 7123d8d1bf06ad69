#include "evaluation/ephemeris_note.h"
#include "evaluation/axis_lookup_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>

#include "evaluation/list_files.h"
#include "evaluation/list_view.h"
#include "platform/colors.h"
#include "platform/printing.h"
#include "platform/prompter.h"
#include "platform/window_kit.h"
#include "session/session.h"

namespace gyrolux {

namespace {

constexpr int kFieldLength = 2;

struct ButtonLayout {
  const char* objectName;
  const char* caption;
  int x, width;
  const char* hint;
};

constexpr ButtonLayout kButtons[] = {
    {"printButton", "&Drucken", 212, 75, " Kopiert die Anzeige auf den Drucker "},
    {"saveButton", "&Speichern", 290, 75, " Kopiert die Anzeige in eine Text-Datei im aktuellen Verzeichnis "},
    {"nextDayButton", "&Nächster Tag", 368, 84, " Ändert das Datum - auch für alle Auswertungs-Anwendungen "},
    {"backButton", "&Zurück", 455, 75, " Schaltet zurück zu den Auswertungs-Möglichkeiten "},
};

QString EscText() { return QStringLiteral("  ESC  "); }

}  // namespace

AxisLookupWindow::AxisLookupWindow(Session& session, AxisLookupKind kind, QWidget* parent)
    : KitWindow(parent, {kind == AxisLookupKind::Degree ? QStringLiteral("degreeAxisLookup")
                                                        : QStringLiteral("midpointAxisLookup"),
                         LookupTexts(kind).openCaption,
                         {535, 414},
                         clYellow,
                         WindowFrame::TitleOnly,
                         WindowPlace::DesktopCentre}),
      session_(session),
      kind_(kind) {
  const AxisLookupTexts& texts = LookupTexts(kind);

  // Wide and high enough for the help texts and for a group of seven (72 characters of
  // 12 pixels) without scroll bars.
  view_ = MakeListView(this, QStringLiteral("listView"), QRect(2, 2, 531, 364), WindowFont("Courier New", 12),
                       false);
  view_->document()->setDocumentMargin(2);
  ShowLines(view_, texts.helpLines);

  const QString labels[2] = {texts.firstFieldLabel, texts.secondFieldLabel};
  const char* fieldNames[2] = {"firstField", "secondField"};
  int x = 8;
  for (int i = 0; i < 2; ++i) {
    QLabel* label = MakeLabel(this, labels[i], {x, 375});
    label->setFont(WindowFont("MS Sans Serif", 13, true));
    label->adjustSize();
    x += label->width() + 6;
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(fieldNames[i]));
    field->setAccessibleName(labels[i].trimmed());
    field->setGeometry(x, 370, 34, 26);
    field->setMaxLength(kFieldLength);
    field->setFont(WindowFont("MS Sans Serif", 16, true));
    SetBaseColor(field, clWhite, clNavy);
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, [this, i, field](const QString& text) {
      // Only a field being typed in moves on: the upper-casing below changes the text of a
      // field that has already moved on, and must not take the focus back to the list.
      if (text.size() < kFieldLength || leaveWatch_->quiet() || !field->hasFocus()) return;
      moveOn(i);
    });
    if (kind == AxisLookupKind::Midpoint) {
      connect(field, &QLineEdit::textEdited, field, [field](const QString& text) {
        // Letter by letter: "ß" stays one letter (and is refused) instead of becoming "SS".
        QString upper = text;
        for (QChar& c : upper) c = c.toUpper();
        if (upper != text) {
          const int cursor = field->cursorPosition();
          field->setText(upper);
          field->setCursorPosition(cursor);
        }
      });
    }
    fields_[i] = field;
    x += 34 + 14;
  }

  QPushButton* buttons[4];
  for (int i = 0; i < 4; ++i) {
    const ButtonLayout& layout = kButtons[i];
    auto* button = new QPushButton(QString::fromUtf8(layout.caption), this);
    button->setObjectName(QString::fromLatin1(layout.objectName));
    button->setGeometry(layout.x, 371, layout.width, 25);
    button->setToolTip(QString::fromUtf8(layout.hint));
    button->setAutoDefault(false);
    buttons[i] = button;
  }
  printButton_ = buttons[0];
  saveButton_ = buttons[1];
  nextDayButton_ = buttons[2];
  backButton_ = buttons[3];
  backButton_->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
  connect(printButton_, &QPushButton::clicked, this, &AxisLookupWindow::print);
  connect(saveButton_, &QPushButton::clicked, this, &AxisLookupWindow::save);
  connect(nextDayButton_, &QPushButton::clicked, this, &AxisLookupWindow::nextDay);
  connect(backButton_, &QPushButton::clicked, this, &QDialog::reject);

  escLabel_ = MakeLabel(this, EscText(), {2, 399}, QStringLiteral("escLabel"));
  SetBackground(escLabel_, clSilver);

  // Leaving the first field goes to the second; leaving the second checks the entry.
  leaveWatch_ = new FieldLeaveWatch(this, {fields_[0], fields_[1]}, [this](int index, QWidget* now) {
    if (index == 1) {
      checkFields();
    } else if (now != fields_[1]) {
      leaveWatch_->putFocus(fields_[1]);
    }
  });
}

void AxisLookupWindow::moveOn(int field) {
  // A full or entered field moves on: the first to the second, the second to the list
  // view, which makes it leave the field and so checks the entry.
  if (field == 0) {
    leaveWatch_->putFocus(fields_[1]);
  } else {
    view_->setFocus();
  }
}

void AxisLookupWindow::run() {
  leaveWatch_->setQuiet(true);
  setWindowTitle(LookupTexts(kind_).openCaption);
  setWaiting(true);
  SetLabelText(escLabel_, EscText());
  runModal();
}

void AxisLookupWindow::setWaiting(bool waiting) {
  SetBackground(this, waiting ? clYellow : clGreen);
  for (QPushButton* button : {printButton_, saveButton_, nextDayButton_, backButton_}) button->setVisible(!waiting);
}

void AxisLookupWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The last entry selected, so that typing replaces it.
  leaveWatch_->putFocus(fields_[0]);
  leaveWatch_->setQuiet(false);
}

void AxisLookupWindow::done(int result) {
  leaveWatch_->setQuiet(true);
  // A field must not keep the focus into the next showing, where losing it would check.
  view_->setFocus();
  QDialog::done(result);
}

bool AxisLookupWindow::eventFilter(QObject* watched, QEvent* event) {
  const int field = leaveWatch_->indexOf(qobject_cast<QWidget*>(watched));
  if (field >= 0 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      moveOn(field);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void AxisLookupWindow::checkFields() {
  const QString first = fields_[0]->text(), second = fields_[1]->text();
  if (kind_ == AxisLookupKind::Degree) {
    const std::optional<DegreeAxisEntry> entry = ReadDegreeAxis(first, second);
    if (!entry) {
      session_.prompter.error(LookupTexts(kind_).checkMessage);
      leaveWatch_->putFocus(fields_[0]);
      return;
    }
    degreeEntry_ = *entry;
    session_.search.searchAngle = DegreeAxisValue(*entry);
  } else {
    const std::optional<FactorPair> pair = ReadAxisPair(first, second);
    if (!pair) {
      session_.prompter.error(LookupTexts(kind_).checkMessage);
      leaveWatch_->putFocus(fields_[0]);
      return;
    }
    session_.search.pairA = pair->a;
    session_.search.pairB = pair->b;
  }
  SetLabelText(escLabel_, QString());
  rebuildList();
  setWaiting(false);
  backButton_->setFocus();
}

void AxisLookupWindow::rebuildList() {
  const Orb orb = session_.pictureOrb;
  if (kind_ == AxisLookupKind::Degree) {
    ShowLines(view_, DegreeAxisList(session_.chart, session_.search.searchAngle, orb));
    setWindowTitle(DegreeAxisCaption(degreeEntry_));
  } else {
    const FactorPair pair{session_.search.pairA, session_.search.pairB};
    ShowLines(view_, MidpointAxisList(session_.chart, pair, orb));
    setWindowTitle(MidpointAxisCaption(pair));
  }
}

void AxisLookupWindow::nextDay() {
  // The same time of day one calendar day on; the main window shows the new date.
  if (!StepLookupDay(session_.chart)) return;
  if (onDateChanged) onDateChanged();
  rebuildList();
}

void AxisLookupWindow::print() {
  // Straight to the default printer; where there is none, the print dialog offers the
  // others and a PDF file.
  QPrinter printer(QPrinter::HighResolution);
  if (printerSetUp_) {
    printerSetUp_(printer);
  } else if (!HasDefaultPrinter() && !session_.prompter.choosePrinter(printer)) {
    return;
  }
  QString error;
  if (!PrintList(printer, WithEphemerisNote(DisplayedLines(view_), session_.chart.moment), &error)) session_.prompter.error(error);
}

void AxisLookupWindow::save() {
  const NumberedFileKind kind =
      kind_ == AxisLookupKind::Degree ? NumberedFileKind::DegreeAxis : NumberedFileKind::MidpointAxis;
  const ListSave saved = SaveListFile(kind, WithEphemerisNote(DisplayedLines(view_), session_.chart.moment), session_.counters);
  if (saved.saved) {
    session_.prompter.information(saved.message);
  } else {
    session_.prompter.error(saved.message);
  }
}

}  // namespace gyrolux
