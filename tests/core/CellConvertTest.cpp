#include <gtest/gtest.h>

#include <core/CellConvert.h>
#include <core/Exceptions.h>

using namespace kvl::core;

namespace {

TEST(CellToInt, AcceptedForms) {
  struct Case {
    std::string_view text;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"17", 17},
      {"+17", 17},
      {"-5", -5},
      {"$10", 16},
      {"x10", 16},
      {"X10", 16},
      {"0x10", 16},
      {"0X1f", 31},
      {"$FFFFFFFF", -1},
      {"-$FFFFFFFF", 1},
      {"$80000000", INT32_MIN},
      {"   42", 42},
      {"007", 7},
      {"0", 0},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(CellToInt(c.text), c.expected) << c.text;
}

TEST(CellToFloat, AcceptedForms) {
  struct Case {
    std::string_view text;
    long double expected;
  };
  const Case cases[] = {
      {"1.5", 1.5L},     {"+1.5", 1.5L},   {"15e-1", 1.5L}, {"1.50", 1.5L},
      {" 1.5", 1.5L},    {"1.5   ", 1.5L}, {".", 0.0L},     {"1E", 1.0L},
      {"-2.25", -2.25L}, {"5.", 5.0L},     {".25", 0.25L},  {"1e+2", 100.0L},
      {"0.00", 0.0L},    {"-0", 0.0L},     {"2E-0", 2.0L},  {"1e-99999", 0.0L},
  };
  for (const Case& c : cases) EXPECT_EQ(CellToFloat(c.text), c.expected) << c.text;
}

TEST(CellToFloat, EqualValuesInOtherSpellingsGiveEqualKeys) {
  const std::string_view groups[][5] = {
      {"1.5", "1.50", "15e-1", "+1.5", "0.15E1"},
      {"0.1", "0.10", "1e-1", "100e-3", ".1"},
      {"1234.56", "1234.560", "123456e-2", "1.23456e3", "0001234.56"},
      {"-7.3", "-7.30", "-73E-1", "-0.73e1", "-7.300000000000000000000"},
  };
  for (const auto& group : groups)
    for (const std::string_view spelling : group)
      EXPECT_EQ(CellToFloat(spelling), CellToFloat(group[0])) << spelling << " vs " << group[0];
}

TEST(CellToFloat, KeepsExtendedPrecision) {
  // 2^63 + 1 needs 64 mantissa bits: a double would round it away.
  EXPECT_EQ(CellToFloat("9223372036854775809") - CellToFloat("9223372036854775808"), 1.0L);
}

// The message of the EConvertError that `convert` raises for `text`, or "accepted".
template <class Number>
std::string RefusalOf(Number (*convert)(std::string_view), std::string_view text) {
  try {
    convert(text);
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return "accepted";
}

TEST(CellConversions, RefusedFormsNameTheTextInUtf8) {
  const std::string_view refusedAsInteger[] = {
      "",   "   ", "12 ", "12.0",       "1e3", "2147483648", "-2147483649", "$",
      "0x", "+",   "-",   "$1FFFFFFFF", "\t5", "1,5",        "00x10",       "12a"};
  for (const std::string_view text : refusedAsInteger) {
    EXPECT_EQ(RefusalOf(CellToInt, text),
              std::string("''").append(text).append("'' is not a valid integer value"));
  }
  const std::string_view refusedAsFloat[] = {"1,5",   "10%",    "1 000", "",    "   ",
                                             "1.5.5", "+",      "-",     "e5",  "inf",
                                             "nan",   "1e5000", "$1",    "1.5x"};
  for (const std::string_view text : refusedAsFloat) {
    EXPECT_EQ(RefusalOf(CellToFloat, text),
              std::string("'").append(text).append("' is not a valid floating point value"));
  }
  // "про" in Windows-1251, shown in UTF-8.
  EXPECT_EQ(RefusalOf(CellToInt, "\xEF\xF0\xEE"),
            "''\xD0\xBF\xD1\x80\xD0\xBE'' is not a valid integer value");
  EXPECT_EQ(RefusalOf(CellToFloat, "\xEF\xF0\xEE"),
            "'\xD0\xBF\xD1\x80\xD0\xBE' is not a valid floating point value");
}

}  // namespace
