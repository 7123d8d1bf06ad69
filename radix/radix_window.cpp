#include "radix/radix_window.h"

#include <cmath>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "evaluation/evaluation_lists.h"
#include "platform/colors.h"
#include "platform/prompter.h"
#include "platform/window_kit.h"
#include "radix/local_time.h"
#include "radix/radix_chart.h"
#include "radix/radix_exchange.h"
#include "radix/radix_settings.h"
#include "session/session.h"

namespace gyrolux {

namespace {

constexpr int kAtlasRows = 10;

QPushButton* MakeButton(QWidget* parent, const QString& caption, const char* objectName, QRect geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setGeometry(geometry);
  return button;
}

QLineEdit* MakeField(QWidget* parent, const QString& caption, const char* objectName, int y, int width = 180) {
  MakeLabel(parent, caption, {250, y + 3});
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(objectName));
  field->setGeometry(340, y, width, 21);
  return field;
}

// A typed coordinate: decimal degrees with a point or a comma.
std::optional<double> TypedDegrees(const QString& text) {
  bool ok = false;
  const double value = QString(text).replace(u',', u'.').trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

RadixWindow::RadixWindow(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName(QStringLiteral("radixWindow"));
  setWindowTitle(QStringLiteral("Radix-Kartei"));
  setFont(WindowFont("MS Sans Serif", kEightPointPixels));
  SetBackground(this, clSilver);
  setFixedSize(780, 560);

  searchField_ = new QLineEdit(this);
  searchField_->setObjectName(QStringLiteral("radixSearchField"));
  searchField_->setPlaceholderText(QStringLiteral("Suchen …"));
  searchField_->setGeometry(8, 8, 230, 21);
  connect(searchField_, &QLineEdit::textChanged, this, [this] { fillList(); });
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("radixList"));
  list_->setGeometry(8, 34, 230, 360);
  connect(list_, &QListWidget::currentTextChanged, this, [this](const QString& name) {
    if (name.isEmpty() || !library_) return;
    QString error;
    if (const std::optional<RadixRecord> record = library_->Find(name, error)) showRecord(*record);
  });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { loadRadix(); });

  connect(MakeButton(this, QStringLiteral("&Neu"), "newButton", {8, 402, 112, 25}), &QPushButton::clicked, this,
          [this] { newRecord(); });
  connect(MakeButton(this, QStringLiteral("&Duplizieren"), "duplicateButton", {126, 402, 112, 25}),
          &QPushButton::clicked, this, [this] { duplicateRecord(); });
  connect(MakeButton(this, QStringLiteral("&Löschen"), "deleteButton", {8, 432, 112, 25}), &QPushButton::clicked,
          this, [this] { deleteRecord(); });
  connect(MakeButton(this, QStringLiteral("Als &Radix laden"), "loadButton", {126, 432, 112, 25}),
          &QPushButton::clicked, this, [this] { loadRadix(); });
  connect(MakeButton(this, QStringLiteral("&Schließen"), "closeButton", {8, 500, 230, 25}), &QPushButton::clicked,
          this, &QDialog::reject);
  buildForm();
}

RadixWindow::~RadixWindow() = default;

