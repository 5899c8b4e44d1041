// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "game/exact_decimal.h"
#include "game/numeric_text.h"

// Number to text, without locale.
namespace avtosalon {
namespace {

constexpr std::size_t kTextBuffer = 32;
constexpr int kSignificantDigits = 15;

char* WriteExponent(char* p, int exponent) {
  *p++ = 'E';
  *p++ = exponent < 0 ? '-' : '+';
  if (exponent < 0) exponent = -exponent;
  if (exponent >= 100) *p++ = static_cast<char>('0' + exponent / 100);
  *p++ = static_cast<char>('0' + exponent / 10 % 10);
  *p++ = static_cast<char>('0' + exponent % 10);
  return p;
}

template <typename T>
std::string IntegerText(T value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string NumberToText(std::int16_t value) { return IntegerText(value); }
std::string NumberToText(std::int32_t value) { return IntegerText(value); }
std::string NumberToText(std::int64_t value) { return IntegerText(value); }

std::string NumberToText(double value) {
  // The game never writes these; the words keep them readable in a log.
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0) return "0";
  const double magnitude = std::fabs(value);
  if (magnitude < 1e15) {
    const auto whole = static_cast<std::int64_t>(value);
    if (static_cast<double>(whole) == value) return IntegerText(whole);
  }
  const Decimal decimal = DoubleToDecimal(magnitude, kSignificantDigits);
  char buffer[kTextBuffer];
  char* p = buffer;
  if (value < 0) *p++ = '-';
  const auto count = static_cast<int>(decimal.digits.size());
  const int exponent = decimal.exponent;
  if (exponent >= 15 || exponent < -4) {
    *p++ = decimal.digits[0];
    if (count > 1) {
      *p++ = '.';
      for (int i = 1; i < count; ++i) *p++ = decimal.digits[i];
    }
    p = WriteExponent(p, exponent);
  } else if (exponent >= 0) {
    const int integer_digits = exponent + 1;
    for (int i = 0; i < integer_digits; ++i) *p++ = i < count ? decimal.digits[i] : '0';
    if (count > integer_digits) {
      *p++ = '.';
      for (int i = integer_digits; i < count; ++i) *p++ = decimal.digits[i];
    }
  } else {
    *p++ = '0';
    *p++ = '.';
    for (int i = -1; i > exponent; --i) *p++ = '0';
    for (int i = 0; i < count; ++i) *p++ = decimal.digits[i];
  }
  return std::string(buffer, p);
}

std::string NumberToText(Empty) { return std::string(); }

}  // namespace avtosalon
