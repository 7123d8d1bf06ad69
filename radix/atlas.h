#pragma once

#include <vector>

#include <QList>
#include <QString>
#include <QStringList>

namespace gyrolux {

// A place of the atlas.
struct AtlasPlace {
  QString name;     // the German name where the atlas has one
  QString country;  // German
  QString admin;    // the state or province, German where known
  QString zone;     // IANA name
  double latitude = 0.0;   // north positive
  double longitude = 0.0;  // east positive
  quint32 population = 0;
  bool fromPlacesFile = false;  // a place of W-ORTE.TXT (its zone that of the nearest city)
};

// The attribution the atlas's data asks for, in German, for the windows and the help.
QString AtlasAttribution();

// The text as the atlas compares it: accents and other marks dropped, case folded, "ß"
// as "ss" ("München" and "MUNCHEN" both give "munchen").
QString FoldForSearch(const QString& text);

// The world atlas: the cities of GeoNames (through libgeonames, with the German names of
// its translations) and the places of the places file.
class Atlas {
 public:
  // Loads the GeoNames cities and the places lines (as ReadPlacesLines gives them; each
  // gets the zone of the nearest city).
  static Atlas Load(const QStringList& placesLines);

  // The places whose name (German, English or as in the places file) matches text: the
  // exact name first, then names that start with it, names with a word that starts with
  // it, names that contain it; within each, those that match with the accents as typed
  // first ("Mün" puts Münster before Muncie), then the larger city. At most limit.
  QList<AtlasPlace> Find(const QString& text, int limit = 20) const;

  // The zone of the GeoNames city nearest to the coordinates.
  QString NearestZone(double latitude, double longitude) const;

  int size() const { return static_cast<int>(entries_.size()); }

  // Load with the lines of the first places file found (PlacesFileCandidates).
  static Atlas LoadWithPlacesFile();

 private:
  struct Entry {
    AtlasPlace place;
    QString key;       // the folded shown name
    QString plainKey;  // the shown name in folded case, accents kept
    QString otherKey;  // the folded English name when it differs
  };
  std::vector<Entry> entries_;
};

}  // namespace gyrolux
