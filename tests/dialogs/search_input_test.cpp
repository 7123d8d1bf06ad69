#include "dialogs/search_input.h"

#include <gtest/gtest.h>

namespace gyrolux {
namespace {

TEST(SearchInputTest, AngleCheckNamesTheFieldToCorrect) {
  const QString degrees = QStringLiteral("Das ist kein gültiger Gradwert!");
  const QString minutes = QStringLiteral("Das ist kein gültiger Minutenwert!");
  struct Case {
    const char *deg, *min;
    double angle;  // -1: refused
    const QString* message;
  };
  // The ranges are CheckModeAngle's (field_readers_test.cpp); here the message and focus.
  const Case cases[] = {
      {"22", "30", 22.5, nullptr}, {"7.5", " 5", 7.5 + 5 / 60.0, nullptr}, {"23", "0", -1, &degrees},
      {"x", "x", -1, &degrees},    {"5", "", -1, &minutes},                {"22", "31", -1, &minutes},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.deg) + "/" + c.min);
    const AngleCheck check = CheckSearchAngle(QString::fromLatin1(c.deg), QString::fromLatin1(c.min));
    if (c.angle < 0) {
      EXPECT_FALSE(check.angle);
      EXPECT_EQ(check.message, *c.message);
      EXPECT_EQ(check.focusMinutes, c.message == &minutes);
    } else {
      ASSERT_TRUE(check.angle);
      EXPECT_DOUBLE_EQ(*check.angle, c.angle);
    }
  }
}

}  // namespace
}  // namespace gyrolux
