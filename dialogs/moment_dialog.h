#pragma once

#include <array>

#include <QDialog>

#include "dialogs/moment_input.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace gyrolux {

struct Session;

// "Datum / Zeit / Ort": the moment and the place of the chart, typed in or picked from
// the places list. Each group of fields is checked when the focus leaves it and written
// into the session's chart the moment its check passes; the dialog closes by ESC in the
// day field, after a valid latitude or on a click on a place. The fields carry the object
// names of kMomentFields; the list is "placesList".
class MomentDialog : public QDialog {
 public:
  explicit MomentDialog(Session& session, QWidget* parent = nullptr);
  ~MomentDialog() override;

  // Activation (the coordinates read back from their texts, the fields filled, the list
  // hidden), then shown modally.
  void run();

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLineEdit* field(MomentField which) const { return fields_[static_cast<int>(which)]; }
  int fieldIndex(const QObject* object) const;
  MomentFieldTexts fieldTexts() const;
  void buildFields();
  void focusChanged(QWidget* old, QWidget* now);
  void fieldEdited(MomentField which, const QString& text);
  void checkOnLeaving(MomentField which);
  void apply(MomentField checked, const FieldCheck& check);
  // The focus moved as the user moves it: the field left runs its check.
  void moveFocus(MomentField to);
  // The focus put somewhere by a check: nothing left is checked on the way.
  void putFocus(MomentField to);
  void fillPlacesList();
  void showPlaces(bool shown);
  void pickPlace(int row);

  Session& session_;
  std::array<QLineEdit*, kMomentFieldCount> fields_{};
  QPlainTextEdit* helpText_ = nullptr;
  QPlainTextEdit* placesNote_ = nullptr;
  QListWidget* placesList_ = nullptr;
  QLabel* escLabel_ = nullptr;
  bool putting_ = false;  // a check is putting the focus somewhere
  bool closing_ = false;  // activation or closing: focus changes check nothing
  QMetaObject::Connection focusConnection_;
};

}  // namespace gyrolux
