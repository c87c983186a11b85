// numbers_test.cpp - Show that numbers become the Str and CStr forms the record files hold, and
// that text becomes numbers by the numeric test, rounding and 16-bit rules.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/errors.h"
#include "common/numbers.h"

namespace gdf {
namespace {

TEST(StrForm, SingleValues) {
  const struct {
    float value;
    const char16_t* str;
    const char16_t* cstr;
  } cases[] = {
      {0.0f, u" 0", u"0"},
      {-0.0f, u" 0", u"0"},
      {12.5f, u" 12.5", u"12.5"},
      {-1.0f, u"-1", u"-1"},
      {0.05f, u" .05", u"0.05"},
      {0.5f, u" .5", u"0.5"},
      {-0.25f, u"-.25", u"-0.25"},
      {3.0f, u" 3", u"3"},
      {12.3456789f, u" 12.34568", u"12.34568"},  // seven significant digits
      {1234567.0f, u" 1234567", u"1234567"},
      {12345678.0f, u" 1.234568E+07", u"1.234568E+07"},
      {0.0001f, u" .0001", u"0.0001"},
      {0.00001f, u" 1E-05", u"1E-05"},
      {99999.99f, u" 99999.99", u"99999.99"},
      {1.5f, u" 1.5", u"1.5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StrForm(c.value), c.str) << c.value;
    EXPECT_EQ(CStrForm(c.value), c.cstr) << c.value;
  }
}

TEST(StrForm, DoubleValuesKeepFifteenDigits) {
  EXPECT_EQ(StrForm(0.1 + 0.2), u" .3");
  EXPECT_EQ(StrForm(1.49), u" 1.49");
  EXPECT_EQ(StrForm(-1.49), u"-1.49");
  EXPECT_EQ(StrForm(123456789012.5), u" 123456789012.5");
  EXPECT_EQ(CStrForm(0.75), u"0.75");
}

TEST(StrForm, Counters) {
  EXPECT_EQ(StrForm(std::int16_t{1}), u" 1");
  EXPECT_EQ(StrForm(1000), u" 1000");
  EXPECT_EQ(StrForm(-3), u"-3");
}

TEST(NumericTest, AcceptsWhatTheConventionsAllow) {
  const struct {
    const char16_t* text;
    bool numeric;
    float value;
  } cases[] = {
      {u"", false, 0},        {u"   ", false, 0},   {u"abc", false, 0},
      {u"12a", false, 0},     {u" 12 ", true, 12},  {u"1,234", true, 1234},
      {u"-0.5", true, -0.5f}, {u"+3", true, 3},     {u".5", true, 0.5f},
      {u"5.", true, 5},       {u"1E3", true, 1000}, {u"2.5e-1", true, 0.25f},
      {u"-", false, 0},       {u".", false, 0},     {u"1e", false, 0},
      {u",1", false, 0},      {u"1,", false, 0},    {u"1 2", false, 0},
      {u"１２", false, 0},    {u"\t1", false, 0},   {u"12.3456789", true, 12.345679f},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsNumeric(c.text), c.numeric) << ToUtf8(c.text);
    if (c.numeric) {
      EXPECT_EQ(*ToSingle(c.text), c.value) << ToUtf8(c.text);
    }
  }
}

TEST(NumericTest, SingleIsRoundedOnceFromTheDecimal) {
  const float kMax = std::numeric_limits<float>::max();
  const float kTiny = std::numeric_limits<float>::denorm_min();
  const struct {
    const char16_t* text;
    float value;
  } cases[] = {
      {u"16777217", 16777216.0f},  // halfway: to the even neighbour
      {u"16777219", 16777220.0f},
      {u"16777217.000001", 16777218.0f},
      // Just above halfway between 1 and the next Single: rounding through a Double first
      // would land on the halfway point and then round down to 1.
      {u"1.0000000596046447753906250001", 1.00000012f},
      {u"1.000000059604644775390625", 1.0f},
      {u"3.4028235E38", kMax},
      {u"340,282,350,000,000,000,000,000,000,000,000,000,000", kMax},
      {u"1.4E-45", kTiny},
      {u"7.1E-46", kTiny},
      {u"7E-46", 0.0f},  // below half the smallest Single: underflow gives 0
      {u"1e-50", 0.0f},
      {u"0.0001E-42", 0.0f},
      {u"100000E-51", 0.0f},
      {u"0E999999999999", 0.0f},
      {u"0.000000000000000000000000000000000000000000000000001E60", 1e9f},
      {u"1D2", 100.0f},
  };
  for (const auto& c : cases) {
    const auto value = ToSingle(c.text);
    ASSERT_TRUE(value) << ToUtf8(c.text);
    EXPECT_EQ(*value, c.value) << ToUtf8(c.text);
  }
  EXPECT_TRUE(std::signbit(*ToSingle(u"-1e-50")));
}

TEST(NumericTest, OverflowIsAnError) {
  for (const char16_t* text : {u"1e39", u"3.40282357E38", u"-3.5E38", u"0.0001E43",
                               u"1E999999999999", u"1000000000000000000000000000000000000000"}) {
    EXPECT_THROW(ToSingle(text), RunError) << ToUtf8(text);
  }
  EXPECT_THROW(ToDouble(u"1E309"), RunError);
  EXPECT_EQ(*ToDouble(u"1E308"), 1e308);
  EXPECT_EQ(*ToDouble(u"-1E-400"), 0.0);
  EXPECT_EQ(*ToDouble(u"0.1"), 0.1);
  EXPECT_THROW(LeadingValue(u"1e400"), RunError);
  EXPECT_EQ(LeadingValue(u"1e-400"), 0.0);
}

TEST(LeadingValue, ReadsTheLeadingNumber) {
  EXPECT_EQ(LeadingValue(u"  1 2 3"), 123);
  EXPECT_EQ(LeadingValue(u"12abc"), 12);
  EXPECT_EQ(LeadingValue(u"abc"), 0);
  EXPECT_EQ(LeadingValue(u"-2.5,7"), -2.5);
  EXPECT_EQ(LeadingValue(u"1,234"), 1);  // a comma ends the number
  EXPECT_EQ(LeadingValue(u"3e2x"), 300);
  EXPECT_EQ(LeadingValue(u"3ex"), 3);
}

TEST(Rounding, TruncationAndBankersRounding) {
  EXPECT_EQ(Truncate(-2.7), -2);
  EXPECT_EQ(Truncate(2.7), 2);
  const struct {
    double value;
    int expected;
  } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {32767.4, 32767}};
  for (const auto& c : cases) EXPECT_EQ(ToInt16(c.value), c.expected) << c.value;
  EXPECT_THROW(ToInt16(32767.5), RunError);
  EXPECT_THROW(ToInt16(-32768.6), RunError);
  EXPECT_EQ(ToInt16(-32768.4), -32768);
}

TEST(Counters, OverflowBeyond32767IsAnError) {
  std::int16_t counter = 32766;
  Increment16(counter);
  EXPECT_EQ(counter, 32767);
  EXPECT_THROW(Increment16(counter), RunError);
  EXPECT_THROW(CheckedInt16(32768, MessageId::kWhatCounter), RunError);
}

}  // namespace
}  // namespace gdf