void RadixWindow::buildForm() {
  nameField_ = MakeField(this, QStringLiteral("Name:"), "nameField", 8);
  MakeLabel(this, QStringLiteral("Art:"), {530, 11});
  kindBox_ = new QComboBox(this);
  kindBox_->setObjectName(QStringLiteral("kindBox"));
  kindBox_->addItems({KindText(RadixKind::Person), KindText(RadixKind::Event)});
  kindBox_->setGeometry(560, 8, 100, 21);
  dateField_ = MakeField(this, QStringLiteral("Datum:"), "dateField", 34, 90);
  dateField_->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
  timeField_ = MakeField(this, QStringLiteral("Ortszeit:"), "timeField", 60, 90);
  timeField_->setPlaceholderText(QStringLiteral("HH:MM:SS"));
  placeField_ = MakeField(this, QStringLiteral("Ort:"), "placeField", 86, 320);
  countryField_ = MakeField(this, QStringLiteral("Land:"), "countryField", 112);
  zoneField_ = MakeField(this, QStringLiteral("Zeitzone:"), "zoneField", 138);
  zoneField_->setPlaceholderText(QStringLiteral("Europe/Berlin oder +05:30"));
  lonField_ = MakeField(this, QStringLiteral("Länge:"), "longitudeField", 164, 90);
  lonField_->setPlaceholderText(QStringLiteral("Grad, Ost +"));
  latField_ = MakeField(this, QStringLiteral("Breite:"), "latitudeField", 190, 90);
  latField_->setPlaceholderText(QStringLiteral("Grad, Nord +"));
  MakeLabel(this, QStringLiteral("Doppelte Stunde:"), {450, 193});
  foldBox_ = new QComboBox(this);
  foldBox_->setObjectName(QStringLiteral("foldBox"));
  foldBox_->addItems({QString(), QStringLiteral("die frühere"), QStringLiteral("die spätere")});
  foldBox_->setGeometry(560, 190, 100, 21);
  MakeLabel(this, QStringLiteral("Notiz:"), {250, 219});
  notesField_ = new QPlainTextEdit(this);
  notesField_->setObjectName(QStringLiteral("notesField"));
  notesField_->setGeometry(340, 216, 320, 40);
  worldTimeLabel_ = MakeLabel(this, QString(), {250, 262}, QStringLiteral("worldTimeLabel"));
  worldTimeLabel_->setFixedWidth(520);
  worldTimeLabel_->setWordWrap(true);
  worldTimeLabel_->setMinimumHeight(30);
  factorsText_ = new QPlainTextEdit(this);
  factorsText_->setObjectName(QStringLiteral("factorsText"));
  factorsText_->setReadOnly(true);
  factorsText_->setFont(WindowFont("Courier New", 12));
  factorsText_->setGeometry(250, 296, 520, 200);
  connect(MakeButton(this, QStringLiteral("S&peichern"), "saveButton", {670, 8, 100, 25}), &QPushButton::clicked,
          this, [this] { saveRecord(); });
  auto* attribution = MakeLabel(this, AtlasAttribution(), {250, 505}, QStringLiteral("atlasAttribution"));
  attribution->setFixedWidth(520);
  attribution->setWordWrap(true);

  // The atlas's places as the place is typed, over the fields below it.
  atlasList_ = new QListWidget(this);
  atlasList_->setObjectName(QStringLiteral("atlasList"));
  atlasList_->setGeometry(340, 108, 420, 180);
  atlasList_->hide();
  connect(atlasList_, &QListWidget::itemActivated, this, [this] { atlasPicked(atlasList_->currentRow()); });
  connect(atlasList_, &QListWidget::itemClicked, this, [this] { atlasPicked(atlasList_->currentRow()); });
  connect(placeField_, &QLineEdit::textEdited, this, [this](const QString& text) { placeTyped(text); });

  for (QLineEdit* field : {nameField_, dateField_, timeField_, zoneField_, lonField_, latField_})
    connect(field, &QLineEdit::textChanged, this, [this] { formChanged(); });
  connect(foldBox_, &QComboBox::currentIndexChanged, this, [this] { formChanged(); });
}

void RadixWindow::run() {
  QString error;
  library_ = ChartLibrary::Open(ChartLibraryPath(), error);
  if (!library_) {
    session_.prompter.error(error);
    return;
  }
  fillList();
  newRecord();
  exec();
  library_.reset();
}

void RadixWindow::fillList() {
  if (!library_) return;
  QString error;
  const std::optional<QStringList> names = library_->Names(error);
  if (!names) {
    session_.prompter.error(error);
    return;
  }
  const QString wanted = FoldForSearch(searchField_->text().trimmed());
  const QString current = selectedName();
  QSignalBlocker blocker(list_);
  list_->clear();
  for (const QString& name : *names) {
    if (wanted.isEmpty() || FoldForSearch(name).contains(wanted)) list_->addItem(name);
  }
  const QList<QListWidgetItem*> again = list_->findItems(current, Qt::MatchExactly);
  if (!again.isEmpty()) list_->setCurrentItem(again.front());
}

QString RadixWindow::selectedName() const {
  const QListWidgetItem* item = list_->currentItem();
  return item ? item->text() : QString();
}

void RadixWindow::showRecord(const RadixRecord& r) {
  editingName_ = r.name;
  editingRevision_ = r.revision;
  nameField_->setText(r.name);
  kindBox_->setCurrentIndex(r.kind == RadixKind::Event ? 1 : 0);
  dateField_->setText(r.localDate.toString(QStringLiteral("dd.MM.yyyy")));
  timeField_->setText(r.localTime.toString(QStringLiteral("HH:mm:ss")));
  placeField_->setText(r.place);
  countryField_->setText(r.country);
  zoneField_->setText(r.zone);
  lonField_->setText(QString::number(r.longitude, 'f', 4));
  latField_->setText(QString::number(r.latitude, 'f', 4));
  foldBox_->setCurrentIndex(static_cast<int>(r.fold));
  notesField_->setPlainText(r.notes);
  atlasList_->hide();
  formChanged();
}

RadixRecord RadixWindow::formRecord() const {
  RadixRecord r;
  r.name = nameField_->text().trimmed();
  r.kind = kindBox_->currentIndex() == 1 ? RadixKind::Event : RadixKind::Person;
  r.localDate = ParseLocalDate(dateField_->text());
  r.localTime = ParseLocalTime(timeField_->text());
  r.zone = zoneField_->text().trimmed();
  r.fold = static_cast<FoldChoice>(foldBox_->currentIndex());
  r.place = placeField_->text().trimmed();
  r.country = countryField_->text().trimmed();
  r.longitude = TypedDegrees(lonField_->text()).value_or(NAN);
  r.latitude = TypedDegrees(latField_->text()).value_or(NAN);
  r.notes = notesField_->toPlainText();
  r.revision = editingRevision_;
  return r;
}

