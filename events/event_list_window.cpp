#include "events/event_list_window.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include "engine/formatting.h"
#include "evaluation/list_view.h"
#include "events/event_export.h"
#include "events/radix_lists_window.h"
#include "platform/colors.h"
#include "platform/prompter.h"
#include "platform/text_file.h"
#include "radix/chart_library.h"
#include "radix/radix_chart.h"
#include "radix/radix_exchange.h"
#include "session/session.h"

namespace gyrolux {

namespace {

const QString kCaption = QStringLiteral("Ereignisliste");

// The most events one list holds: a century with the Moon would fill the memory.
constexpr size_t kMostEvents = 250000;

QString Stamp(const QDateTime& time) { return time.isValid() ? time.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) : QString(); }

}  // namespace

// The events found, one row each: the table reads them where they lie.
class EventTableModel : public QAbstractTableModel {
 public:
  EventTableModel(QObject* parent, const EventQuery& query, const QString& zone)
      : QAbstractTableModel(parent), query_(query), zone_(zone) {}

  void clear() {
    beginResetModel();
    events_.clear();
    endResetModel();
  }
  void append(std::vector<RadixEvent>& more) {
    if (more.empty()) return;
    const int first = static_cast<int>(events_.size());
    beginInsertRows({}, first, first + static_cast<int>(more.size()) - 1);
    events_.insert(events_.end(), more.begin(), more.end());
    endInsertRows();
    more.clear();
  }
  const std::vector<RadixEvent>& events() const { return events_; }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(events_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 10; }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    static const char* const kTitles[] = {"Exakt (WZ)", "Exakt (Ortszeit)", "Bild", "Art", "Durchgang",
                                          "Eintritt (WZ)", "Eintritt (Ortszeit)", "Austritt (WZ)",
                                          "Austritt (Ortszeit)", "Abstand"};
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return QString::fromUtf8(kTitles[section]);
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const RadixEvent& e = events_[static_cast<size_t>(index.row())];
    const auto world = [&](const std::optional<int64_t>& s) { return s ? Stamp(EventUtc(query_, *s)) : QStringLiteral("–"); };
    const auto local = [&](const std::optional<int64_t>& s) {
      return s ? Stamp(InZone(EventUtc(query_, *s), zone_)) : QStringLiteral("–");
    };
    switch (index.column()) {
      case 0: return world(e.exact);
      case 1: return local(e.exact);
      case 2: return PictureText(e);
      case 3: return KindTitle(e.kind);
      case 4: return QStringLiteral("%1.%2").arg(e.pass).arg(e.retrograde ? QStringLiteral(" R") : QString());
      case 5: return world(e.entering);
      case 6: return local(e.entering);
      case 7: return world(e.leaving);
      case 8: return local(e.leaving);
      default: return FormatAngle(2, 0, e.distance).trimmed();
    }
  }

 private:
  const EventQuery& query_;
  const QString& zone_;
  std::vector<RadixEvent> events_;
};

