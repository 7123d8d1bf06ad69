#include "radix/atlas.h"

#include <algorithm>
#include <cmath>
#include <limits>

// GLib names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <geonames.h>
#pragma pop_macro("signals")

#include "dialogs/places_file.h"
#include "radix/message_catalog.h"

namespace gyrolux {

namespace {

// The German translations shipped with libgeonames: GeoNames ids, country codes and
// "CC.admin" codes to German names.
QString GermanCatalogPath() { return QStringLiteral(GYROLUX_LOCALE_DIR "/de/LC_MESSAGES/geonames.mo"); }

QString ChildText(GVariant* city, gsize index) {
  GVariant* child = g_variant_get_child_value(city, index);
  QString text;
  if (g_variant_is_of_type(child, G_VARIANT_TYPE_STRING)) text = QString::fromUtf8(g_variant_get_string(child, nullptr));
  g_variant_unref(child);
  return text;
}

// Ranks how well a folded key matches the folded query: 0 the same, 1 starts with it,
// 2 a word starts with it, 3 contains it, 4 not at all.
int MatchRank(const QString& key, const QString& query) {
  if (key.isEmpty()) return 4;
  const qsizetype at = key.indexOf(query);
  if (at < 0) return 4;
  if (at == 0) return key.size() == query.size() ? 0 : 1;
  for (qsizetype i = at; i > 0; i = key.indexOf(query, i + 1)) {
    if (!key[i - 1].isLetterOrNumber()) return 2;
  }
  return 3;
}

// Good enough to pick the nearest of many cities: the longitude difference shrunk by the
// cosine of the first point's latitude, wrapped at the date line.
double DistanceSquared(double lat1, double lon1, double cosLat1, double lat2, double lon2) {
  double dLon = std::fabs(lon1 - lon2);
  if (dLon > 180.0) dLon = 360.0 - dLon;
  dLon *= cosLat1;
  const double dLat = lat1 - lat2;
  return dLat * dLat + dLon * dLon;
}

}  // namespace

QString AtlasAttribution() {
  return QStringLiteral("Ortsdaten: GeoNames (www.geonames.org), Lizenz CC BY 4.0, "
                        "über die Bibliothek libgeonames (GPL-3)");
}

QString FoldForSearch(const QString& text) {
  const QString decomposed = text.normalized(QString::NormalizationForm_KD);
  QString folded;
  folded.reserve(decomposed.size());
  for (QChar c : decomposed) {
    if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_Enclosing ||
        c.category() == QChar::Mark_SpacingCombining)
      continue;
    if (c == u'ß') {
      folded += QStringLiteral("ss");
      continue;
    }
    folded += c.toCaseFolded();
  }
  return folded;
}

