// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/exact_decimal.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "game/big_integer.h"

namespace avtosalon {
namespace {

// The digits and exponent of a text in the form "d.ddde+xx", trailing zeros dropped.
Decimal SplitScientific(const std::string& text) {
  Decimal decimal;
  const std::size_t e = text.find_first_of("eE");
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') decimal.digits += text[i];
  }
  decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
  decimal.exponent = std::atoi(text.c_str() + e + 1);
  return decimal;
}

// The C library's exact formatting: glibc and musl both round the binary value.
Decimal CFormatted(double magnitude, int precision) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, magnitude);
  return SplitScientific(buffer);
}

double RandomPositiveDouble(std::mt19937_64& random) {
  for (;;) {
    const double x = std::bit_cast<double>(random() >> 1);
    if (std::isfinite(x) && x > 0) return x;
  }
}

// Random bit patterns, the subnormals, powers of ten and their neighbours.
std::vector<double> Samples() {
  std::mt19937_64 random(2718);
  std::vector<double> values;
  for (int i = 0; i < 20000; ++i) values.push_back(RandomPositiveDouble(random));
  for (std::uint64_t bits = 1; bits < 500; ++bits) values.push_back(std::bit_cast<double>(bits));
  for (int decade = -323; decade <= 308; ++decade) {
    const double power = std::strtod(("1e" + std::to_string(decade)).c_str(), nullptr);
    values.push_back(power);
    values.push_back(std::nextafter(power, 0.0));
    values.push_back(std::nextafter(power, HUGE_VAL));
  }
  values.push_back(std::numeric_limits<double>::max());
  values.push_back(std::numeric_limits<double>::min());
  return values;
}

void ExpectSame(const Decimal& actual, const Decimal& expected, double x, int precision) {
  ASSERT_EQ(actual.digits, expected.digits) << x << " to " << precision << " digits";
  ASSERT_EQ(actual.exponent, expected.exponent) << x << " to " << precision << " digits";
}

TEST(DoubleToDecimal, RoundsTheBinaryValueHalfToEven) {
  const struct {
    double value;
    int precision;
    const char* digits;
    int exponent;
  } cases[] = {
      {0.5, 15, "5", -1},
      {2.5, 1, "2", 0},
      {3.5, 1, "4", 0},
      {0.125, 2, "12", -1},  // an exact tie goes to the even digit
      {0.375, 2, "38", -1},
      {0.15, 1, "1", -1},  // 0.1499999999999999944...
      {9.5, 1, "1", 1},    // the carry adds a digit
      {999999999999999.5, 15, "1", 15},
      {1.0 / 3, 15, "333333333333333", -1},
      {5e-324, 17, "49406564584124654", -324},
      {1.7976931348623157e308, 15, "179769313486232", 308},
  };
  for (const auto& c : cases) {
    const Decimal decimal = DoubleToDecimal(c.value, c.precision);
    EXPECT_EQ(decimal.digits, c.digits) << c.value;
    EXPECT_EQ(decimal.exponent, c.exponent) << c.value;
  }
}

TEST(DoubleToDecimal, AgreesWithTheCLibrary) {
  for (const double x : Samples()) {
    for (const int precision : {1, 2, 6, 14, 15, 16, 17, 40}) {
      ExpectSame(DoubleToDecimal(x, precision), CFormatted(x, precision), x, precision);
    }
  }
}