EventListWindow::EventListWindow(Session& session, QWidget* parent)
    : KitWindow(parent, {QStringLiteral("eventListWindow"), kCaption, {960, 600}, clSilver,
                         WindowFrame::TitleAndClose, WindowPlace::DesktopCentre}),
      session_(session) {
  MakeLabel(this, QStringLiteral("Radix:"), {8, 11});
  radixBox_ = new QComboBox(this);
  radixBox_->setObjectName(QStringLiteral("radixBox"));
  radixBox_->setGeometry(52, 8, 230, 22);
  const auto field = [&](const QString& caption, const char* name, int x, const QString& text) {
    MakeLabel(this, caption, {x, 11});
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(x + 36, 8, 80, 22);
    return edit;
  };
  const CivilDate today{session.chart.moment.day, session.chart.moment.month, session.chart.moment.year};
  const bool knownDay = today.year >= 1600 && today.year <= 9899 && today.month >= 1;
  const CivilDate from = knownDay ? today : CivilDate{1, 1, 2025};
  CivilDate to = from;
  to.year += 1;
  to = AddDays(to, -1);
  fromField_ = field(QStringLiteral("Von:"), "fromField", 300, FormatDateText(from.day, from.month, from.year));
  toField_ = field(QStringLiteral("Bis:"), "toField", 430, FormatDateText(to.day, to.month, to.year));
  orbField_ = field(QStringLiteral("Orbis:"), "orbField", 560, QStringLiteral("1.18"));

  const QStringList kinds = {QStringLiteral("Transit → Radix-Faktor und Halbsumme"),
                             QStringLiteral("Transit-Halbsumme → Radix-Faktor"),
                             QStringLiteral("Sonnenbogen → Radix-Faktor und Halbsumme")};
  for (int i = 0; i < kinds.size(); ++i) {
    auto* box = new QCheckBox(kinds[i], this);
    box->setObjectName(QStringLiteral("kindBox%1").arg(i));
    box->setGeometry(8 + 260 * i, 36, 255, 20);
    box->setChecked(i == 0);
    kindBoxes_.push_back(box);
  }
  const std::vector<int> chosen = DefaultMovingFactors();
  int column = 0;
  for (int id = 0; id < kMidpointFactorCount; ++id) {
    if (!IsMovingFactor(id)) continue;
    auto* box = new QCheckBox(QString::fromLatin1(FactorAbbrev[id]), this);
    box->setObjectName(QStringLiteral("factorBox") + QString::fromLatin1(FactorAbbrev[id]));
    box->setGeometry(8 + 45 * column++, 60, 44, 20);
    box->setChecked(std::find(chosen.begin(), chosen.end(), id) != chosen.end());
    factorBoxes_.push_back({id, box});
  }

  const auto button = [&](const QString& caption, const char* name, QRect geometry) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
  };
  searchButton_ = button(QStringLiteral("&Suchen"), "searchButton", {8, 88, 90, 25});
  abortButton_ = button(QStringLiteral("Ab&bruch"), "abortButton", {104, 88, 90, 25});
  abortButton_->setEnabled(false);
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(QStringLiteral("progressBar"));
  progressBar_->setGeometry(204, 90, 250, 21);
  progressBar_->setRange(0, 1000);
  progressBar_->setValue(0);
  statusLabel_ = MakeLabel(this, QString(), {466, 93}, QStringLiteral("statusLabel"));
  connect(searchButton_, &QPushButton::clicked, this, [this] { startSearch(); });
  connect(abortButton_, &QPushButton::clicked, this, [this] { stopSearch(); });

  model_ = new EventTableModel(this, query_, radixZone_);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("eventTable"));
  table_->setGeometry(8, 120, 944, 436);
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->horizontalHeader()->setDefaultSectionSize(118);
  table_->verticalHeader()->setDefaultSectionSize(18);
  table_->setColumnWidth(2, 130);
  table_->setColumnWidth(4, 70);
  table_->setColumnWidth(9, 80);

  outputButtons_ = {button(QStringLiteral("&Drucken"), "printButton", {8, 566, 90, 25}),
                    button(QStringLiteral("S&peichern"), "saveButton", {104, 566, 90, 25}),
                    button(QStringLiteral("&CSV …"), "csvButton", {200, 566, 90, 25}),
                    button(QStringLiteral("i&Calendar …"), "icsButton", {296, 566, 90, 25})};
  connect(outputButtons_[0], &QPushButton::clicked, this, [this] { printList(); });
  connect(outputButtons_[1], &QPushButton::clicked, this, [this] { saveList(); });
  connect(outputButtons_[2], &QPushButton::clicked, this, [this] { exportFile(false); });
  connect(outputButtons_[3], &QPushButton::clicked, this, [this] { exportFile(true); });
  connect(button(QStringLiteral("&Zurück"), "backButton", {862, 566, 90, 25}), &QPushButton::clicked, this,
          [this] { reject(); });
  for (QPushButton* b : outputButtons_) b->setEnabled(false);

  poll_ = new QTimer(this);
  poll_->setInterval(100);
  connect(poll_, &QTimer::timeout, this, [this] { takeFound(); });
}

EventListWindow::~EventListWindow() {
  abort_ = true;
  if (worker_.joinable()) worker_.join();
}