Atlas Atlas::Load(const QStringList& placesLines) {
  Atlas atlas;
  const QHash<QString, QString> german = ReadMessageCatalog(GermanCatalogPath());
  const auto translated = [&](const QString& code, const QString& fallback) {
    const auto found = german.constFind(code);
    return found == german.constEnd() || found->isEmpty() ? fallback : *found;
  };
  const int count = geonames_get_n_cities();
  atlas.entries_.reserve(static_cast<size_t>(std::max(count, 0)) + static_cast<size_t>(placesLines.size()));
  for (int i = 0; i < count; ++i) {
    GeonamesCity* city = geonames_get_city(i);
    if (!city) continue;
    // The record (id, name, admin code, admin name, country code, country, zone,
    // population, latitude, longitude); the getters translate only into the process's
    // own locale, so the German names come from the catalog by id.
    Entry entry;
    const QString id = ChildText(city, 0);
    const QString englishName = QString::fromUtf8(geonames_city_get_name(city));
    const QString countryCode = QString::fromUtf8(geonames_city_get_country_code(city));
    entry.place.name = translated(id, englishName);
    entry.place.country = translated(countryCode, QString::fromUtf8(geonames_city_get_country(city)));
    entry.place.admin = translated(countryCode + u'.' + ChildText(city, 2), QString::fromUtf8(geonames_city_get_state(city)));
    entry.place.zone = QString::fromUtf8(geonames_city_get_timezone(city));
    entry.place.latitude = geonames_city_get_latitude(city);
    entry.place.longitude = geonames_city_get_longitude(city);
    entry.place.population = geonames_city_get_population(city);
    geonames_city_free(city);
    entry.key = FoldForSearch(entry.place.name);
    entry.plainKey = entry.place.name.toCaseFolded();
    const QString englishKey = FoldForSearch(englishName);
    if (englishKey != entry.key) entry.otherKey = englishKey;
    atlas.entries_.push_back(std::move(entry));
  }
  const size_t cities = atlas.entries_.size();
  for (const QString& line : placesLines) {
    const std::optional<PlaceCoordinate> latitude = ParsePlaceLatitude(line);
    const std::optional<PlaceCoordinate> longitude = ParsePlaceLongitude(line);
    const QString full = PlaceName(line).trimmed();
    if (!latitude || !longitude || full.isEmpty()) continue;
    Entry entry;
    entry.place.fromPlacesFile = true;
    // "Aachen (D)": the name, then the country's short form in brackets.
    const qsizetype bracket = full.lastIndexOf(QStringLiteral(" ("));
    if (bracket > 0 && full.endsWith(u')')) {
      entry.place.name = full.left(bracket).trimmed();
      entry.place.country = full.mid(bracket + 2, full.size() - bracket - 3);
    } else {
      entry.place.name = full;
    }
    entry.place.latitude = latitude->SignedDegrees();
    entry.place.longitude = longitude->SignedDegrees();
    entry.key = FoldForSearch(entry.place.name);
    entry.plainKey = entry.place.name.toCaseFolded();
    atlas.entries_.push_back(std::move(entry));
  }
  for (size_t i = cities; i < atlas.entries_.size(); ++i) {
    AtlasPlace& place = atlas.entries_[i].place;
    place.zone = atlas.NearestZone(place.latitude, place.longitude);
  }
  return atlas;
}

Atlas Atlas::LoadWithPlacesFile() {
  for (const QString& candidate : PlacesFileCandidates()) {
    if (std::optional<QStringList> lines = ReadPlacesLines(candidate)) return Load(*lines);
  }
  return Load({});
}

QList<AtlasPlace> Atlas::Find(const QString& text, int limit) const {
  const QString query = FoldForSearch(text.trimmed());
  const QString plainQuery = text.trimmed().toCaseFolded();
  if (query.isEmpty() || limit <= 0) return {};
  struct Hit {
    int rank;
    quint32 population;
    size_t index;
  };
  std::vector<Hit> hits;
  for (size_t i = 0; i < entries_.size(); ++i) {
    const Entry& entry = entries_[i];
    const int folded = std::min(MatchRank(entry.key, query), MatchRank(entry.otherKey, query));
    if (folded == 4) continue;
    const int rank = 2 * folded + (MatchRank(entry.plainKey, plainQuery) <= folded ? 0 : 1);
    hits.push_back({rank, entry.place.population, i});
  }
  const auto better = [](const Hit& a, const Hit& b) {
    if (a.rank != b.rank) return a.rank < b.rank;
    if (a.population != b.population) return a.population > b.population;
    return a.index < b.index;
  };
  const size_t shown = std::min(hits.size(), static_cast<size_t>(limit));
  std::partial_sort(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(shown), hits.end(), better);
  QList<AtlasPlace> places;
  places.reserve(static_cast<qsizetype>(shown));
  for (size_t i = 0; i < shown; ++i) places.append(entries_[hits[i].index].place);
  return places;
}

QString Atlas::NearestZone(double latitude, double longitude) const {
  double best = std::numeric_limits<double>::infinity();
  const double cosLatitude = std::cos(latitude * (M_PI / 180.0));
  QString zone;
  for (const Entry& entry : entries_) {
    if (entry.place.fromPlacesFile) continue;
    const double distance = DistanceSquared(latitude, longitude, cosLatitude, entry.place.latitude, entry.place.longitude);
    if (distance < best) {
      best = distance;
      zone = entry.place.zone;
    }
  }
  return zone;
}

}  // namespace gyrolux
