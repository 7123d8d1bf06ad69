#include "dialogs/settings_window.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/ephemeris_setting.h"
#include "ephemeris/ephemeris_choice.h"
#include "platform/prompter.h"
#include "session/session.h"

namespace gyrolux {

SettingsWindow::SettingsWindow(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
  setObjectName(QStringLiteral("settingsWindow"));
  setWindowTitle(QStringLiteral("Einstellungen"));
  auto* group = new QGroupBox(QStringLiteral("Ephemeride"), this);
  modelButton_ = new QRadioButton(EphemerisTitle(Ephemeris::Model), group);
  modelButton_->setObjectName(QStringLiteral("modelEphemerisButton"));
  swissButton_ = new QRadioButton(EphemerisTitle(Ephemeris::Swiss), group);
  swissButton_->setObjectName(QStringLiteral("swissEphemerisButton"));
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(modelButton_);
  groupLayout->addWidget(swissButton_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &SettingsWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SettingsWindow::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(buttons);
}

void SettingsWindow::run() {
  (SessionEphemeris(session_) == Ephemeris::Swiss ? swissButton_ : modelButton_)->setChecked(true);
  exec();
}

void SettingsWindow::accept() {
  const Ephemeris chosen = swissButton_->isChecked() ? Ephemeris::Swiss : Ephemeris::Model;
  if (chosen != SessionEphemeris(session_)) {
    const QString refused = ChooseEphemeris(session_, chosen);
    if (!refused.isEmpty()) {
      session_.prompter.error(refused);
      return;
    }
    if (onEphemerisChanged) onEphemerisChanged();
  }
  QDialog::accept();
}

}  // namespace gyrolux
