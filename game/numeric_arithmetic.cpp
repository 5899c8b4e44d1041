// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <cstdint>
#include <limits>

#include "game/numeric_text.h"

// Rounding and the checked arithmetic around the readings.
namespace avtosalon {

std::int32_t RoundToLong(double value) {
  // Both bounds are exact doubles; the ties at them round to even, so
  // 2147483647.5 leaves the range and -2147483648.5 stays in it.
  if (!(value < 2147483647.5 && value >= -2147483648.5)) throw Failure(FailureKind::kOverflow);
  // Truncates towards zero; the difference is exact at this magnitude.
  auto whole = static_cast<std::int64_t>(value);
  const double fraction = value - static_cast<double>(whole);
  if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0)) {
    ++whole;
  } else if (fraction < -0.5 || (fraction == -0.5 && (whole & 1) != 0)) {
    --whole;
  }
  return static_cast<std::int32_t>(whole);
}

std::int16_t CheckedSum16(std::int16_t a, std::int16_t b) {
  const int sum = a + b;
  if (sum < std::numeric_limits<std::int16_t>::min() ||
      sum > std::numeric_limits<std::int16_t>::max()) {
    throw Failure(FailureKind::kOverflow);
  }
  return static_cast<std::int16_t>(sum);
}

std::int32_t CheckedProduct32(std::int32_t a, std::int32_t b) {
  const std::int64_t product = std::int64_t{a} * b;
  if (product < std::numeric_limits<std::int32_t>::min() ||
      product > std::numeric_limits<std::int32_t>::max()) {
    throw Failure(FailureKind::kOverflow);
  }
  return static_cast<std::int32_t>(product);
}

namespace {
double Finite(double result) {
  if (!std::isfinite(result)) throw Failure(FailureKind::kFloatingPointFault);
  return result;
}
}  // namespace

double CheckedAdd(double a, double b) { return Finite(a + b); }
double CheckedSubtract(double a, double b) { return Finite(a - b); }
double CheckedDivide(double a, double b) { return Finite(a / b); }

}  // namespace avtosalon
