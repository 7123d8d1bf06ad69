// Local times in real zones against Python's zoneinfo (the expected offsets and world
// times below were read from it), gaps and repeated hours.
#include <gtest/gtest.h>

#include "radix/local_time.h"

namespace gyrolux {
namespace {

using Kind = LocalTimeResolution::Kind;

struct ZoneCase {
  const char* zone;
  const char* local;  // ISO
  FoldChoice fold;
  int offset;         // seconds, from zoneinfo
  const char* utc;    // ISO, from zoneinfo
};

TEST(LocalTime, MatchesZoneinfo) {
  const ZoneCase cases[] = {
      {"Europe/Berlin", "1880-06-01T12:00:00", FoldChoice::None, 3208, "1880-06-01T11:06:32"},  // local mean time
      {"Europe/Berlin", "1893-03-31T23:59:59", FoldChoice::None, 3208, "1893-03-31T23:06:31"},
      {"Europe/Berlin", "1893-04-01T01:00:00", FoldChoice::None, 3600, "1893-04-01T00:00:00"},
      {"Europe/Berlin", "1945-05-24T12:00:00", FoldChoice::None, 10800, "1945-05-24T09:00:00"},  // double summer time
      {"Europe/Berlin", "1947-05-20T12:00:00", FoldChoice::None, 10800, "1947-05-20T09:00:00"},
      {"Europe/Berlin", "1946-07-01T12:00:00", FoldChoice::None, 7200, "1946-07-01T10:00:00"},
      {"Europe/Berlin", "1980-09-28T02:30:00", FoldChoice::Earlier, 7200, "1980-09-28T00:30:00"},
      {"Europe/Berlin", "1980-09-28T02:30:00", FoldChoice::Later, 3600, "1980-09-28T01:30:00"},
      {"Europe/Berlin", "1945-09-24T02:30:00", FoldChoice::Later, 7200, "1945-09-24T00:30:00"},
      {"Asia/Kolkata", "1990-01-15T08:00:00", FoldChoice::None, 19800, "1990-01-15T02:30:00"},
      {"Asia/Kolkata", "1942-10-01T08:00:00", FoldChoice::None, 23400, "1942-10-01T01:30:00"},
      {"Australia/Lord_Howe", "2020-01-01T12:00:00", FoldChoice::None, 39600, "2020-01-01T01:00:00"},
      {"Australia/Lord_Howe", "2020-07-01T12:00:00", FoldChoice::None, 37800, "2020-07-01T01:30:00"},
      {"America/New_York", "1969-07-20T22:56:00", FoldChoice::None, -14400, "1969-07-21T02:56:00"},
      {"+05:30", "1990-01-15T08:00:00", FoldChoice::None, 19800, "1990-01-15T02:30:00"},
      {"-03:00", "2000-12-31T22:00:00", FoldChoice::None, -10800, "2001-01-01T01:00:00"},
  };
  for (const ZoneCase& c : cases) {
    const QDateTime local = QDateTime::fromString(QString::fromLatin1(c.local), Qt::ISODate);
    const LocalTimeResolution r = ResolveLocalTime(local.date(), local.time(), QString::fromLatin1(c.zone), c.fold);
    SCOPED_TRACE(std::string(c.zone) + " " + c.local);
    EXPECT_EQ(r.offsetSeconds, c.offset);
    EXPECT_EQ(r.utc.toString(Qt::ISODate).left(19), QString::fromLatin1(c.utc));
  }
}

TEST(LocalTime, GapsAndRepeatedHoursAreNamed) {
  struct Case {
    const char* zone;
    const char* local;
    Kind kind;
    const char* named;  // a part of the message
  } const cases[] = {
      {"Europe/Berlin", "1980-04-06T02:30:00", Kind::Gap, "von 02:00 auf 03:00"},
      {"Europe/Berlin", "1945-05-24T02:30:00", Kind::Gap, "UTC+02:00 auf UTC+03:00"},
      {"Europe/Berlin", "1947-04-06T03:30:00", Kind::Gap, "von 03:00 auf 04:00"},
      {"Europe/Berlin", "1893-04-01T00:03:00", Kind::Gap, "von 00:00 auf 00:06:32"},
      {"Australia/Lord_Howe", "2020-10-04T02:15:00", Kind::Gap, "von 02:00 auf 02:30"},
      {"Europe/Berlin", "1980-09-28T02:30:00", Kind::Repeated, "zuerst mit UTC+02:00, dann mit UTC+01:00"},
      {"Europe/Berlin", "1947-06-29T02:30:00", Kind::Repeated, "zuerst mit UTC+03:00, dann mit UTC+02:00"},
      {"Mars/Olympus", "2000-01-01T12:00:00", Kind::BadZone, "unbekannt"},
  };
  for (const Case& c : cases) {
    const QDateTime local = QDateTime::fromString(QString::fromLatin1(c.local), Qt::ISODate);
    const LocalTimeResolution r = ResolveLocalTime(local.date(), local.time(), QString::fromLatin1(c.zone), FoldChoice::None);
    SCOPED_TRACE(std::string(c.zone) + " " + c.local);
    EXPECT_EQ(r.kind, c.kind);
    EXPECT_TRUE(r.utc.isNull());
    EXPECT_TRUE(r.message.contains(QString::fromUtf8(c.named))) << r.message.toStdString();
  }
}

TEST(LocalTime, FixedOffsets) {
  const struct {
    const char* text;
    std::optional<int> seconds;
  } cases[] = {{"+05:30", 19800}, {"-03:00", -10800}, {"+00:53:28", 3208}, {"+15:00", 54000},
               {"+15:01", std::nullopt}, {"5:30", std::nullopt}, {"+05:60", std::nullopt}, {"", std::nullopt}};
  for (const auto& c : cases) {
    EXPECT_EQ(ParseFixedOffset(QString::fromLatin1(c.text)), c.seconds) << c.text;
    if (c.seconds) {
      EXPECT_EQ(FormatOffset(*c.seconds), QString::fromLatin1(c.text));
    }
  }
}

}  // namespace
}  // namespace gyrolux
