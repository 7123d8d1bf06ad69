#include "evaluation/axis_graphic_window.h"

#include <algorithm>

#include <QComboBox>
#include <QFile>
#include <QPushButton>

#include "evaluation/ephemeris_note.h"
#include "evaluation/diagram_prints.h"
#include "evaluation/picture_export_actions.h"
#include "evaluation/picture_print.h"
#include "pictures/axis_graphic.h"
#include "platform/colors.h"
#include "platform/window_kit.h"
#include "session/session.h"

namespace gyrolux {

namespace {

constexpr int kHintMilliseconds = 15000;

QPushButton* MakeButton(QWidget* parent, const char* objectName, const char* caption, int left, const char* hint) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setGeometry(left, 304, 75, 22);
  if (hint) {
    button->setToolTip(QString::fromUtf8(hint));
    button->setToolTipDuration(kHintMilliseconds);
  }
  return button;
}

}  // namespace

AxisGraphicWindow::AxisGraphicWindow(Session& session, QWidget* parent)
    : KitWindow(parent, {QStringLiteral("axisGraphicWindow"),
                         QString(69, u' ') + QStringLiteral("Die Achsen 0° bis 22,5°"),
                         {759, 368},
                         clGreen,
                         WindowFrame::TitleAndClose,
                         WindowPlace::DesktopCentre}),
      session_(session) {

  view_ = new DialView(this);
  view_->setObjectName(QStringLiteral("axisGraphicView"));
  view_->setAccessibleName(QStringLiteral("Achsen-Grafik"));
  view_->setGeometry(0, 0, kAxisGraphicWidth, kAxisGraphicHeight);
  AddPictureExportActions(view_, session_.prompter, [this]() -> std::optional<Picture> {
        if (!picture_) return std::nullopt;
        return WithEphemerisNote(*picture_, session_.chart.moment);
      },
                          [this] { return ExportBaseName(QStringLiteral("Achsen_"), session_.chart); });

  QPushButton* printButton = MakeButton(this, "printButton", "&Drucken", 248,
                                        " Druck das dargestellte Diagramm mit Faktorenliste ");
  QPushButton* saveButton =
      MakeButton(this, "saveButton", "&Speichern", 344,
                 " Speichert auch mehrere Diagramme während einer Sitzung mit fortlaufenden Nummern ");
  QPushButton* backButton = MakeButton(this, "backButton", "&Zurück", 440, nullptr);
  backButton->setFont(WindowFont("MS Sans Serif", kEightPointPixels, true));
  connect(printButton, &QPushButton::clicked, this, &AxisGraphicWindow::print);
  connect(saveButton, &QPushButton::clicked, this, &AxisGraphicWindow::save);
  connect(backButton, &QPushButton::clicked, this, &QDialog::reject);

  auto* modeBox = new QComboBox(this);
  modeBox->setObjectName(QStringLiteral("axisModeBox"));
  modeBox->setAccessibleName(QStringLiteral("Modus der Achsen-Grafik"));
  modeBox->addItems({QStringLiteral("22,5°"), QStringLiteral("45°"), QStringLiteral("90°"), QStringLiteral("360°")});
  modeBox->setGeometry(20, 304, 90, 22);
  modeBox->setToolTip(QStringLiteral(" Zeigt die Achsen im gewählten Modus "));
  modeBox->setToolTipDuration(kHintMilliseconds);
  connect(modeBox, &QComboBox::activated, this, &AxisGraphicWindow::chooseMode);
}

void AxisGraphicWindow::chooseMode(int index) {
  constexpr DialMode kModes[] = {kMode22_5, kMode45, kMode90, kMode360};
  mode_ = kModes[std::clamp(index, 0, 3)];
  RememberDialMode(QStringLiteral("axisGraphic"), mode_);
  picture_ = RedrawAxisGraphic(session_, mode_);
  if (picture_) view_->setPicture(*picture_);
}

void AxisGraphicWindow::run() {
  mode_ = RememberedDialMode(QStringLiteral("axisGraphic"), kMode22_5);
  constexpr DialMode kShown[] = {kMode22_5, kMode45, kMode90, kMode360};
  findChild<QComboBox*>(QStringLiteral("axisModeBox"))
      ->setCurrentIndex(static_cast<int>(std::find(std::begin(kShown), std::end(kShown), mode_) - std::begin(kShown)));
  picture_ = RedrawAxisGraphic(session_, mode_);
  if (picture_) view_->setPicture(*picture_);
  runModal();
}

void AxisGraphicWindow::done(int result) {
  saves_.close(session_.counters);
  QFile::remove(QLatin1String(kAxisGraphicFileName));
  QDialog::done(result);
}

void AxisGraphicWindow::print() {
  if (!picture_) return;
  PrintDiagramPage(session_.prompter, *picture_, [this](QSize page, int) {
    return WithEphemerisNote(AxisGraphicPrintPage(page.width()), session_.chart.moment);
  });
}

void AxisGraphicWindow::save() {
  if (picture_) saves_.save(WithEphemerisNote(*picture_, session_.chart.moment), session_);
}

}  // namespace gyrolux
