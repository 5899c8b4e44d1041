// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "game/exact_decimal.h"
#include "game/numeric_text.h"

// Text to number: one scanner serves every reading.
namespace avtosalon {
namespace {

constexpr int kKeptDigits = 19;  // the most decimal digits a uint64 always holds

constexpr auto kPow10 = [] {
  std::array<std::uint64_t, kKeptDigits + 1> powers{};
  powers[0] = 1;
  for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
  return powers;
}();

constexpr double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Beyond this an exponent's further digits cannot change any outcome, and the
// sum with a digit count stays far from the int64 range.
constexpr std::int64_t kExponentCap = 100'000'000'000'000;

bool IsDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

// A number as far as the text fits the pattern. Its value is
// (mantissa + s) * 10^exponent10 with s = 0, or 0 < s < 1 when sticky.
struct ScannedNumber {
  const char* number_begin = nullptr;  // just after the sign
  const char* number_end = nullptr;    // also where the scan stopped
  bool negative = false;
  bool any_digit = false;
  bool sticky = false;
  int kept = 0;  // significant digits in mantissa
  std::uint64_t mantissa = 0;
  std::int64_t exponent10 = 0;
  std::int64_t written_exponent = 0;  // the value after "E"
};

// Works on locals and stores the result once: writing the fields piecemeal and
// then copying the struct would stall on store forwarding.
void Scan(const char* p, const char* end, ScannedNumber& out) noexcept {
  while (p != end && *p == ' ') ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  const char* number_begin = p;
  std::uint64_t mantissa = 0;
  int kept = 0;
  bool sticky = false;
  std::int64_t exponent10 = 0;
  std::int64_t written_exponent = 0;
  for (; p != end && IsDigit(*p); ++p) {
    const auto d = static_cast<unsigned>(*p - '0');
    if (kept < kKeptDigits) {
      mantissa = mantissa * 10 + d;
      kept += mantissa != 0;
    } else {
      sticky |= d != 0;
      ++exponent10;
    }
  }
  bool any_digit = p != number_begin;
  if (p != end && *p == '.') {
    ++p;
    const char* fraction_begin = p;
    for (; p != end && IsDigit(*p); ++p) {
      const auto d = static_cast<unsigned>(*p - '0');
      if (kept < kKeptDigits) {
        mantissa = mantissa * 10 + d;
        kept += mantissa != 0;
        --exponent10;
      } else {
        sticky |= d != 0;
      }
    }
    any_digit |= p != fraction_begin;
  }
  if (any_digit && p != end && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    bool exponent_negative = false;
    if (q != end && (*q == '+' || *q == '-')) {
      exponent_negative = *q == '-';
      ++q;
    }
    if (q != end && IsDigit(*q)) {
      std::int64_t exponent = 0;
      for (; q != end && IsDigit(*q); ++q) {
        if (exponent < kExponentCap) exponent = exponent * 10 + (*q - '0');
      }
      written_exponent = exponent_negative ? -exponent : exponent;
      exponent10 += written_exponent;
      p = q;
    }
  }
  out = ScannedNumber{number_begin, p,        negative,   any_digit,       sticky,
                      kept,         mantissa, exponent10, written_exponent};
}

// The whole text must be one number with nothing but blanks around it.
bool ScanWhole(std::string_view text, ScannedNumber& out) noexcept {
  const char* end = text.data() + text.size();
  Scan(text.data(), end, out);
  if (!out.any_digit) return false;
  const char* p = out.number_end;
  while (p != end && *p == ' ') ++p;
  return p == end;
}

// The scanned magnitude to the last digit, read again from the text.
double ExactMagnitude(const ScannedNumber& s) {
  std::array<char, kMaxSignificantDigits + 1> digits;
  std::size_t count = 0;
  std::int64_t exponent = s.written_exponent;
  bool in_fraction = false;
  bool cut_nonzero = false;
  for (const char* p = s.number_begin; p != s.number_end && *p != 'e' && *p != 'E'; ++p) {
    if (*p == '.') {
      in_fraction = true;
      continue;
    }
    exponent -= in_fraction;
    if (count == 0 && *p == '0') continue;
    if (count < kMaxSignificantDigits) {
      digits[count++] = *p;
    } else {
      cut_nonzero |= *p != '0';
      ++exponent;
    }
  }
  if (cut_nonzero) {
    digits[count++] = '1';
    --exponent;
  }
  return DecimalToDouble(std::string_view(digits.data(), count), exponent);
}

// The nearest double to the scanned number; false when its magnitude is beyond
// the double range.
bool NearestDouble(const ScannedNumber& s, double& value) noexcept {
  double magnitude = 0;
  if (s.mantissa == 0) {
    magnitude = 0;
  } else if (FLT_EVAL_METHOD == 0 && !s.sticky && s.mantissa <= (1ull << 53) &&
             s.exponent10 >= -22 && s.exponent10 <= 22) {
    // Both operands are exact, so one IEEE operation rounds correctly.
    magnitude = static_cast<double>(s.mantissa);
    if (s.exponent10 < 0) {
      magnitude /= kExactPow10[-s.exponent10];
    } else {
      magnitude *= kExactPow10[s.exponent10];
    }
  } else {
    magnitude = ExactMagnitude(s);
    if (std::isinf(magnitude)) return false;
  }
  value = s.negative ? -magnitude : magnitude;
  return true;
}

// The scanned number rounded half to even, if T holds it.
template <typename T>
Reading<T> RoundedInteger(const ScannedNumber& s) noexcept {
  constexpr auto kPositiveLimit = static_cast<std::uint64_t>(std::numeric_limits<T>::max());
  constexpr std::uint64_t kNegativeLimit = kPositiveLimit + 1;
  const std::uint64_t limit = s.negative ? kNegativeLimit : kPositiveLimit;
  const Reading<T> overflow{std::nullopt, FailureKind::kOverflow};
  std::uint64_t rounded = 0;
  if (s.mantissa == 0) {
    rounded = 0;
  } else if (s.exponent10 >= 0) {
    // At least 10^10, beyond every limit; below that the product fits.
    if (s.kept + s.exponent10 > 10) return overflow;
    rounded = s.mantissa * kPow10[s.exponent10];
  } else if (s.exponent10 >= -kKeptDigits) {
    // A whole mantissa below the point is under 0.1, which the last branch covers.
    const std::uint64_t scale = kPow10[-s.exponent10];
    rounded = s.mantissa / scale;
    const std::uint64_t remainder = s.mantissa % scale;
    const std::uint64_t half = scale / 2;
    if (remainder > half || (remainder == half && (s.sticky || (rounded & 1) != 0))) ++rounded;
  }
  if (rounded > limit) return overflow;
  const auto value = static_cast<std::int64_t>(rounded);
  return Reading<T>{static_cast<T>(s.negative ? -value : value)};
}

template <typename T>
Reading<T> ReadRounded(std::string_view text) noexcept {
  ScannedNumber scanned;
  if (!ScanWhole(text, scanned)) return Reading<T>{};
  return RoundedInteger<T>(scanned);
}

// The most a formatted double needs: sign, "0.000" and 15 digits, or a mantissa
// and "E+308".
}  // namespace

Reading<double> ReadDouble(std::string_view text) noexcept {
  ScannedNumber scanned;
  if (!ScanWhole(text, scanned)) return Reading<double>{};
  double value;
  if (!NearestDouble(scanned, value)) return Reading<double>{std::nullopt, FailureKind::kOverflow};
  return Reading<double>{value};
}

Reading<std::int32_t> ReadLong(std::string_view text) noexcept {
  return ReadRounded<std::int32_t>(text);
}

Reading<std::int16_t> ReadInteger(std::string_view text) noexcept {
  return ReadRounded<std::int16_t>(text);
}

std::int16_t TextToInteger(std::string_view text) { return ReadInteger(text).OrThrow(); }
std::int32_t TextToLong(std::string_view text) { return ReadLong(text).OrThrow(); }
double TextToDouble(std::string_view text) { return ReadDouble(text).OrThrow(); }

// A magnitude beyond the double range gives +-infinity (HUGE_VAL). Only texts
// the game wrote itself are read this way, and it never writes such a number.
double LeadingValue(std::string_view text) noexcept {
  ScannedNumber scanned;
  Scan(text.data(), text.data() + text.size(), scanned);
  if (!scanned.any_digit) return 0;
  double value;
  if (NearestDouble(scanned, value)) return value;
  return scanned.negative ? -HUGE_VAL : HUGE_VAL;
}

double TextAdd(std::string_view text, std::int32_t n) { return TextToDouble(text) + n; }

double TextSubtract(std::string_view a, std::string_view b) {
  return TextToDouble(a) - TextToDouble(b);
}

}  // namespace avtosalon