// The world time and offset that result, and the chart's factors, after every change.
void RadixWindow::formChanged() {
  const RadixRecord r = formRecord();
  factorsText_->clear();
  if (!r.localDate.isValid() || !r.localTime.isValid()) {
    SetLabelText(worldTimeLabel_, QStringLiteral("Datum (TT.MM.JJJJ) und Ortszeit (HH:MM:SS) eingeben"));
    return;
  }
  const LocalTimeResolution time = ResolveLocalTime(r.localDate, r.localTime, r.zone, r.fold);
  if (time.utc.isNull()) {
    SetLabelText(worldTimeLabel_, time.message);
    return;
  }
  SetLabelText(worldTimeLabel_, QStringLiteral("Weltzeit: %1 WZ/GMT   (Ortszeit = Weltzeit %2)")
                                    .arg(time.utc.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")),
                                         FormatOffset(time.offsetSeconds)));
  if (!RecordProblem(r).isEmpty() && !r.name.isEmpty()) {
    SetLabelText(worldTimeLabel_, worldTimeLabel_->text() + QStringLiteral("\n") + RecordProblem(r));
    return;
  }
  QString error;
  if (!std::isfinite(r.longitude) || !std::isfinite(r.latitude)) return;
  if (const std::optional<Chart> chart = RadixChart(r, error)) {
    QStringList lines = FactorsList(*chart).mid(0, 2 + kFactorCount);
    factorsText_->setPlainText(lines.join(u'\n'));
  }
}

void RadixWindow::placeTyped(const QString& text) {
  if (!atlas_) atlas_ = Atlas::LoadWithPlacesFile();
  atlasHits_ = text.trimmed().isEmpty() ? QList<AtlasPlace>() : atlas_->Find(text, kAtlasRows);
  atlasList_->clear();
  for (const AtlasPlace& p : atlasHits_) {
    const QString where = p.admin.isEmpty() ? p.country : p.admin + QStringLiteral(", ") + p.country;
    atlasList_->addItem(QStringLiteral("%1 (%2)  %3").arg(p.name, where, p.zone));
  }
  atlasList_->setVisible(!atlasHits_.isEmpty());
  if (!atlasHits_.isEmpty()) atlasList_->raise();
}

void RadixWindow::atlasPicked(int row) {
  if (row < 0 || row >= atlasHits_.size()) return;
  const AtlasPlace& p = atlasHits_[row];
  placeField_->setText(p.name);
  countryField_->setText(p.country);
  zoneField_->setText(p.zone);
  lonField_->setText(QString::number(p.longitude, 'f', 4));
  latField_->setText(QString::number(p.latitude, 'f', 4));
  atlasList_->hide();
}

void RadixWindow::newRecord() {
  editingName_.clear();
  editingRevision_ = 0;
  for (QLineEdit* field : {nameField_, dateField_, timeField_, placeField_, countryField_, zoneField_, lonField_, latField_})
    field->clear();
  kindBox_->setCurrentIndex(0);
  foldBox_->setCurrentIndex(0);
  notesField_->clear();
  atlasList_->hide();
  formChanged();
  nameField_->setFocus();
}

void RadixWindow::duplicateRecord() {
  editingName_.clear();
  editingRevision_ = 0;
  nameField_->setText(nameField_->text() + QStringLiteral(" (Kopie)"));
  nameField_->setFocus();
}

void RadixWindow::saveRecord() {
  const RadixRecord record = formRecord();
  QString error;
  const bool saved = editingName_.isEmpty() ? library_->Add(record, error) : library_->Replace(editingName_, record, error);
  if (!saved) {
    session_.prompter.error(error);
    return;
  }
  searchField_->clear();
  fillList();
  const QList<QListWidgetItem*> items = list_->findItems(record.name, Qt::MatchExactly);
  if (!items.isEmpty()) list_->setCurrentItem(items.front());
  if (const std::optional<RadixRecord> stored = library_->Find(record.name, error)) showRecord(*stored);
}

void RadixWindow::deleteRecord() {
  const QString name = selectedName();
  if (name.isEmpty()) return;
  if (!session_.prompter.question(QStringLiteral("„%1“ aus der Radix-Kartei löschen?").arg(name))) return;
  QString error;
  if (!library_->Remove(name, error)) {
    session_.prompter.error(error);
    return;
  }
  fillList();
  newRecord();
}

void RadixWindow::loadRadix() {
  const QString name = selectedName();
  if (name.isEmpty()) {
    session_.prompter.information(QStringLiteral("Bitte zuerst eine Radix in der Liste wählen."));
    return;
  }
  QString error;
  std::optional<LoadedRadix> radix = LoadRadix(*library_, name, error);
  if (!radix) {
    session_.prompter.error(error);
    return;
  }
  session_.radix = std::move(radix);
  session_.radixHidden = false;
  RememberRadix(name, library_->path());
  if (onRadixLoaded) onRadixLoaded();
  accept();
}

}  // namespace gyrolux
