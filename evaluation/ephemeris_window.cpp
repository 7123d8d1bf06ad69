#include "evaluation/ephemeris_window.h"

#include <cmath>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "engine/factors.h"
#include "engine/formatting.h"
#include "evaluation/diagram_files.h"
#include "evaluation/picture_export_actions.h"
#include "evaluation/picture_print.h"
#include "midpoints/midpoint_tree.h"
#include "platform/colors.h"
#include "platform/prompter.h"
#include "session/session.h"

namespace gyrolux {

// The page stretched into the widget, reporting where the mouse is and where it clicks in
// the page's own pixels.
class EphemerisView : public QWidget {
 public:
  explicit EphemerisView(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }
  void setPicture(Picture picture) {
    picture_ = std::move(picture);
    update();
  }
  std::function<void(QPointF)> onHover;
  std::function<void(QPointF)> onClick;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_) return;
    painter.setRenderHint(QPainter::Antialiasing);
    picture_->render(painter, QRectF(rect()));
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (onHover) onHover(inPage(event->position()));
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && onClick) onClick(inPage(event->position()));
  }

 private:
  QPointF inPage(QPointF p) const {
    return {p.x() * kEphemerisWidth / std::max(1, width()), p.y() * kEphemerisHeight / std::max(1, height())};
  }
  std::optional<Picture> picture_;
};

namespace {

constexpr int kViewTop = 40;
constexpr int kViewWidth = 1010;
constexpr int kViewHeight = kViewWidth * kEphemerisHeight / kEphemerisWidth;
constexpr DialMode kModes[] = {kMode360, kMode90, kMode45, kMode22_5};

std::optional<CivilDate> ReadDate(const QString& text) {
  const QStringList parts = text.trimmed().split(u'.');
  if (parts.size() != 3) return std::nullopt;
  bool ok[3];
  const CivilDate d{parts[0].toInt(&ok[0]), parts[1].toInt(&ok[1]), parts[2].toInt(&ok[2])};
  if (!ok[0] || !ok[1] || !ok[2] || d.month < 1 || d.month > 12 || d.day < 1 ||
      d.day > GregorianMonthLength(d.year, d.month))
    return std::nullopt;
  return d;
}

QString DateText(const CivilDate& d) { return FormatDateText(d.day, d.month, d.year); }

// A moment of the page: the day and the time to the minute.
struct PageMoment {
  CivilDate date;
  int minutes = 0;
};
PageMoment PageMomentOf(double day) {
  const double minutes = std::round(day * 1440.0);
  const double whole = std::floor(minutes / 1440.0);
  return {DateOfDayNumber(static_cast<int64_t>(whole)), static_cast<int>(minutes - whole * 1440.0)};
}

bool InPlot(QPointF at) {
  return at.x() >= kEphemerisPlot.left() && at.x() <= kEphemerisPlot.left() + kEphemerisPlot.width() &&
         at.y() >= kEphemerisPlot.top() && at.y() <= kEphemerisPlot.top() + kEphemerisPlot.height();
}

}  // namespace

EphemerisWindow::EphemerisWindow(Session& session, QWidget* parent)
    : KitWindow(parent, {QStringLiteral("ephemerisWindow"),
                         QStringLiteral("Grafische Ephemeride"),
                         {kViewWidth, kViewTop + kViewHeight + 28},
                         clSilver,
                         WindowFrame::TitleAndClose,
                         WindowPlace::DesktopCentre}),
      session_(session) {
  int x = 8;
  const auto label = [&](const QString& text, int width) {
    MakeLabel(this, text, {x, 12});
    x += width;
  };
  const auto edit = [&](const char* name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(x, 8, 80, 22);
    field->setInputMask(QStringLiteral("99.99.9999"));
    x += 88;
    return field;
  };
  label(QStringLiteral("Von:"), 30);
  fromEdit_ = edit("fromEdit");
  label(QStringLiteral("Bis:"), 26);
  toEdit_ = edit("toEdit");
  label(QStringLiteral("Modus:"), 46);
  modeBox_ = new QComboBox(this);
  modeBox_->setObjectName(QStringLiteral("ephemerisModeBox"));
  modeBox_->addItems({QStringLiteral("360°"), QStringLiteral("90°"), QStringLiteral("45°"), QStringLiteral("22,5°")});
  modeBox_->setCurrentIndex(1);
  modeBox_->setGeometry(x, 8, 70, 22);
  x += 80;

  auto* factors = new QPushButton(QStringLiteral("&Faktoren"), this);
  factors->setObjectName(QStringLiteral("factorsButton"));
  factors->setGeometry(x, 8, 80, 22);
  factorMenu_ = new QMenu(factors);
  const std::vector<int> defaults = DefaultEphemerisFactors();
  for (int f = 0; f < kFactorCount; ++f) {
    if (!EphemerisFactorAllowed(f)) continue;
    QAction* action = factorMenu_->addAction(QLatin1String(FactorAbbrev[static_cast<size_t>(f)]));
    action->setCheckable(true);
    action->setChecked(std::find(defaults.begin(), defaults.end(), f) != defaults.end());
    action->setData(f);
  }
  factors->setMenu(factorMenu_);
  x += 90;

  radixBox_ = new QCheckBox(QStringLiteral("&Radix"), this);
  radixBox_->setObjectName(QStringLiteral("radixLinesBox"));
  radixBox_->setGeometry(x, 10, 64, 18);
  radixBox_->setChecked(true);
  x += 68;
  midpointsBox_ = new QCheckBox(QStringLiteral("&Halbsummen"), this);
  midpointsBox_->setObjectName(QStringLiteral("radixMidpointsBox"));
  midpointsBox_->setGeometry(x, 10, 100, 18);
  x += 108;

  const auto button = [&](const char* name, const QString& caption, auto slot) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(x, 8, 80, 22);
    connect(b, &QPushButton::clicked, this, slot);
    x += 88;
    return b;
  };
  button("drawButton", QStringLiteral("&Zeichnen"), [this] { draw(); })->setDefault(true);
  button("printButton", QStringLiteral("&Drucken"), [this] { print(); });
  button("backButton", QStringLiteral("Zurück"), [this] { reject(); });

  view_ = new EphemerisView(this);
  view_->setObjectName(QStringLiteral("ephemerisView"));
  view_->setAccessibleName(QStringLiteral("Grafische Ephemeride"));
  view_->setGeometry(0, kViewTop, kViewWidth, kViewHeight);
  view_->onHover = [this](QPointF at) { hover(at); };
  view_->onClick = [this](QPointF at) { pick(at); };
  AddPictureExportActions(view_, session_.prompter, [this] { return picture_; },
                          [this] { return ExportBaseName(QStringLiteral("Ephemeride_"), session_.chart); });
  hoverLabel_ = MakeLabel(this, QString(), {8, kViewTop + kViewHeight + 6}, QStringLiteral("hoverLabel"));
  hoverLabel_->setMinimumWidth(kViewWidth - 16);
}

