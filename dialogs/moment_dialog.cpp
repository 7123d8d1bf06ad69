#include "dialogs/moment_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "dialogs/places_file.h"
#include "platform/colors.h"
#include "platform/prompter.h"
#include "platform/window_kit.h"
#include "session/session.h"

namespace gyrolux {

namespace {

const char* const kHelpLines[] = {
    " Das Programm startet mit System-Datum und Systemzeit",
    " sowie mit  'Echtzeit' -Takt = 1 Takt  pro Sekunde  und",
    " einem Intervall = astrologischer Schrittweite von 1 Sek",
    " sowie mit den letzten verwendeten Koordinaten. ",
    "",
    " Hier können Sie diese Werte für die Gyrolux ändern,",
    " ohne daß die Systemdaten 'angefaßt'/geändert werden.",
    " Bei 'Ende' werden die erreichten Fortschrittsdaten des ",
    " Programmes gespeichert und stehen im nächsten Lauf",
    " über die Taste 'Alt' zum Laden bereit.",
    "",
    " Mit der Taste Real-Time (RT) können Sie jederzeit das",
    " Diagramm auf System-Datum und Systemzeit setzen.",
    "",
    " Generell gilt für alle Eingaben:",
    " Falls Sie eine der Tasten Intervall oder Datum/Zeit/Ort",
    " irrtümlich betätigt haben, so können Sie diesen Dialog ",
    " ohne Änderung/Eingabe mit der Taste ESC verlassen.",
    "",
    " Um die Geschwindigkeit/das Tempo/den Takt der Uhr",
    " zu ändern, ist ein Regler vorhanden.",
    " Nachdem Sie den Schieber in der Mitte oder einen der ",
    " beiden Richtungspfeile einmal angeklickt haben, ist der",
    " Regler aktiv (blinkt) und Sie können Änderungen dann",
    " auch mit den Links/Rechts-Cursortasten vornehmen.",
    " Jede Änderung wird sofort unter dem Regler angezeigt.",
    " ",
};

const char* const kPlacesNoteLines[] = {
    " Sie können für die Ortsbestimmung einen Namen aus ",
    " der Liste anklicken oder unten die Koordinaten eines",
    " Ortes in Länge und Breite eingeben.",
};

QString Lines(const char* const* lines, size_t count) {
  QStringList list;
  for (size_t i = 0; i < count; ++i) list << QString::fromUtf8(lines[i]);
  return list.join(u'\n');
}

// Where the fields stand in their row, by MomentField: left and width.
constexpr int kFieldTop = 394;
constexpr int kFieldHeight = 22;
constexpr std::array<std::pair<int, int>, kMomentFieldCount> kFieldPlaces = {{
    {8, 26}, {36, 26}, {64, 42},             // Datum
    {118, 26}, {146, 26},                    // WZ/GMT
    {184, 18}, {204, 34}, {240, 26},         // Länge
    {278, 18}, {298, 26}, {326, 26},         // Breite
}};

struct GroupLabel {
  const char* text;
  int left;
};
constexpr GroupLabel kGroupLabels[] = {{"Datum", 8}, {"WZ/GMT", 118}, {"Länge", 184}, {"Breite", 278}};

QPlainTextEdit* MakeMemo(QWidget* parent, const QString& objectName, const QString& name, const QString& text,
                         QRect geometry) {
  return MakeTextPanel(parent, objectName, name, geometry, WindowFont("Arial", 11), clCream, text);
}

// What a screen reader calls a field.
QString FieldName(MomentField field) {
  static const char* const kNames[kMomentFieldCount] = {
      "Tag",          "Monat",         "Jahr",           "Stunde",        "Minute",         "Länge Ost/West",
      "Länge Grad",   "Länge Minuten", "Breite Nord/Süd", "Breite Grad",  "Breite Minuten"};
  return QString::fromUtf8(kNames[static_cast<int>(field)]);
}

}  // namespace

MomentDialog::MomentDialog(Session& session, QWidget* parent)
    : KitWindow(parent, {QStringLiteral("momentDialog"),
                         QStringLiteral("                    Datum / Zeit / Ort "),
                         {360, 470},
                         clYellow,
                         WindowFrame::TitleOnly,
                         WindowPlace::DesktopCentre}),
      session_(session) {

  helpText_ = MakeMemo(this, QStringLiteral("helpText"), QStringLiteral("Hilfe"),
                       Lines(kHelpLines, std::size(kHelpLines)), {8, 8, 344, 378});

  placesNote_ = MakeMemo(this, QStringLiteral("placesNote"), QStringLiteral("Hinweis zur Ortsliste"),
                         Lines(kPlacesNoteLines, std::size(kPlacesNoteLines)), {8, 8, 344, 52});
  placesNote_->setFocusPolicy(Qt::NoFocus);
  placesNote_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  placesList_ = new QListWidget(this);
  placesList_->setObjectName(QStringLiteral("placesList"));
  placesList_->setAccessibleName(QStringLiteral("Ortsliste"));
  placesList_->setGeometry(8, 60, 344, 326);
  placesList_->setFont(WindowFont("Courier New", 12));
  placesList_->setUniformItemSizes(true);
  connect(placesList_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { pickPlace(placesList_->row(item)); });
  connect(placesList_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { pickPlace(placesList_->row(item)); });
  showPlaces(false);

  buildFields();
  for (const GroupLabel& group : kGroupLabels) {
    MakeLabel(this, QString::fromUtf8(group.text), {group.left, kFieldTop + kFieldHeight + 2});
  }
  escLabel_ = MakeLabel(this, QStringLiteral("  ESC  "), {2, 450}, QStringLiteral("escLabel"));
  SetBackground(escLabel_, clSilver);

  // Only a move within the dialog leaves a field; a message box or another window taking
  // the focus for a while does not.
  leaveWatch_ = new FieldLeaveWatch(this, std::vector<QWidget*>(fields_.begin(), fields_.end()),
                                    [this](int index, QWidget*) { checkOnLeaving(static_cast<MomentField>(index)); });
}

MomentDialog::~MomentDialog() = default;

void MomentDialog::buildFields() {
  for (const MomentFieldLayout& layout : kMomentFields) {
    const auto [left, width] = kFieldPlaces[static_cast<int>(layout.field)];
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(layout.objectName));
    edit->setAccessibleName(FieldName(layout.field));
    edit->setGeometry(left, kFieldTop, width, kFieldHeight);
    edit->setMaxLength(layout.maxLength);
    edit->setFont(WindowFont("MS Sans Serif", 13, true));
    SetBaseColor(edit, clSilver);
    SetTextColor(edit, clNavy);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this,
            [this, which = layout.field](const QString& text) { fieldEdited(which, text); });
    fields_[static_cast<int>(layout.field)] = edit;
  }
  // Tab runs through the fields in their order, the list (when shown) after the minutes.
  for (int i = 0; i + 1 < kMomentFieldCount; ++i) setTabOrder(fields_[i], fields_[i + 1]);
  setTabOrder(field(MomentField::Minute), placesList_);
  setTabOrder(placesList_, field(MomentField::LongitudeSign));
}

