// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/failure.h"

// Every game quantity lives as decimal text in a control; these are the only
// ways text becomes a number and back. The decimal separator is always ".".
namespace avtosalon {

// The outcome of reading a text without throwing: a value, or the failure kind
// the throwing reading would raise.
template <typename T>
struct Reading {
  std::optional<T> value;
  FailureKind failure = FailureKind::kTypeMismatch;  // meaningful only without a value

  bool Ok() const { return value.has_value(); }
  T OrThrow() const {
    if (!value) throw Failure(failure);
    return *value;
  }
};

// Accepted form: blanks, optional sign, digits with at most one ".", optional
// exponent (E or e, optional sign, digits), blanks. Anything else is a type mismatch.
Reading<double> ReadDouble(std::string_view text) noexcept;
// The value rounded half to even, then tested against the type's range.
Reading<std::int32_t> ReadLong(std::string_view text) noexcept;
Reading<std::int16_t> ReadInteger(std::string_view text) noexcept;

std::int16_t TextToInteger(std::string_view text);
std::int32_t TextToLong(std::string_view text);
double TextToDouble(std::string_view text);

// Reads as much of a leading number as fits; 0 when no digit was read. Never fails.
double LeadingValue(std::string_view text) noexcept;

// Rounds half to even; outside the 32-bit range is Overflow.
std::int32_t RoundToLong(double value);

struct Empty {};  // the value of a number that was never set

std::string NumberToText(std::int16_t value);
std::string NumberToText(std::int32_t value);
std::string NumberToText(std::int64_t value);
// Rounded to 15 significant digits; plain notation for magnitudes in [1E-4, 1E15),
// scientific ("1.5E-05", "1E+15") otherwise; zero is "0".
std::string NumberToText(double value);
std::string NumberToText(Empty);

double TextAdd(std::string_view text, std::int32_t n);
double TextSubtract(std::string_view a, std::string_view b);

// Checked arithmetic: a result outside its range is Overflow; a double step that
// is invalid, divides by zero or overflows is FloatingPointFault.
std::int16_t CheckedSum16(std::int16_t a, std::int16_t b);
std::int32_t CheckedProduct32(std::int32_t a, std::int32_t b);
double CheckedAdd(double a, double b);
double CheckedSubtract(double a, double b);
double CheckedDivide(double a, double b);

}  // namespace avtosalon
