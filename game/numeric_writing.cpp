// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "game/numeric_text.h"

// Number to text, without locale.
namespace avtosalon {
namespace {

constexpr std::size_t kTextBuffer = 32;

struct DecimalDigits {
  char digits[24];
  int count = 0;  // significant digits, no trailing zeros
  int exponent = 0;
};

// Reads back what to_chars wrote in scientific form: "d[.ddd]e[+-]xx".
void SplitScientific(const char* p, const char* end, DecimalDigits& out) {
  out.count = 0;
  for (; p != end && *p != 'e'; ++p) {
    if (*p != '.') out.digits[out.count++] = *p;
  }
  while (out.count > 1 && out.digits[out.count - 1] == '0') --out.count;
  ++p;
  const bool negative = *p == '-';
  int exponent = 0;
  for (++p; p != end; ++p) exponent = exponent * 10 + (*p - '0');
  out.exponent = negative ? -exponent : exponent;
}

// Drops the digits past the 15th, rounding up when told to.
void KeepFifteen(bool round_up, DecimalDigits& out) {
  out.count = 15;
  if (round_up) {
    int i = 14;
    for (; i >= 0 && out.digits[i] == '9'; --i) out.digits[i] = '0';
    if (i < 0) {
      out.digits[0] = '1';
      ++out.exponent;
    } else {
      ++out.digits[i];
    }
  }
  while (out.count > 1 && out.digits[out.count - 1] == '0') --out.count;
}

// The magnitude rounded to 15 significant digits.
void FifteenDigits(double magnitude, DecimalDigits& out) {
  char buffer[kTextBuffer];
  // For a normal double the shortest round-trip text S lies within half an ulp
  // of the value, at most 0.111 units of the 15th digit. With at most 15 digits
  // S is itself the rounding; with more, its 16th and 17th digits say which
  // way to round unless they lie within that distance of a tie. Ryu's shortest
  // form is much faster than its fixed-precision one.
  if (magnitude >= DBL_MIN) {
    const auto result =
        std::to_chars(buffer, buffer + kTextBuffer, magnitude, std::chars_format::scientific);
    SplitScientific(buffer, result.ptr, out);
    if (out.count <= 15) return;
    const int hundredths =
        (out.digits[15] - '0') * 10 + (out.count > 16 ? out.digits[16] - '0' : 0);
    if (hundredths <= 38 || hundredths >= 62) {
      KeepFifteen(hundredths >= 62, out);
      return;
    }
  }
  // Rounds the exact binary value, ties to even.
  const auto result =
      std::to_chars(buffer, buffer + kTextBuffer, magnitude, std::chars_format::scientific, 14);
  SplitScientific(buffer, result.ptr, out);
}

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
  DecimalDigits decimal;
  FifteenDigits(magnitude, decimal);
  char buffer[kTextBuffer];
  char* p = buffer;
  if (value < 0) *p++ = '-';
  const int count = decimal.count;
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