TEST(DecimalToDouble, ReadsTiesAndTheEdgesOfTheRange) {
  const double max = std::numeric_limits<double>::max();
  const double infinity = std::numeric_limits<double>::infinity();
  // 2^1024 - 2^970, halfway from the largest double to 2^1024, but for its last digit (2).
  const std::string halfway_to_overflow =
      "179769313486231580793728971405303415079934132710037826936173778980444968292764750946649017"
      "977587207096330286416692887910946555547851940402630657488671505820681908902000708383676273"
      "854845817711531764475730270069855571366959622842914819860834936475292719074168444365510704"
      "34271155969950809304288017790417449779";
  // 2^-1075, half the smallest subnormal: these digits × 10^-1075, exactly.
  const std::string half_tiny =
      "247032822920623272088284396434110686182529901307162382212792841250337753635104375932649918"
      "180817996189898282347722858865463328355177969898199387398005390939063150356595155702263922"
      "908583924491051844359318028499365361525003193704576782492193656236698636584807570015857692"
      "699037063119282795585513329278343384093519780155312465972635795746227664652728272200563740"
      "064854999770965994704540208281662262378573934507363390079677619305775067401763246736009689"
      "513405355374585166611342237666786041621596804619144672918403005300575308490487653917113865"
      "916462395249126236538818796362393732804238910186723484976682350898633885879256283027559956"
      "575244555072551893136908362547791869486679949683240497058210285131854513962138377228261454"
      "37693412532098591327667236328125";
  const struct {
    std::string digits;
    std::int64_t exponent;
    double value;
  } cases[] = {
      {"9007199254740993", 0, 9007199254740992.0},  // halfway, to even
      {"9007199254740995", 0, 9007199254740996.0},
      {"90071992547409930000000000000000000001", -22, 9007199254740994.0},
      {"17976931348623157", 292, max},
      {"17976931348623158", 292, max},           // below the halfway point to 2^1024
      {halfway_to_overflow + "2", 0, infinity},  // at it: to even
      {halfway_to_overflow + "1", 0, max},
      {half_tiny, -1075, 0.0},  // to even
      {half_tiny + "1", -1076, 5e-324},
      {"247032822920623272088284396434110686182529901307162382212792", -383, 0.0},
      {"1", -400, 0.0},
      {"1", 400, infinity},
      {"22250738585072011", -324, 2.2250738585072011e-308},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(DecimalToDouble(c.digits, c.exponent)),
              std::bit_cast<std::uint64_t>(c.value))
        << c.digits << "e" << c.exponent;
  }
}

// The exact decimal expansion of (2m + 1) × 2^(e - 1), the midpoint between
// m × 2^e and its upper neighbour: digits × 10^exponent.
Decimal Midpoint(double x) {
  int e = 0;
  const double fraction = std::frexp(x, &e);
  const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  e -= 53;
  const int kLowest = -1074;  // subnormals are spaced by 2^kLowest
  const std::uint64_t spacing = e < kLowest ? m >> (kLowest - e) : m;
  if (e < kLowest) e = kLowest;
  BigInteger value(2 * spacing + 1);
  int exponent = 0;
  if (e - 1 >= 0) {
    value.ShiftLeft(e - 1);
  } else {
    value.MultiplyByPowerOf5(1 - e);
    exponent = e - 1;
  }
  return Decimal{value.ToDecimal(), exponent};
}

// Every double's exact expansion reads back as itself; its midpoint to the upper
// neighbour reads as the even one of the two, and anything beside the midpoint
// as the nearer one.
TEST(DecimalToDouble, ReadsExactExpansionsAndMidpoints) {
  for (const double x : Samples()) {
    const Decimal exact = DoubleToDecimal(x, 1000);
    ASSERT_EQ(DecimalToDouble(exact.digits, exact.exponent + 1 - std::ssize(exact.digits)), x) << x;
    const double next = std::nextafter(x, HUGE_VAL);
    if (std::isinf(next)) continue;
    const Decimal mid = Midpoint(x);
    const bool x_even = (std::bit_cast<std::uint64_t>(x) & 1) == 0;
    ASSERT_EQ(DecimalToDouble(mid.digits, mid.exponent), x_even ? x : next) << x;
    if (std::ssize(mid.digits) >= kMaxSignificantDigits) continue;
    ASSERT_EQ(DecimalToDouble(mid.digits + "1", mid.exponent - 1), next) << x;
    std::string below = mid.digits;
    if (below.back() == '0') continue;
    --below.back();
    ASSERT_EQ(DecimalToDouble(below + "9", mid.exponent - 1), x) << x;
  }
}

#if __cpp_lib_to_chars >= 201611L
// Where the standard library has them, its floating-point conversions agree too.
TEST(ExactDecimal, AgreesWithTheStandardLibrary) {
  std::mt19937_64 random(31415);
  for (const double x : Samples()) {
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    ExpectSame(DoubleToDecimal(x, 15), SplitScientific(std::string(buffer, written.ptr)), x, 15);
    const std::string digits = std::to_string(random() % 100000000000000000ull + 1);
    const auto exponent = static_cast<std::int64_t>(random() % 660) - 345;
    const std::string text = digits + "e" + std::to_string(exponent);
    double expected = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), expected).ec != std::errc())
      continue;
    ASSERT_EQ(DecimalToDouble(digits, exponent), expected) << text;
  }
}
#endif

}  // namespace
}  // namespace avtosalon
