// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "game/numeric_text.h"

namespace {

using avtosalon::FailureKind;
using avtosalon::Reading;

void Require(bool condition, const char* what, std::string_view text) {
  if (condition) return;
  std::fprintf(stderr, "violated: %s\ntext (%zu bytes): %.*s\n", what, text.size(),
               static_cast<int>(text.size() > 200 ? 200 : text.size()), text.data());
  std::abort();
}

bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// x rounded to 15 significant digits by fixed-precision formatting and reading
// back; nullopt when that leaves the double range.
std::optional<double> RoundedTo15Digits(double x) {
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
  double rounded = 0;
  if (std::from_chars(buffer, written.ptr, rounded).ec != std::errc()) return std::nullopt;
  return x == 0 ? 0.0 : rounded;
}

// Digits from the first to the last non-zero one, before any exponent, of a
// text that has the accepted form.
std::size_t SignificantDigits(std::string_view text) {
  std::string digits;
  for (const char c : text) {
    if (c == 'e' || c == 'E') break;
    if (c >= '0' && c <= '9') digits += c;
  }
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  return digits.find_last_not_of('0') - first + 1;
}

// The standard reading of a well-formed text, without its blanks and "+";
// nullopt when out of range, where from_chars does not say in which direction.
std::optional<double> StandardReading(std::string_view text) {
  while (text.front() == ' ') text.remove_prefix(1);
  while (text.back() == ' ') text.remove_suffix(1);
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  Require(ec == std::errc() || ec == std::errc::result_out_of_range, "from_chars reads it", text);
  Require(ptr == text.data() + text.size(), "from_chars reads all of it", text);
  if (ec != std::errc()) return std::nullopt;
  return value;
}

void CheckWritingOf(double value, std::string_view origin) {
  if (!std::isfinite(value)) return;  // only LeadingValue gives those
  const std::string text = avtosalon::NumberToText(value);
  const Reading<double> back = avtosalon::ReadDouble(text);
  if (const std::optional<double> expected = RoundedTo15Digits(value)) {
    Require(back.Ok() && SameBits(*back.value, *expected), "written value reads back rounded",
            origin);
  } else {
    Require(!back.Ok() && back.failure == FailureKind::kOverflow,
            "written value rounded beyond the range overflows", origin);
  }
}

template <typename T, typename Throwing>
void CheckThrowingAgrees(const Reading<T>& reading, Throwing read, std::string_view text) {
  try {
    const T value = read(text);
    Require(reading.Ok() && *reading.value == value, "throwing reading gives the value", text);
  } catch (const avtosalon::Failure& failure) {
    Require(!reading.Ok() && reading.failure == failure.Kind(), "throwing reading fails alike",
            text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Reading<double> as_double = avtosalon::ReadDouble(text);
  const Reading<std::int32_t> as_long = avtosalon::ReadLong(text);
  const Reading<std::int16_t> as_integer = avtosalon::ReadInteger(text);
  const double leading = avtosalon::LeadingValue(text);

  CheckThrowingAgrees(as_double, avtosalon::TextToDouble, text);
  CheckThrowingAgrees(as_long, avtosalon::TextToLong, text);
  CheckThrowingAgrees(as_integer, avtosalon::TextToInteger, text);
  CheckWritingOf(leading, text);

  const bool well_formed = as_double.Ok() || as_double.failure != FailureKind::kTypeMismatch;
  Require(well_formed == (as_long.Ok() || as_long.failure != FailureKind::kTypeMismatch),
          "ReadLong accepts the same texts as ReadDouble", text);
  Require(well_formed == (as_integer.Ok() || as_integer.failure != FailureKind::kTypeMismatch),
          "ReadInteger accepts the same texts as ReadDouble", text);
  if (!well_formed) return 0;

  const std::optional<double> standard = StandardReading(text);
  if (standard) {
    Require(as_double.Ok() && SameBits(*as_double.value, *standard),
            "ReadDouble agrees with from_chars", text);
  } else {
    Require(!as_double.Ok() || *as_double.value == 0, "out of range is overflow or zero", text);
  }

  if (!as_double.Ok()) {
    Require(as_double.failure == FailureKind::kOverflow, "ReadDouble fails only by overflow", text);
    Require(!as_long.Ok() && as_long.failure == FailureKind::kOverflow,
            "beyond the double range is beyond the long range", text);
    return 0;
  }
  const double value = *as_double.value;
  Require(SameBits(leading, value), "LeadingValue reads a whole number alike", text);
  CheckWritingOf(value, text);

  if (as_long.Ok()) {
    const std::int32_t rounded = *as_long.value;
    if (rounded >= -32768 && rounded <= 32767) {
      Require(as_integer.Ok() && *as_integer.value == rounded, "ReadInteger agrees in range", text);
    } else {
      Require(!as_integer.Ok() && as_integer.failure == FailureKind::kOverflow,
              "ReadInteger overflows out of range", text);
    }
    Require(avtosalon::ReadLong(avtosalon::NumberToText(rounded)).value == rounded,
            "integer text reads back", text);
  } else {
    Require(as_long.failure == FailureKind::kOverflow && !as_integer.Ok() &&
                as_integer.failure == FailureKind::kOverflow,
            "a well-formed text fails an integer reading only by overflow", text);
  }

  // Up to 15 significant digits the nearest double keeps every tie and every
  // side of one, so rounding it agrees with rounding the text.
  if (SignificantDigits(text) <= 15) {
    std::optional<std::int32_t> via_double;
    try {
      via_double = avtosalon::RoundToLong(value);
    } catch (const avtosalon::Failure& failure) {
      Require(failure.Kind() == FailureKind::kOverflow, "RoundToLong fails by overflow", text);
    }
    Require(via_double == as_long.value, "ReadLong agrees with rounding the double", text);
  }
  return 0;
}
