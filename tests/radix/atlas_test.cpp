// The atlas: German names, searching without accents, the best match first, the places
// file's places with the zone of their nearest city.
#include <gtest/gtest.h>

#include "dialogs/places_file.h"
#include "radix/atlas.h"
#include "tests/test_support/temp_working_dir.h"

namespace gyrolux {
namespace {

TEST(Atlas, FindsGermanNamesWithoutAccentsBestFirst) {
  const std::optional<QStringList> lines = ReadPlacesLines(testing::SourceDir() + QStringLiteral("/resources/W-ORTE.TXT"));
  ASSERT_TRUE(lines);
  const Atlas atlas = Atlas::Load(*lines);
  EXPECT_GT(atlas.size(), 24000);
  const struct {
    const char* typed;
    const char* name;
    const char* country;
    const char* zone;
  } cases[] = {
      {"München", "München", "Deutschland", "Europe/Berlin"},
      {"munchen", "München", "Deutschland", "Europe/Berlin"},
      {"Munich", "München", "Deutschland", "Europe/Berlin"},
      {"KÖLN", "Köln", "Deutschland", "Europe/Berlin"},
      {"Wien", "Wien", "Österreich", "Europe/Vienna"},
      {"Mailand", "Mailand", "Italien", "Europe/Rome"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const QList<AtlasPlace> found = atlas.Find(QString::fromUtf8(c.typed));
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(found[0].name, QString::fromUtf8(c.name));
    EXPECT_EQ(found[0].country, QString::fromUtf8(c.country));
    EXPECT_EQ(found[0].zone, QString::fromUtf8(c.zone));
  }
  // "Ber": Berlin (the largest that starts so) before the smaller ones.
  EXPECT_EQ(atlas.Find(QStringLiteral("Ber")).value(0).name, QStringLiteral("Berlin"));
  // A place only the places file has, with the zone of the nearest city.
  bool aalenFromFile = false;
  for (const AtlasPlace& place : atlas.Find(QStringLiteral("Aalen"))) {
    if (place.fromPlacesFile) {
      aalenFromFile = true;
      EXPECT_EQ(place.zone, QStringLiteral("Europe/Berlin"));
      EXPECT_NEAR(place.latitude, 48 + 50 / 60.0, 1e-9);
    }
  }
  EXPECT_TRUE(aalenFromFile);
  EXPECT_TRUE(atlas.Find(QStringLiteral("   ")).isEmpty());
}

}  // namespace
}  // namespace gyrolux
