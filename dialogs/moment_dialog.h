#pragma once

#include <array>


#include "dialogs/moment_input.h"
#include "platform/window_kit.h"

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
class MomentDialog : public KitWindow {
 public:
  explicit MomentDialog(Session& session, QWidget* parent = nullptr);
  ~MomentDialog() override;

  // Activation (the coordinates read back from their texts, the fields filled, the list
  // hidden), then shown modally.
  void run();

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool escapePressed() override;

 private:
  QLineEdit* field(MomentField which) const { return fields_[static_cast<int>(which)]; }
  MomentFieldTexts fieldTexts() const;
  void buildFields();
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
  // Quiet while the dialog opens or closes: focus changes then check nothing.
  FieldLeaveWatch* leaveWatch_ = nullptr;
};

}  // namespace gyrolux
