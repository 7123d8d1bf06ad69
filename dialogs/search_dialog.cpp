#include "dialogs/search_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "dialogs/search_input.h"
#include "dialogs/search_session.h"
#include "platform/colors.h"
#include "platform/prompter.h"
#include "platform/window_kit.h"
#include "session/session.h"

namespace gyrolux {

namespace {

const char* const kPictureHelpLines[] = {
    " ",
    " Hier geben Sie ein Planetenbild ein.",
    "",
    " Das Programm durchsucht bis zu 100 Jahre der Zukunft ab",
    " dem aktuellen Datum mit Intervallschritten von 10 Minuten,",
    " bis das Planetenbild erstmals auftritt.",
    "",
    " Das momentan durchsuchte Jahr wird unten rot angezeigt.",
    "",
    " Wird das Planetenbild gefunden, so wird zunächst nur das",
    " Planetenbild mit Datum und Uhrzeit einzeilig angezeigt.",
    " Unten in dieser Anzeige finden Sie weitere Möglichkeiten",
    " der Ergebnisausgabe für diese aktuelle Situation.",
    "",
    " Nach ´Zurück´ erscheint das Diagramm dieses gefundenen ",
    " Ereignisses mit Datum und Zeitangabe oben rechts in rot; ",
    " auch hier haben Sie die Möglichkeit, sich die Faktoren, ",
    " Halbsummen und Planetenbilder mit der Taste ´Auswerten´",
    " anzusehen, sie zu drucken und zu speichern.",
    "",
    " Mit der Taste ´Weiter´ können Sie den Ablauf fortsetzen",
    " oder aber mit der ´Real-Time-Taste´ (RT) zur Systemzeit",
    " zurückkehren.",
};

const char* const kMidpointHelpLines[] = {
    "",
    "  Sie haben hier die Möglichkeit, eine Halbsumme = Achse",
    "  suchen zu lassen, die einen bestimmten Winkel-Wert im",
    "  Bereich 0° bis 22,5° - also im Modus22,5 - aufweist. ",
    "",
    "  Das Programm untersucht ab der momentanen Situation",
    "  in 10-Minuten-Intervallen maximal 100 Jahre der Zukunft. ",
    "",
    "  Tritt die Halbsumme im vorgegebenen Winkel auf, so",
    "  erhalten Sie ähnliche Anzeigen wie bei ´Auswerten´ oder",
    "  bei einem gefundenen Planetenbild nach ´Pl.-Bild-Suche´.",
    " ",
};

// What happens when the focus leaves a field.
enum class OnLeaving {
  FocusNext,       // the focus is put into the next field
  FirstPairCheck,  // the first two fields as a pair
  CheckAndSearch,  // the last check, then the search
};

struct FieldLayout {
  const char* objectName;
  bool factorName;  // typed letters become upper case
  OnLeaving onLeaving;
  QRect geometry;
};

// Where everything stands in one of the two dialogs.
struct DialogLayout {
  const char* objectName;
  const char* caption;
  const char* const* helpLines;
  size_t helpLineCount;
  QSize size;
  int memoHeight;
  std::array<FieldLayout, 4> fields;
  // The labels between the picture's fields, or over the fields of the angle search.
  std::array<std::pair<const char*, QPoint>, 4> labels;
  int progressTop;  // the interval line; the year line and the button below it
};

const DialogLayout kPictureLayout = {
    "pictureSearchDialog",
    "                      Planetenbild-Suche",
    kPictureHelpLines,
    std::size(kPictureHelpLines),
    {360, 462},
    322,
    {{{"fieldA", true, OnLeaving::FocusNext, {62, 336, 34, 26}},
      {"fieldB", true, OnLeaving::FirstPairCheck, {124, 336, 34, 26}},
      {"fieldC", true, OnLeaving::FocusNext, {190, 336, 34, 26}},
      {"fieldD", true, OnLeaving::CheckAndSearch, {252, 336, 34, 26}}}},
    {{{" / ", {100, 340}}, {"=", {166, 340}}, {"/", {234, 340}}, {nullptr, {}}}},
    376,
};

const DialogLayout kMidpointLayout = {
    "midpointSearchDialog",
    "                    Halbsummen-Suche",
    kMidpointHelpLines,
    std::size(kMidpointHelpLines),
    {360, 338},
    172,
    {{{"factor1Field", true, OnLeaving::FocusNext, {24, 206, 40, 26}},
      {"factor2Field", true, OnLeaving::FirstPairCheck, {94, 206, 40, 26}},
      {"degreesField", false, OnLeaving::FocusNext, {194, 206, 40, 26}},
      {"minutesField", false, OnLeaving::CheckAndSearch, {264, 206, 40, 26}}}},
    {{{"1.Faktor", {24, 188}}, {"2.Faktor", {94, 188}}, {"Grad", {194, 188}}, {"Minuten", {264, 188}}}},
    252,
};

const DialogLayout& LayoutOf(AlarmKind kind) {
  return kind == AlarmKind::Picture ? kPictureLayout : kMidpointLayout;
}

// The year line is looked at this often while a search runs; "&Abbruch" ends a search
// well within a tenth of a second.
constexpr int kPollMilliseconds = 20;

}  // namespace

SearchDialog::SearchDialog(Session& session, AlarmKind kind, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session),
      kind_(kind) {
  const DialogLayout& layout = LayoutOf(kind);
  setObjectName(QString::fromLatin1(layout.objectName));
  setWindowTitle(QString::fromUtf8(layout.caption));
  setFixedSize(layout.size);
  setFont(WindowFont("MS Sans Serif", kEightPointPixels));
  SetBackground(this, clYellow);

  helpText_ = new QPlainTextEdit(this);
  helpText_->setObjectName(QStringLiteral("helpText"));
  helpText_->setGeometry(8, 8, layout.size.width() - 16, layout.memoHeight);
  helpText_->setReadOnly(true);
  helpText_->setFont(WindowFont("Arial", 11));
  helpText_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QStringList lines;
  for (size_t i = 0; i < layout.helpLineCount; ++i) lines << QString::fromUtf8(layout.helpLines[i]);
  helpText_->setPlainText(lines.join(u'\n'));
  SetBaseColor(helpText_, clCream);

  buildFieldRow();

  const QFont bold = WindowFont("MS Sans Serif", 13, true);
  intervalLine_ = MakeLabel(this, QString(), {8, layout.progressTop}, QStringLiteral("intervalLine"));
  intervalLine_->setFont(bold);
  SetTextColor(intervalLine_, clBlack);
  yearLine_ = MakeLabel(this, QString(), {8, layout.progressTop + 22}, QStringLiteral("yearLine"));
  yearLine_->setFont(bold);
  SetTextColor(yearLine_, clRed);

  abortButton_ = new QPushButton(QStringLiteral("&Abbruch"), this);
  abortButton_->setObjectName(QStringLiteral("abortButton"));
  abortButton_->setGeometry(layout.size.width() - 100, layout.progressTop + 44, 90, 25);
  abortButton_->hide();
  connect(abortButton_, &QPushButton::clicked, this, &SearchDialog::abortSearch);

  escLabel_ = MakeLabel(this, QStringLiteral("  ESC  "), {2, layout.size.height() - 18},
                        QStringLiteral("escLabel"));
  SetBackground(escLabel_, clSilver);

  pollTimer_ = new QTimer(this);
  pollTimer_->setInterval(kPollMilliseconds);
  connect(pollTimer_, &QTimer::timeout, this, &SearchDialog::poll);
  focusConnection_ = connect(qApp, &QApplication::focusChanged, this, &SearchDialog::focusChanged);
}

SearchDialog::~SearchDialog() {
  // The fields are destroyed after this part of the dialog, and the focus leaving them
  // must not reach it. A search still running is aborted and waited for with the job.
  disconnect(focusConnection_);
}

void SearchDialog::buildFieldRow() {
  const DialogLayout& layout = LayoutOf(kind_);
  for (int i = 0; i < 4; ++i) {
    const FieldLayout& f = layout.fields[i];
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(f.objectName));
    edit->setGeometry(f.geometry);
    edit->setMaxLength(2);
    edit->setFont(WindowFont("MS Sans Serif", 16, true));
    SetBaseColor(edit, clSilver);
    SetTextColor(edit, clNavy);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) { fieldEdited(i, text); });
    fields_[i] = edit;
  }
  for (const auto& [text, at] : layout.labels) {
    if (text == nullptr) continue;
    QLabel* label = MakeLabel(this, QString::fromUtf8(text), at);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(kind_ == AlarmKind::Picture ? 16 : kEightPointPixels);
    label->setFont(font);
    label->adjustSize();
  }
}

