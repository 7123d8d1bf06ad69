#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QDialog>

#include "radix/atlas.h"
#include "radix/chart_library.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace gyrolux {

struct Session;

// "Radix-Kartei": the charts of the library with a search field; new, change, duplicate,
// delete (after a question) and load as radix; the form with the atlas as the place is
// typed, the world time and offset that result, and the chart's 23 factors.
class RadixWindow : public QDialog {
 public:
  explicit RadixWindow(Session& session, QWidget* parent = nullptr);
  ~RadixWindow() override;

  // Opens the library (ChartLibraryPath()), fills the list and shows the window modally.
  void run();

  // Called after a radix was loaded into the session.
  std::function<void()> onRadixLoaded;

 private:
  void buildForm();
  void fillList();
  void showRecord(const RadixRecord& record);
  RadixRecord formRecord() const;
  void formChanged();
  void placeTyped(const QString& text);
  void atlasPicked(int row);
  void newRecord();
  void duplicateRecord();
  void saveRecord();
  void deleteRecord();
  void loadRadix();
  QString selectedName() const;

  Session& session_;
  std::unique_ptr<ChartLibrary> library_;
  std::optional<Atlas> atlas_;
  QList<AtlasPlace> atlasHits_;
  QString editingName_;  // the stored chart the form shows; empty for a new one
  qint64 editingRevision_ = 0;

  QLineEdit* searchField_ = nullptr;
  QListWidget* list_ = nullptr;
  QLineEdit* nameField_ = nullptr;
  QComboBox* kindBox_ = nullptr;
  QLineEdit* dateField_ = nullptr;
  QLineEdit* timeField_ = nullptr;
  QLineEdit* placeField_ = nullptr;
  QListWidget* atlasList_ = nullptr;
  QLineEdit* countryField_ = nullptr;
  QLineEdit* zoneField_ = nullptr;
  QLineEdit* lonField_ = nullptr;
  QLineEdit* latField_ = nullptr;
  QComboBox* foldBox_ = nullptr;
  QPlainTextEdit* notesField_ = nullptr;
  QLabel* worldTimeLabel_ = nullptr;
  QPlainTextEdit* factorsText_ = nullptr;
};

}  // namespace gyrolux
