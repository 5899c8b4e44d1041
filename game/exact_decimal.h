// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Exact conversions between decimal digits and doubles, written out here so that
// every number text is the same whichever standard library builds the game.
namespace avtosalon {

// Decimal texts past this many significant digits are cut there, with a nonzero
// digit appended when anything nonzero was cut: no double or halfway point
// between two doubles needs as many, so the rounding stays exact.
inline constexpr int kMaxSignificantDigits = 800;

// The double nearest to digits × 10^exponent, ties to even; infinity beyond the
// double range. digits: at most kMaxSignificantDigits + 1 decimal digits.
double DecimalToDouble(std::string_view digits, std::int64_t exponent);

struct Decimal {
  std::string digits;  // significant digits, no trailing zeros
  int exponent = 0;    // the power of ten of the first digit
};

// A finite positive double rounded to `precision` significant digits, ties to even.
Decimal DoubleToDecimal(double magnitude, int precision);

}  // namespace avtosalon
