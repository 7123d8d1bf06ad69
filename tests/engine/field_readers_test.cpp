// The readers of numbers typed into fields and of the texts that the formatters write.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/field_readers.h"
#include "engine/formatting.h"

namespace gyrolux {
namespace {

using Blanks = NumberForm::Blanks;

TEST(FieldReadersTest, EachFormReadsItsOwnSpellingOnly) {
  const NumberForm typed = kTypedDecimal;
  const NumberForm lookup{.blanks = Blanks::Around, .comma = true, .exponent = true};
  const NumberForm commandLine{.exponent = true};
  struct Case {
    const char16_t* text;
    NumberForm form;
    std::optional<double> value;
  };
  const Case cases[] = {
      {u"7.5", typed, 7.5},          {u".5", typed, 0.5},        {u"5.", typed, 5.0},
      {u" -1 ", typed, -1.0},        {u"+05", typed, 5.0},       {u"", typed, {}},
      {u".", typed, {}},             {u"1e2", typed, {}},        {u"1,5", typed, {}},
      {u"inf", typed, {}},           {u"nan", typed, {}},        {u"1.2.3", typed, {}},
      {u"--1", typed, {}},           {u"+", typed, {}},          {u"1,5", lookup, 1.5},
      {u" 2e1 ", lookup, 20.0},      {u"1,5.", lookup, {}},      {u"1e-1", commandLine, 0.1},
      {u"2E+2", commandLine, 200.0}, {u" 5", commandLine, {}},   {u"5 ", commandLine, {}},
      {u"1e", commandLine, {}},      {u"1e999", commandLine, {}}, {u"0x10", commandLine, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadNumber(c.text, c.form), c.value) << QString::fromUtf16(c.text).toStdString();
  }
}

TEST(FieldReadersTest, WholeNumbersTakeLeadingBlanksAndStayInRange) {
  EXPECT_EQ(ReadWholeNumber(u"  5"), 5);
  EXPECT_EQ(ReadWholeNumber(u"-05"), -5);
  EXPECT_EQ(ReadWholeNumber(u"999999999"), 999999999);
  for (const char16_t* bad : {u"5 ", u"", u"   ", u"-", u"- 5", u"+-5", u"1.0", u"5x", u"\u0663", u"1000000000"}) {
    EXPECT_FALSE(ReadWholeNumber(bad)) << QString::fromUtf16(bad).toStdString();
  }
}

TEST(FieldReadersTest, AnglesOfTheModeEndAt22Degrees30Minutes) {
  struct Case {
    std::optional<double> degrees, minutes;
    AngleFault fault;
  };
  const Case cases[] = {
      {0.0, 0.0, AngleFault::None},       {22.0, 30.0, AngleFault::None},    {7.5, 59.0, AngleFault::None},
      {22.0, 30.5, AngleFault::Minutes},  {21.9, 59.0, AngleFault::Minutes}, {5.0, 60.0, AngleFault::Minutes},
      {5.0, -1.0, AngleFault::Minutes},   {5.0, {}, AngleFault::Minutes},    {23.0, 0.0, AngleFault::Degrees},
      {-0.5, 0.0, AngleFault::Degrees},   {{}, {}, AngleFault::Degrees},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckModeAngle(c.degrees, c.minutes), c.fault) << c.degrees.value_or(-99) << " " << c.minutes.value_or(-99);
  }
}

// The readers of the texts that the formatters write.
TEST(FieldReadersTest, FixedColumnsCountTheDigitsBeforeTheFirstOtherCharacter) {
  EXPECT_EQ(LeadingNumber(u"1x9"), 1);
  EXPECT_EQ(LeadingNumber(u" 5"), 0);
  EXPECT_EQ(LeadingNumber(u"999999999999999999"), 999999999);  // held in range
  EXPECT_EQ(FieldNumber("05.12.20", 7, 4), 20);                  // a short line
  // The separators are not looked at.
  EXPECT_DOUBLE_EQ(HoursFromTimeText("10.29.50"), 10 + 29 / 60.0 + 50 / 3600.0);
  EXPECT_DOUBLE_EQ(HoursFromTimeText("10:3"), 10 + 3 / 60.0);
  // A place adds the ten-thousandth and takes the sign.
  ChartMoment m;
  ReadPlaceFields("-008°30'", "+50°00'", m);
  EXPECT_DOUBLE_EQ(m.longitude, -8.5001);
  EXPECT_DOUBLE_EQ(m.latitude, 50.0001);
  EXPECT_TRUE(m.westLongitude && !m.southLatitude);
  // Every date that the formatter writes reads back.
  for (const auto& [d, mo, y] : {std::tuple{1, 1, 1}, {29, 2, 2024}, {31, 12, 9999}}) {
    ReadDateFields(FormatDateText(d, mo, y), m);
    EXPECT_TRUE(m.day == d && m.month == mo && m.year == y) << y;
  }
}

}  // namespace
}  // namespace gyrolux