void EventListWindow::run() {
  fillRadixList();
  runModal();
}

void EventListWindow::fillRadixList() {
  QString error;
  radixBox_->clear();
  const std::unique_ptr<ChartLibrary> library = ChartLibrary::Open(ChartLibraryPath(), error);
  std::optional<QStringList> names;
  if (library) names = library->Names(error);
  if (!names) {
    session_.prompter.error(error);
    return;
  }
  radixBox_->addItems(*names);
  if (session_.radix) radixBox_->setCurrentText(session_.radix->name);
}

bool EventListWindow::escapePressed() {
  if (!worker_.joinable()) return false;
  stopSearch();
  return true;
}

void EventListWindow::reject() {
  abort_ = true;
  if (worker_.joinable()) worker_.join();
  poll_->stop();
  KitWindow::reject();
}

void EventListWindow::setSearching(bool searching) {
  searchButton_->setEnabled(!searching);
  abortButton_->setEnabled(searching);
  for (QPushButton* b : outputButtons_) b->setEnabled(!searching && model_->rowCount() > 0);
}

void EventListWindow::startSearch() {
  if (worker_.joinable()) return;
  Prompter& prompter = session_.prompter;
  QString error;
  const QString name = radixBox_->currentText();
  if (name.isEmpty()) {
    prompter.error(QStringLiteral("Die Radix-Kartei enthält keine Radix. Bitte erst eine Radix erfassen."));
    return;
  }
  const std::unique_ptr<ChartLibrary> library = ChartLibrary::Open(ChartLibraryPath(), error);
  const std::optional<RadixRecord> record = library ? library->Find(name, error) : std::nullopt;
  std::optional<Chart> chart = record ? RadixChart(*record, error) : std::nullopt;
  if (chart && chart->moment.ephemeris != session_.chart.moment.ephemeris) {
    // The events in the sky the clock computes in.
    chart->moment.ephemeris = session_.chart.moment.ephemeris;
    RecomputeChart(*chart);
  }
  if (!chart) {
    prompter.error(error.isEmpty() ? QStringLiteral("„%1“ steht nicht in der Radix-Kartei").arg(name) : error);
    return;
  }
  const QDate from = ParseLocalDate(fromField_->text().trimmed());
  const QDate to = ParseLocalDate(toField_->text().trimmed());
  if (!from.isValid() || !to.isValid() || to < from) {
    prompter.error(QStringLiteral("Bitte den Zeitraum als TT.MM.JJJJ eingeben, das Ende nicht vor dem Anfang."));
    return;
  }
  bool orbRead = false;
  const double orb = QString(orbField_->text()).replace(u',', u'.').trimmed().toDouble(&orbRead);
  EventQuery query;
  query.radix = chart->moment;
  query.radixLongitudes = chart->state.factorLongitude;
  query.from = {from.day(), from.month(), from.year()};
  query.days = from.daysTo(to) + 1;
  query.orb = Orb{orbRead ? orb : -1.0};
  query.kinds = 0;
  for (size_t i = 0; i < kindBoxes_.size(); ++i) {
    if (kindBoxes_[i]->isChecked()) query.kinds |= 1u << i;
  }
  for (const auto& [id, box] : factorBoxes_) {
    if (box->isChecked()) query.moving.push_back(id);
  }
  if (const QString problem = EventQueryProblem(query); !problem.isEmpty()) {
    prompter.error(problem + u'.');
    return;
  }
  query_ = query;
  radixName_ = name;
  radixZone_ = record->zone;
  model_->clear();
  found_.clear();
  abort_ = false;
  finished_ = false;
  progress_ = 0.0;
  progressBar_->setValue(0);
  statusLabel_->setText(QStringLiteral("Suche läuft …"));
  statusLabel_->adjustSize();
  setSearching(true);
  truncated_ = false;
  worker_ = std::jthread([this] {
    EventSearchOptions options;
    options.abort = &abort_;
    options.progress = [this](double share) { progress_ = share; };
    size_t count = 0;
    const EventSearchEnd end = FindRadixEvents(query_, [&](const RadixEvent& event) {
      if (count == kMostEvents) {
        truncated_ = true;
        abort_ = true;
        return;
      }
      ++count;
      const std::lock_guard lock(mutex_);
      found_.push_back(event);
    }, options);
    const std::lock_guard lock(mutex_);
    end_ = end;
    finished_ = true;
  });
  poll_->start();
}

