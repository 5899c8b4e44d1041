// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/exact_decimal.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/big_integer.h"

namespace avtosalon {
namespace {

constexpr int kMantissaBits = 53;
constexpr int kLowestExponent = -1074;  // of the last bit of the smallest subnormal

// The largest double is below 1.8E+308; below 1E-324 everything rounds to zero.
constexpr std::int64_t kAboveRange = 310;
constexpr std::int64_t kBelowRange = -324;

BigInteger FromDigits(std::string_view digits) {
  BigInteger value;
  for (const char digit : digits) value.MultiplyAdd(10, static_cast<std::uint32_t>(digit - '0'));
  return value;
}

// q × 2^exponent with `sticky` set when something nonzero lies below q's last
// bit, rounded to a double.
double RoundToDouble(std::uint64_t q, bool sticky, int exponent) {
  int drop = std::bit_width(q) - kMantissaBits;
  if (exponent + drop < kLowestExponent) drop = kLowestExponent - exponent;
  if (drop >= 64) return 0;
  std::uint64_t mantissa = q >> drop;
  if (drop > 0) {
    const std::uint64_t rest = q & ((std::uint64_t{1} << drop) - 1);
    const std::uint64_t half = std::uint64_t{1} << (drop - 1);
    if (rest > half || (rest == half && (sticky || (mantissa & 1) != 0))) ++mantissa;
  }
  return std::ldexp(static_cast<double>(mantissa), exponent + drop);
}

}  // namespace

double DecimalToDouble(std::string_view digits, std::int64_t exponent) {
  const auto digit_count = static_cast<std::int64_t>(digits.size());
  if (digits.empty()) return 0;
  if (digit_count + exponent > kAboveRange) return HUGE_VAL;
  if (digit_count + exponent < kBelowRange) return 0;
  // value = numerator / denominator × 2^binary_exponent
  const auto decimal_exponent = static_cast<int>(exponent);
  BigInteger numerator = FromDigits(digits);
  BigInteger denominator(1);
  if (decimal_exponent >= 0) {
    numerator.MultiplyByPowerOf5(decimal_exponent);
  } else {
    denominator.MultiplyByPowerOf5(-decimal_exponent);
  }
  // Scaled so that the quotient has 54 or 55 bits: enough for the mantissa and
  // the rounding bit of every normal result.
  const int shift = numerator.BitLength() - denominator.BitLength() - 54;
  if (shift > 0) {
    denominator.ShiftLeft(shift);
  } else {
    numerator.ShiftLeft(-shift);
  }
  constexpr int kTopBit = 54;
  denominator.ShiftLeft(kTopBit);
  std::uint64_t quotient = 0;
  for (int bit = kTopBit; bit >= 0; --bit) {
    if (Compare(numerator, denominator) >= 0) {
      numerator.Subtract(denominator);
      quotient |= std::uint64_t{1} << bit;
    }
    denominator.ShiftRightOne();
  }
  return RoundToDouble(quotient, !numerator.IsZero(), shift + decimal_exponent);
}

Decimal DoubleToDecimal(double magnitude, int precision) {
  // magnitude = mantissa × 2^binary_exponent exactly.
  int binary_exponent = 0;
  const double fraction = std::frexp(magnitude, &binary_exponent);
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
  binary_exponent -= kMantissaBits;
  BigInteger exact(mantissa);
  int exponent = 0;  // of the last digit
  if (binary_exponent >= 0) {
    exact.ShiftLeft(binary_exponent);
  } else {
    // m / 2^k = m × 5^k / 10^k
    exact.MultiplyByPowerOf5(-binary_exponent);
    exponent = binary_exponent;
  }
  std::string digits = exact.ToDecimal();
  const auto count = static_cast<int>(digits.size());
  exponent += count - 1;
  if (count > precision) {
    const char first_cut = digits[precision];
    const bool beyond_half =
        first_cut > '5' ||
        (first_cut == '5' && digits.find_first_not_of('0', precision + 1) != std::string::npos);
    const bool tie = first_cut == '5' && !beyond_half;
    digits.resize(precision);
    if (beyond_half || (tie && (digits.back() - '0') % 2 != 0)) {
      int i = precision - 1;
      for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
      if (i < 0) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++exponent;
      } else {
        ++digits[i];
      }
    }
  }
  const std::size_t last = digits.find_last_not_of('0');
  digits.erase(last + 1);
  return Decimal{digits, exponent};
}

}  // namespace avtosalon