MomentFieldTexts MomentDialog::fieldTexts() const {
  MomentFieldTexts texts;
  for (int i = 0; i < kMomentFieldCount; ++i) texts[i] = fields_[i]->text();
  return texts;
}

void MomentDialog::run() {
  leaveWatch_->setQuiet(true);
  const MomentFieldTexts texts = ActivateMomentFields(session_.chart);
  for (int i = 0; i < kMomentFieldCount; ++i) fields_[i]->setText(texts[i]);
  escLabel_->show();
  showPlaces(false);
  field(MomentField::Day)->setFocus();
  field(MomentField::Day)->selectAll();
  leaveWatch_->setQuiet(false);
  runModal();
}

void MomentDialog::done(int result) {
  leaveWatch_->setQuiet(true);
  // No field keeps the focus into the next showing.
  helpText_->setFocus();
  QDialog::done(result);
}

void MomentDialog::showPlaces(bool shown) {
  placesNote_->setVisible(shown);
  placesList_->setVisible(shown);
}

bool MomentDialog::eventFilter(QObject* watched, QEvent* event) {
  const int index = leaveWatch_ ? leaveWatch_->indexOf(qobject_cast<QWidget*>(watched)) : -1;
  if (index < 0 || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const auto which = static_cast<MomentField>(index);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (which == MomentField::Day) escLabel_->hide();
  if (key == Qt::Key_Escape) {
    // Only the day field leaves the dialog by ESC.
    if (which == MomentField::Day) reject();
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (which == MomentField::LatitudeMinutes) {
      apply(which, CheckLatitude(fieldTexts(), session_.chart));
    } else {
      moveFocus(LayoutOf(which).enterMovesTo);
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool MomentDialog::escapePressed() {
  // ESC outside the day field does nothing here.
  return true;
}

void MomentDialog::checkOnLeaving(MomentField which) {
  Chart& chart = session_.chart;
  switch (which) {
    case MomentField::Year:
      apply(which, CheckDate(fieldTexts(), chart));
      break;
    case MomentField::Minute:
      apply(which, CheckTime(fieldTexts(), session_.flags.placesFilePresent, chart));
      break;
    case MomentField::LongitudeSign:
    case MomentField::LatitudeSign:
      apply(which, CheckSign(which, field(which)->text()));
      break;
    case MomentField::LongitudeDegrees:
    case MomentField::LatitudeDegrees:
      apply(which, CheckDegrees(which, field(which)->text()));
      break;
    case MomentField::LongitudeMinutes:
      apply(which, CheckLongitude(fieldTexts(), chart));
      break;
    case MomentField::LatitudeMinutes:
      apply(which, CheckLatitude(fieldTexts(), chart));
      break;
    default:
      break;
  }
}

void MomentDialog::apply(MomentField checked, const FieldCheck& check) {
  if (!check.message.isEmpty()) session_.prompter.error(check.message);
  if (check.passed && checked == MomentField::Minute) showPlaces(true);
  if (check.closeDialog) {
    accept();
    return;
  }
  if (check.focus) putFocus(*check.focus);
}

void MomentDialog::fieldEdited(MomentField which, const QString& text) {
  if (text.size() < LayoutOf(which).maxLength) return;
  switch (which) {
    case MomentField::Minute:
      if (session_.flags.placesFilePresent) {
        fillPlacesList();
      } else {
        moveFocus(MomentField::LongitudeSign);
      }
      break;
    case MomentField::LatitudeMinutes:
      apply(which, CheckLatitude(fieldTexts(), session_.chart));
      break;
    default:
      moveFocus(static_cast<MomentField>(static_cast<int>(which) + 1));
      break;
  }
}

void MomentDialog::moveFocus(MomentField to) {
  if (to == MomentField::PlacesList) {
    placesList_->setFocus(Qt::OtherFocusReason);
  } else {
    // A field entered by a move has its text selected, so that typing replaces it.
    field(to)->setFocus(Qt::OtherFocusReason);
    field(to)->selectAll();
  }
}

void MomentDialog::putFocus(MomentField to) {
  leaveWatch_->putFocus(to == MomentField::PlacesList ? static_cast<QWidget*>(placesList_) : field(to));
}

void MomentDialog::fillPlacesList() {
  const QStringList& lines = session_.places.lines;
  // The table does not change during a run: a list filled once stays right.
  if (placesList_->count() == lines.size()) return;
  placesList_->clear();
  QStringList names;
  names.reserve(lines.size());
  for (const QString& line : lines) names << PlaceName(line);
  placesList_->addItems(names);
}

void MomentDialog::pickPlace(int row) {
  const QStringList& lines = session_.places.lines;
  // The list holds at most as many entries as the table, 65,536: a 16-bit index.
  if (leaveWatch_->quiet() || row < 0 || row >= lines.size()) return;
  const PlacePick pick = PickPlace(lines[row], session_.chart);
  if (!pick.message.isEmpty()) session_.prompter.error(pick.message);
  const auto show = [this](const std::optional<std::array<QString, 3>>& texts, MomentField sign) {
    if (!texts) return;
    for (int i = 0; i < 3; ++i) fields_[static_cast<int>(sign) + i]->setText((*texts)[i]);
  };
  show(pick.latitudeFields, MomentField::LatitudeSign);
  show(pick.longitudeFields, MomentField::LongitudeSign);
  accept();
}

}  // namespace gyrolux
