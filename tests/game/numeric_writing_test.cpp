// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "game/numeric_text.h"

namespace avtosalon {

// Failure messages name the kind rather than dumping its bytes.
[[maybe_unused]] static void PrintTo(FailureKind kind, std::ostream* out) {
  *out << FailureKindName(kind);
}

namespace {

// x rounded to 15 significant digits, found by a different route than the
// one under test: the C library's formatting, then its reading. nullopt when
// the rounding leaves the double range.
std::optional<double> RoundedTo15Digits(double x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", x);
  const double rounded = std::strtod(buffer, nullptr);
  if (std::isinf(rounded)) return std::nullopt;
  return rounded;
}

TEST(NumberToText, WritesIntegersPlainly) {
  EXPECT_EQ(NumberToText(std::int16_t{0}), "0");
  EXPECT_EQ(NumberToText(std::int16_t{-5}), "-5");
  EXPECT_EQ(NumberToText(std::int16_t{32767}), "32767");
  EXPECT_EQ(NumberToText(std::int16_t{-32768}), "-32768");
  EXPECT_EQ(NumberToText(std::int32_t{0}), "0");
  EXPECT_EQ(NumberToText(std::int32_t{-5}), "-5");
  EXPECT_EQ(NumberToText(std::int32_t{1000000}), "1000000");
  EXPECT_EQ(NumberToText(std::numeric_limits<std::int32_t>::max()), "2147483647");
  EXPECT_EQ(NumberToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
  EXPECT_EQ(NumberToText(std::int64_t{1000000}), "1000000");
  EXPECT_EQ(NumberToText(std::numeric_limits<std::int64_t>::max()), "9223372036854775807");
  EXPECT_EQ(NumberToText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(NumberToText(Empty{}), "");
}

TEST(NumberToText, WritesDoublesRoundedTo15Digits) {
  const double infinity = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {-3, "-3"},
      {100, "100"},
      {999750, "999750"},
      {23000, "23000"},
      {999899.5, "999899.5"},
      {-999899.5, "-999899.5"},
      {0.25, "0.25"},
      {0.1, "0.1"},
      {0.1 + 0.2, "0.3"},
      {0.0001, "0.0001"},
      {0.00012345, "0.00012345"},
      {123456.789, "123456.789"},
      {12345678901234.5, "12345678901234.5"},
      {1.0 / 3, "0.333333333333333"},
      {-1.0 / 3, "-0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {0.1234567890123456, "0.123456789012346"},
      {123456789012345, "123456789012345"},
      {999999999999999, "999999999999999"},
      {99999999999999.99, "100000000000000"},
      {1e14, "100000000000000"},
      {1e15, "1E+15"},
      {-1e15, "-1E+15"},
      {1.5e15, "1.5E+15"},
      {999999999999999.9, "1E+15"},
      {1234567890123456.7, "1.23456789012346E+15"},
      {4503599627370496.0, "4.5035996273705E+15"},
      {123456789012345678.0, "1.23456789012346E+17"},
      {1e21, "1E+21"},
      {1e100, "1E+100"},
      {1.5e300, "1.5E+300"},
      {-1.5e-300, "-1.5E-300"},
      {0.00001, "1E-05"},
      {0.000015, "1.5E-05"},
      {0.00001234, "1.234E-05"},
      // Sixteen nines round up to the plain range; fifteen are kept.
      {0.00009999999999999999, "0.0001"},
      {0.0000999999999999999, "9.99999999999999E-05"},
      {9.99999999999994e-5, "9.99999999999994E-05"},
      {1e-100, "1E-100"},
      {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
      {-std::numeric_limits<double>::max(), "-1.79769313486232E+308"},
      {std::numeric_limits<double>::min(), "2.2250738585072E-308"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
      {1e-310, "9.99999999999997E-311"},
      // Exact binary values with 16 digits ending in 5: ties, to even.
      {1000000000000005.0, "1E+15"},
      {1000000000000015.0, "1.00000000000002E+15"},
      {0x1p-22, "2.38418579101562E-07"},
      {0x3p-22, "7.15255737304688E-07"},
      // Never written by the game, but still words rather than digits.
      {infinity, "Infinity"},
      {-infinity, "-Infinity"},
      {std::numeric_limits<double>::quiet_NaN(), "NaN"},
  };
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(NumberToText(value), text) << value;
  }
}

// The digits and decimal exponent of a written number, or nullopt when it does
// not have the layout the game writes.
struct Layout {
  bool scientific = false;
  std::string digits;  // significant digits
  int exponent = 0;    // of the first significant digit
};

std::optional<Layout> ParseLayout(const std::string& text) {
  std::size_t i = text[0] == '-' ? 1 : 0;
  Layout layout;
  const std::size_t e = text.find('E');
  const std::string mantissa = text.substr(i, e == std::string::npos ? std::string::npos : e - i);
  const std::size_t point = mantissa.find('.');
  if (point != std::string::npos) {
    if (mantissa.back() == '0' || point + 1 == mantissa.size()) return std::nullopt;
  }
  const std::string whole = mantissa.substr(0, point);
  if (whole.empty() || (whole.size() > 1 && whole[0] == '0')) return std::nullopt;
  std::string all = mantissa;
  if (point != std::string::npos) all.erase(point, 1);
  const std::size_t first = all.find_first_not_of('0');
  if (first == std::string::npos) return std::nullopt;
  layout.digits = all.substr(first);
  const std::size_t last = layout.digits.find_last_not_of('0');
  layout.digits.erase(last + 1);
  layout.exponent = static_cast<int>(whole.size()) - 1 - static_cast<int>(first);
  if (e != std::string::npos) {
    layout.scientific = true;
    if (whole.size() != 1 || whole == "0") return std::nullopt;
    const std::string exponent = text.substr(e + 1);
    if (exponent.size() < 3 || (exponent[0] != '+' && exponent[0] != '-')) return std::nullopt;
    if (exponent.size() > 3 && exponent[1] == '0') return std::nullopt;
    int magnitude = 0;
    const auto parsed =
        std::from_chars(exponent.data() + 1, exponent.data() + exponent.size(), magnitude);
    if (parsed.ec != std::errc() || parsed.ptr != exponent.data() + exponent.size()) {
      return std::nullopt;
    }
    layout.exponent = exponent[0] == '-' ? -magnitude : magnitude;
  }
  return layout;
}

double RandomFiniteDouble(std::mt19937_64& random) {
  for (;;) {
    const double x = std::bit_cast<double>(random());
    if (std::isfinite(x)) return x;
  }
}

// Random doubles over the whole range, plus the regions where the layout changes.
std::vector<double> SampleDoubles() {
  std::mt19937_64 random(77031);
  std::vector<double> values;
  for (int i = 0; i < 60000; ++i) values.push_back(RandomFiniteDouble(random));
  std::uniform_real_distribution<double> unit(0.5, 10.0);
  for (const int decade : {-325, -310, -308, -6, -5, -4, -3, -1, 0, 5, 13, 14, 15, 16, 300, 307}) {
    for (int i = 0; i < 1500; ++i) {
      const double x = unit(random) * std::pow(10.0, decade);
      values.push_back(i % 2 == 0 ? x : -x);
      values.push_back(std::nextafter(std::pow(10.0, decade), i % 2 == 0 ? 0.0 : HUGE_VAL));
    }
  }
  for (std::uint64_t bits = 0; bits < 3000; ++bits) values.push_back(std::bit_cast<double>(bits));
  return values;
}

TEST(NumberToText, ReadsBackAsTheValueRoundedTo15Digits) {
  for (const double x : SampleDoubles()) {
    const std::string text = NumberToText(x);
    const std::optional<double> expected = RoundedTo15Digits(x);
    const Reading<double> reading = ReadDouble(text);
    if (!expected) {
      // Only the last few doubles below the largest round beyond the range.
      ASSERT_GT(std::fabs(x), 1.797693134862315e308) << text;
      ASSERT_EQ(reading.failure, FailureKind::kOverflow) << text;
      continue;
    }
    ASSERT_TRUE(reading.Ok()) << text;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(*reading.value),
              std::bit_cast<std::uint64_t>(x == 0 ? 0.0 : *expected))
        << x << " written as " << text;
  }
}

TEST(NumberToText, ChoosesTheLayoutByTheRoundedMagnitude) {
  for (const double x : SampleDoubles()) {
    if (x == 0) continue;
    const std::string text = NumberToText(x);
    const std::optional<Layout> layout = ParseLayout(text);
    ASSERT_TRUE(layout) << text;
    ASSERT_EQ(text[0] == '-', x < 0) << text;
    ASSERT_LE(layout->digits.size(), 15u) << text;
    const bool plain_range = layout->exponent >= -4 && layout->exponent < 15;
    ASSERT_EQ(layout->scientific, !plain_range) << text;
  }
}

TEST(NumberToText, WritesCentsExactly) {
  std::mt19937_64 random(1312);
  std::uniform_int_distribution<std::int64_t> cents(0, 99'999'999'999'999);
  for (int i = 0; i < 20000; ++i) {
    const std::int64_t c = i < 2000 ? i : cents(random);
    std::string expected = std::to_string(c / 100);
    if (c % 100 != 0) {
      std::string fraction = std::to_string(100 + c % 100).substr(1);
      if (fraction.back() == '0') fraction.pop_back();
      expected += "." + fraction;
    }
    const double value = static_cast<double>(c) / 100;
    if (value == 0) expected = "0";
    ASSERT_EQ(NumberToText(value), expected);
    ASSERT_EQ(NumberToText(-value), value == 0 ? "0" : "-" + expected);
  }
}

TEST(NumberToText, IntegerLimitsReadBackExactly) {
  std::vector<std::int64_t> values;
  for (const std::int64_t limit : {-2147483648ll, 2147483647ll, -32768ll, 32767ll, 0ll}) {
    for (std::int64_t d = -3; d <= 3; ++d) values.push_back(limit + d);
  }
  for (const std::int64_t v : values) {
    const std::string text = NumberToText(v);
    ASSERT_EQ(NumberToText(static_cast<double>(v)), text);
    ASSERT_EQ(TextToDouble(text), static_cast<double>(v)) << text;
    const Reading<std::int32_t> as_long = ReadLong(text);
    if (v >= std::numeric_limits<std::int32_t>::min() &&
        v <= std::numeric_limits<std::int32_t>::max()) {
      ASSERT_EQ(NumberToText(static_cast<std::int32_t>(v)), text);
      ASSERT_EQ(as_long.value, static_cast<std::int32_t>(v)) << text;
    } else {
      ASSERT_EQ(as_long.failure, FailureKind::kOverflow) << text;
    }
    const Reading<std::int16_t> as_integer = ReadInteger(text);
    if (v >= -32768 && v <= 32767) {
      ASSERT_EQ(NumberToText(static_cast<std::int16_t>(v)), text);
      ASSERT_EQ(as_integer.value, static_cast<std::int16_t>(v)) << text;
    } else {
      ASSERT_EQ(as_integer.failure, FailureKind::kOverflow) << text;
    }
  }
}

// ---------------------------------------------------------------------------

std::optional<std::int32_t> RoundingOf(double value) {
  try {
    return RoundToLong(value);
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.Kind(), FailureKind::kOverflow);
    return std::nullopt;
  }
}

TEST(RoundToLong, RoundsHalfToEvenWithinTheRange) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    std::optional<std::int32_t> rounded;
  } cases[] = {
      {0.0, 0},
      {-0.0, 0},
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {3.5, 4},
      {-0.5, 0},
      {-1.5, -2},
      {-2.5, -2},
      {0.49999999999999994, 0},
      {0.5000000000000001, 1},
      {-0.5000000000000001, -1},
      {1.4999999999999998, 1},
      {2147483647.0, 2147483647},
      {2147483647.4999998, 2147483647},
      {2147483646.5, 2147483646},
      {2147483647.5, std::nullopt},
      {2147483648.0, std::nullopt},
      {-2147483648.0, -2147483648},
      {-2147483648.5, -2147483648},
      {std::nextafter(-2147483648.5, -1e300), std::nullopt},
      {-2147483649.0, std::nullopt},
      {4503599627370497.0, std::nullopt},
      {1e300, std::nullopt},
      {infinity, std::nullopt},
      {-infinity, std::nullopt},
      {nan, std::nullopt},
  };
  for (const auto& [value, rounded] : cases) {
    EXPECT_EQ(RoundingOf(value), rounded) << value;
  }
}

TEST(RoundToLong, AgreesWithTheDefaultRoundingMode) {
  std::mt19937_64 random(99);
  std::uniform_real_distribution<double> wide(-2147483648.5, 2147483647.4);
  std::uniform_int_distribution<std::int32_t> whole(-100000, 100000);
  for (int i = 0; i < 20000; ++i) {
    const double x = i % 2 == 0 ? wide(random) : whole(random) + 0.5;
    ASSERT_EQ(RoundingOf(x), static_cast<std::int32_t>(std::nearbyint(x))) << x;
  }
}

}  // namespace
}  // namespace avtosalon