bool EphemerisWindow::run() {
  momentSet_ = false;
  const ChartMoment& m = session_.chart.moment;
  const CivilDate from{m.day, m.month, m.year};
  fromEdit_->setText(DateText(from));
  toEdit_->setText(DateText(AddDays({from.day, from.month, from.year + 1}, -1)));
  radixBox_->setEnabled(ShownRadix(session_) != nullptr);
  midpointsBox_->setEnabled(ShownRadix(session_) != nullptr);
  draw();
  runModal();
  return momentSet_;
}

void EphemerisWindow::draw() {
  const std::optional<CivilDate> from = ReadDate(fromEdit_->text());
  const std::optional<CivilDate> to = ReadDate(toEdit_->text());
  if (!from || !to) {
    session_.prompter.error(QStringLiteral("Bitte geben Sie den Zeitraum als TT.MM.JJJJ ein."));
    return;
  }
  GraphicEphemerisRequest request;
  request.from = *from;
  request.to = *to;
  request.mode = kModes[std::clamp(modeBox_->currentIndex(), 0, 3)];
  request.ephemeris = session_.chart.moment.ephemeris;  // the clock's sky
  request.factors.clear();
  for (QAction* action : factorMenu_->actions()) {
    if (action->isChecked()) request.factors.push_back(action->data().toInt());
  }
  const ChartState* radix = ShownRadix(session_);
  if (radix && radixBox_->isChecked()) {
    request.radix = radix;
    request.radixName = session_.radix->name;
    request.radixMidpoints = midpointsBox_->isChecked();
    request.radixPlace = session_.radix->chart.moment;
  }
  const QString problem = CheckEphemerisRequest(request);
  if (!problem.isEmpty()) {
    QString sentence = problem;
    sentence[0] = sentence[0].toUpper();
    session_.prompter.error(sentence + u'.');
    return;
  }
  request_ = request;
  picture_ = DrawGraphicEphemeris(request_);
  view_->setPicture(*picture_);
}

void EphemerisWindow::hover(QPointF at) {
  if (!picture_ || !InPlot(at)) {
    hoverLabel_->clear();
    return;
  }
  const EphemerisLayout layout = EphemerisLayoutOf(request_);
  const PageMoment moment = PageMomentOf(layout.dayAtX(at.x()));
  hoverLabel_->setText(QStringLiteral("%1  %2:%3 WZ/GMT   %4")
                           .arg(DateText(moment.date))
                           .arg(moment.minutes / 60, 2, 10, QChar(u'0'))
                           .arg(moment.minutes % 60, 2, 10, QChar(u'0'))
                           .arg(ModeDegreesText(layout.degreeAtY(at.y()))));
}

// The clock halted at the moment under the mouse, at the clock's place, as the date
// dialog would set it.
void EphemerisWindow::pick(QPointF at) {
  if (!picture_ || !InPlot(at)) return;
  const PageMoment moment = PageMomentOf(EphemerisLayoutOf(request_).dayAtX(at.x()));
  Chart& chart = session_.chart;
  chart.moment.day = moment.date.day;
  chart.moment.month = moment.date.month;
  chart.moment.year = moment.date.year;
  chart.moment.hours = moment.minutes / 60.0;
  chart.texts.dateText = FormatDateText(moment.date.day, moment.date.month, moment.date.year);
  chart.texts.timeText = ZeroPad(static_cast<unsigned>(moment.minutes / 60), 2) + u':' +
                         ZeroPad(static_cast<unsigned>(moment.minutes % 60), 2) + QStringLiteral(":00");
  RecomputeChart(chart);
  momentSet_ = true;
  accept();
}

void EphemerisWindow::print() {
  if (!picture_) return;
  PrintDiagramPage(
      session_.prompter, *picture_,
      [](QSize page, int) {
        // The page filled at the picture's proportions.
        const double scale = std::min(page.width() / double(kEphemerisWidth), page.height() / double(kEphemerisHeight));
        return PrintedPage{QRect(0, 0, int(kEphemerisWidth * scale), int(kEphemerisHeight * scale)), {}};
      },
      QPageLayout::Landscape);
}

}  // namespace gyrolux