void EventListWindow::stopSearch() { abort_ = true; }

void EventListWindow::takeFound() {
  std::vector<RadixEvent> taken;
  {
    const std::lock_guard lock(mutex_);
    taken.swap(found_);
  }
  model_->append(taken);
  progressBar_->setValue(static_cast<int>(progress_.load() * 1000.0));
  if (finished_) searchEnded();
}

void EventListWindow::searchEnded() {
  poll_->stop();
  worker_.join();
  worker_ = {};
  {
    const std::lock_guard lock(mutex_);
    model_->append(found_);
  }
  const int count = model_->rowCount();
  statusLabel_->setText(truncated_ ? QStringLiteral("Beendet nach %1 Ereignissen").arg(count)
                        : end_ == EventSearchEnd::Aborted
                            ? QStringLiteral("Abgebrochen: %1 Ereignisse bis dahin").arg(count)
                            : QStringLiteral("%1 Ereignisse").arg(count));
  statusLabel_->adjustSize();
  if (end_ != EventSearchEnd::Aborted) progressBar_->setValue(1000);
  setSearching(false);
  if (truncated_) {
    session_.prompter.information(
        QStringLiteral("Die Liste ist mit %1 Ereignissen voll; die Suche endet am %2. Bitte den Zeitraum, die "
                       "Arten oder die Faktoren einschränken.")
            .arg(count)
            .arg(model_->events().empty() ? QString() : EventClockAt(query_, model_->events().back().exact).date));
  }
}

QStringList EventListWindow::ListLines() const {
  const CivilDate last = AddDays(query_.from, query_.days - 1);
  QStringList lines{QStringLiteral("Ereignisliste für %1, %2 bis %3, Orbis %4°, Zeiten in Weltzeit (WZ), exakt auch in Ortszeit der Radix")
                        .arg(radixName_, FormatDateText(query_.from.day, query_.from.month, query_.from.year),
                             FormatDateText(last.day, last.month, last.year))
                        .arg(query_.orb.degrees),
                    QString()};
  for (const RadixEvent& event : model_->events()) {
    lines << EventLine(query_, event) + QStringLiteral("  Ortszeit ") + Stamp(InZone(EventUtc(query_, event.exact), radixZone_));
  }
  return lines;
}

void EventListWindow::printList() {
  QPrinter printer(QPrinter::HighResolution);
  if (!session_.prompter.choosePrinter(printer)) return;
  QString error;
  if (!PrintList(printer, ListLines(), &error)) session_.prompter.error(error);
}

void EventListWindow::saveList() {
  SaveNumberedList(session_.prompter, QStringLiteral("EREI"), savedNumber_, ListLines(),
                   QStringLiteral("Die Ereignisliste"));
}

void EventListWindow::exportFile(bool calendar) {
  const std::optional<QString> path = session_.prompter.chooseSaveFile(
      calendar ? QStringLiteral("Als iCalendar exportieren") : QStringLiteral("Als CSV exportieren"),
      radixName_ + (calendar ? QStringLiteral(".ics") : QStringLiteral(".csv")),
      calendar ? QStringLiteral("iCalendar-Dateien (*.ics)") : QStringLiteral("CSV-Dateien (*.csv)"));
  if (!path) return;
  QByteArray bytes;
  if (calendar) {
    const QDateTime stamp = QDateTime::currentDateTimeUtc();
    bytes = IcsHead();
    for (const RadixEvent& event : model_->events()) bytes += IcsEvent(query_, event, radixName_, stamp);
    bytes += IcsTail();
  } else {
    QString text = EventCsvHeader() + u'\n';
    for (const RadixEvent& event : model_->events()) text += EventCsvLine(query_, event) + u'\n';
    bytes = text.toUtf8();
  }
  QString error;
  if (!ReplaceFileContents(*path, bytes, &error)) session_.prompter.error(error);
}

}  // namespace gyrolux