int SearchDialog::fieldIndex(const QObject* object) const {
  for (int i = 0; i < 4; ++i) {
    if (fields_[i] == object) return i;
  }
  return -1;
}

void SearchDialog::run() {
  closing_ = true;
  abortButton_->hide();
  SetLabelText(intervalLine_, QString());
  SetLabelText(yearLine_, QString());
  SetLabelText(escLabel_, QStringLiteral("  ESC  "));
  for (QLineEdit* field : fields_) field->setReadOnly(false);
  CentreOnDesktop(this);
  fields_[0]->setFocus();
  fields_[0]->selectAll();
  closing_ = false;
  exec();
}

void SearchDialog::reject() {
  // ESC does not stop a running search; the dialog closes when the search ends.
  if (job_) return;
  closing_ = true;
  helpText_->setFocus();
  QDialog::reject();
}

void SearchDialog::closeEvent(QCloseEvent* event) {
  if (job_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

bool SearchDialog::eventFilter(QObject* watched, QEvent* event) {
  const int index = fieldIndex(watched);
  if (index < 0 || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_Escape) {
    reject();
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (job_) return true;
    if (index < 3) {
      moveFocus(fields_[index + 1]);
    } else {
      checkAndSearch();
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void SearchDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    reject();
    return;
  }
  QDialog::keyPressEvent(event);
}

void SearchDialog::fieldEdited(int index, const QString& text) {
  QLineEdit* field = fields_[index];
  if (LayoutOf(kind_).fields[index].factorName) {
    const QString upper = FactorFieldText(text);
    if (upper != text) {
      const int cursor = field->cursorPosition();
      field->setText(upper);
      field->setCursorPosition(cursor);
    }
  }
  if (field->text().size() < 2) return;
  // The last field hands the focus to the help text, and so runs its check.
  moveFocus(index < 3 ? static_cast<QWidget*>(fields_[index + 1]) : helpText_);
}

void SearchDialog::moveFocus(QWidget* to) {
  to->setFocus(Qt::OtherFocusReason);
  // A field entered by a move has its text selected, so that typing replaces it.
  if (auto* field = qobject_cast<QLineEdit*>(to)) field->selectAll();
}

void SearchDialog::putFocus(QWidget* to) {
  putting_ = true;
  moveFocus(to);
  putting_ = false;
}

void SearchDialog::focusChanged(QWidget* old, QWidget* now) {
  if (closing_ || putting_ || job_ || !isVisible()) return;
  const int index = fieldIndex(old);
  // Only a move within the dialog leaves a field; a message box taking the focus for a
  // while does not.
  if (index < 0 || now == nullptr || now->window() != this) return;
  switch (LayoutOf(kind_).fields[index].onLeaving) {
    case OnLeaving::FocusNext:
      if (now != fields_[index + 1]) putFocus(fields_[index + 1]);
      break;
    case OnLeaving::FirstPairCheck:
      checkFirstPair();
      break;
    case OnLeaving::CheckAndSearch:
      checkAndSearch();
      break;
  }
}

bool SearchDialog::checkFirstPair() {
  const std::optional<std::pair<int, int>> pair = CheckPair(fields_[0]->text(), fields_[1]->text());
  if (!pair) {
    // The stored pair stays as it was.
    session_.prompter.error(InvalidPairMessage());
    putFocus(fields_[0]);
    return false;
  }
  session_.search.pairA = pair->first;
  session_.search.pairB = pair->second;
  return true;
}

void SearchDialog::checkAndSearch() {
  if (job_) return;
  SearchState& search = session_.search;
  if (kind_ == AlarmKind::Picture) {
    const std::optional<std::pair<int, int>> pair = CheckPair(fields_[2]->text(), fields_[3]->text());
    if (!pair) {
      session_.prompter.error(InvalidPairMessage());
      putFocus(fields_[2]);
      return;
    }
    search.pairC = pair->first;
    search.pairD = pair->second;
    // The first pair is the one stored last, even if the last check of A and B failed.
    startSearch(PictureSearchQuery(session_));
    return;
  }
  const AngleCheck angle = CheckSearchAngle(fields_[2]->text(), fields_[3]->text());
  if (!angle.angle) {
    session_.prompter.error(angle.message);
    putFocus(fields_[angle.focusMinutes ? 3 : 2]);
    return;
  }
  search.searchAngle = *angle.angle;
  // From this search on, the orb is 1.1 for the rest of the run.
  session_.pictureOrb = kMidpointSearchOrb.degrees;
  startSearch(MidpointSearchQuery(session_));
}

void SearchDialog::startSearch(const AlarmQuery& query) {
  const Chart& chart = session_.chart;
  const int year = chart.moment.year;
  query_ = query;
  SetLabelText(escLabel_, QString());
  SetLabelText(yearLine_, SearchYearLine(year));
  SetLabelText(intervalLine_, SearchIntervalLine(year, AlarmStopYear(year)));
  for (QLineEdit* field : fields_) field->setReadOnly(true);
  session_.search.searchAbort = false;
  shownYear_ = year;
  job_ = std::make_unique<AlarmSearchJob>(search_, query, SearchStart(chart));
  pollTimer_->start();
}

void SearchDialog::poll() {
  if (!job_) return;
  const int year = job_->year();
  if (year > shownYear_) {
    shownYear_ = year;
    SetLabelText(yearLine_, SearchYearLine(year));
    if (!abortButton_->isVisible()) {
      abortButton_->show();
      abortButton_->setFocus();
    }
  }
  if (job_->finished()) finishSearch();
}

void SearchDialog::abortSearch() {
  if (!job_) return;
  session_.search.searchAbort = true;
  job_->abort();
}

void SearchDialog::finishSearch() {
  pollTimer_->stop();
  const SearchResult result = job_->result();
  job_.reset();
  ApplySearchResult(session_, query_, result);
  closing_ = true;
  helpText_->setFocus();
  accept();
}

}  // namespace gyrolux
