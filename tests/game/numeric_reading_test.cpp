// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "game/numeric_text.h"

namespace avtosalon {

// Failure messages name the kind rather than dumping its bytes.
[[maybe_unused]] static void PrintTo(FailureKind kind, std::ostream* out) {
  *out << FailureKindName(kind);
}

namespace {

constexpr auto kTypeMismatch = FailureKind::kTypeMismatch;
constexpr auto kOverflow = FailureKind::kOverflow;

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c >= ' ' && c <= '~') {
      out += c;
    } else {
      constexpr char kHex[] = "0123456789ABCDEF";
      const auto byte = static_cast<unsigned char>(c);
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  if (out.size() > 80) out = out.substr(0, 60) + "...(" + std::to_string(text.size()) + " chars)";
  return out + "\"";
}

// Bitwise, so that -0 and 0 differ.
bool SameDouble(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

template <typename T>
struct Outcome {
  std::optional<T> value;
  FailureKind failure = kTypeMismatch;
};

template <typename T>
Outcome<T> Fails(FailureKind kind) {
  return Outcome<T>{std::nullopt, kind};
}

template <typename T>
struct Case {
  std::string text;
  Outcome<T> expected;
};

template <typename T>
void ExpectReading(const std::string& text, const Reading<T>& got, const Outcome<T>& want) {
  SCOPED_TRACE(Quoted(text));
  ASSERT_EQ(got.Ok(), want.value.has_value());
  if (want.value) {
    if constexpr (std::is_floating_point_v<T>) {
      EXPECT_TRUE(SameDouble(*got.value, *want.value)) << *got.value << " vs " << *want.value;
    } else {
      EXPECT_EQ(*got.value, *want.value);
    }
  } else {
    EXPECT_EQ(got.failure, want.failure);
  }
}

template <typename T, typename Throwing>
void ExpectThrowingAgrees(const std::string& text, const Reading<T>& reading, Throwing read) {
  SCOPED_TRACE(Quoted(text));
  if (reading.Ok()) {
    EXPECT_EQ(read(text), *reading.value);
    return;
  }
  try {
    read(text);
    ADD_FAILURE() << "no failure raised";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.Kind(), reading.failure);
  }
}

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

// The decimal digits of 5^n, i.e. of 2^-n scaled by 10^n.
std::string FivePowerDigits(int n) {
  std::vector<int> little_endian{1};
  for (int i = 0; i < n; ++i) {
    int carry = 0;
    for (int& digit : little_endian) {
      const int product = digit * 5 + carry;
      digit = product % 10;
      carry = product / 10;
    }
    if (carry != 0) little_endian.push_back(carry);
  }
  std::string digits;
  for (auto it = little_endian.rbegin(); it != little_endian.rend(); ++it) {
    digits += static_cast<char>('0' + *it);
  }
  return digits;
}

// 2^1024 - 2^970: halfway between the largest double and the first power of two
// beyond the range.
const std::string kDoubleMaxHalfway =
    "1797693134862315807937289714053034150799341327100378269361737789804449682927647509466490179775"
    "8720709633028641669288791094655554785194040263065748867150582068190890200070838367627385484581"
    "7711531764475730270069855571366959622842914819860834936475292719074168444365510704342711559699"
    "508093042880177904174497792";

// ---------------------------------------------------------------------------
// The accepted form, shared by every reading.

TEST(NumberGrammar, RejectsEverythingOutsideTheForm) {
  std::vector<std::string> texts = {
      "",         " ",     "    ",     "+",     "-",    ".",     "+.",    "-.",      " . ",
      "e",        "E",     "e5",       "E5",    ".e5",  "+e5",   "5e",    "5E",      "5e+",
      "5e-",      "5E+",   " 5e ",     "5e 3",  "5 e3", "5e+-3", "5ee3",  "1e5e5",   "1e5.5",
      "1e.5",     "5 .",   "1.2.3",    "1..2",  "..5",  "5..",   "+-5",   "-+5",     "--5",
      "++5",      "- 5",   "+ 5",      "5-",    "5+",   "5 5",   "1 000", "1,000",   "1,5",
      "(5)",      "$5",    "5$",       "5%",    "5!",   "5#",    "5&",    "1d5",     "1D5",
      "\t5",      "5\t",   "\n5",      "5\n",   "5\r",  "\v5",   "\f5",   "\u00A05", "5\u00A0",
      "\xD9\xA5", "&H10",  "&h1F",     "&O17",  "0x10", "0X1F",  "0x1p3", "0b101",   "inf",
      "-inf",     "+inf",  "Infinity", "INF",   "nan",  "NaN",   "-nan",  "nan(1)",  "a5",
      "5a",       "12abc", "abc",      "5_000", "'5'",  "\"5\"", "5/2",   "5*2",     "=5",
      "0.5.",     ".5.",   "1e+5+",    "1E--5"};
  texts.push_back(std::string("5\0", 2));
  texts.push_back(std::string(1, '\0'));
  for (const std::string& text : texts) {
    ExpectReading(text, ReadDouble(text), Fails<double>(kTypeMismatch));
    ExpectReading(text, ReadLong(text), Fails<std::int32_t>(kTypeMismatch));
    ExpectReading(text, ReadInteger(text), Fails<std::int16_t>(kTypeMismatch));
    ExpectThrowingAgrees(text, ReadDouble(text), TextToDouble);
    ExpectThrowingAgrees(text, ReadLong(text), TextToLong);
    ExpectThrowingAgrees(text, ReadInteger(text), TextToInteger);
  }
}

TEST(NumberGrammar, AcceptsEveryPartOfTheForm) {
  const std::vector<Case<double>> cases = {
      {"5", {5}},
      {"5.", {5}},
      {".5", {0.5}},
      {"12.75", {12.75}},
      {"1E+15", {1e15}},
      {"2.5e3", {2500}},
      {"1e-3", {0.001}},
      {"1E3", {1000}},
      {"1e+0", {1}},
      {"1e-0", {1}},
      {"1e0003", {1000}},
      {"5.e3", {5000}},
      {".5E1", {5}},
      {"+7", {7}},
      {"-7", {-7}},
      {"-.5", {-0.5}},
      {"+5.", {5}},
      {"   42", {42}},
      {"42   ", {42}},
      {"  -4.5e1  ", {-45}},
      {"0", {0}},
      {"-0", {-0.0}},
      {"+0.0e0", {0}},
      {"00012", {12}},
      {"000.000", {0}},
      {"0.1", {0.1}},
      {"23000", {23000}},
      {"1004200", {1004200}},
      {"999899.5", {999899.5}},
  };
  for (const auto& [text, expected] : cases) {
    const Reading<double> reading = ReadDouble(text);
    ExpectReading(text, reading, expected);
    ExpectThrowingAgrees(text, reading, TextToDouble);
    // The integer readings accept exactly the same texts.
    const Reading<std::int32_t> as_long = ReadLong(text);
    const Reading<std::int16_t> as_integer = ReadInteger(text);
    EXPECT_TRUE(as_long.Ok() || as_long.failure != kTypeMismatch) << Quoted(text);
    EXPECT_TRUE(as_integer.Ok() || as_integer.failure != kTypeMismatch) << Quoted(text);
  }
}

// ---------------------------------------------------------------------------

TEST(ReadDouble, RoundsToTheNearestDoubleAtTheEdgesOfTheRange) {
  const double max = std::numeric_limits<double>::max();
  const double min_normal = std::numeric_limits<double>::min();
  const double min_denormal = std::numeric_limits<double>::denorm_min();
  const std::vector<Case<double>> cases = {
      {"1.7976931348623157e308", {max}},
      {"1.7976931348623158e308", {max}},
      {"-1.7976931348623158e308", {-max}},
      {"1.7976931348623159e308", Fails<double>(kOverflow)},
      {"1e309", Fails<double>(kOverflow)},
      {"-1e309", Fails<double>(kOverflow)},
      {"1e999999999999", Fails<double>(kOverflow)},
      {"1e999999999999999999999999", Fails<double>(kOverflow)},
      {"-0.001e999999999999", Fails<double>(kOverflow)},
      {"1" + Repeat('0', 400), Fails<double>(kOverflow)},
      {"0." + Repeat('0', 400) + "1e800", Fails<double>(kOverflow)},
      // Exactly halfway to 2^1024 rounds to even, which is beyond the range.
      {kDoubleMaxHalfway, Fails<double>(kOverflow)},
      {kDoubleMaxHalfway.substr(0, kDoubleMaxHalfway.size() - 1) + "1", {max}},
      {kDoubleMaxHalfway.substr(0, kDoubleMaxHalfway.size() - 1) + "1." + Repeat('9', 2000), {max}},
      {"2.2250738585072014e-308", {min_normal}},
      {"1e-310", {1e-310}},
      {"-1e-310", {-1e-310}},
      {"4.9406564584124654e-324", {min_denormal}},
      {"3e-324", {min_denormal}},
      {"2.4703282292062328e-324", {min_denormal}},
      {"2.4703282292062327e-324", {0.0}},
      {"-2.4703282292062327e-324", {-0.0}},
      {"1e-400", {0.0}},
      {"-1e-400", {-0.0}},
      {"1e-999999999999", {0.0}},
      {"1e-999999999999999999999999", {0.0}},
      {"0e999999999", {0.0}},
      {"0e999999999999999999999999", {0.0}},
      {"-0e-999999999", {-0.0}},
      {"0." + Repeat('0', 400) + "1", {0.0}},
      // A mantissa past 2^53 must not be rounded before it is scaled.
      {"1801439850948198.3", {1801439850948198.25}},
      {"18014398509481983e-1", {1801439850948198.25}},
  };
  for (const auto& [text, expected] : cases) {
    const Reading<double> reading = ReadDouble(text);
    ExpectReading(text, reading, expected);
    ExpectThrowingAgrees(text, reading, TextToDouble);
  }
}

TEST(ReadDouble, ReadsThousandsOfDigitsExactly) {
  // 2^53 + 1 lies halfway between two doubles: any digit beyond decides.
  const std::string halfway = "9007199254740993";
  // 2^-1075 lies halfway between zero and the smallest denormal.
  const std::string tiny = FivePowerDigits(1075);
  std::string tiny_less = tiny;
  tiny_less.back() = '4';
  const std::vector<Case<double>> cases = {
      {halfway, {9007199254740992.0}},
      {halfway + "." + Repeat('0', 3000), {9007199254740992.0}},
      {halfway + "." + Repeat('0', 3000) + "1", {9007199254740994.0}},
      {"-" + halfway + Repeat('0', 3000) + "1e-3001", {-9007199254740994.0}},
      {"9007199254740992." + Repeat('9', 4000), {9007199254740992.0}},
      {Repeat('0', 5000) + "1", {1}},
      {"0." + Repeat('0', 3000) + "1e3001", {1}},
      {"1" + Repeat('0', 3000) + "e-3000", {1}},
      {"  1" + Repeat('0', 3000) + ".e-3000  ", {1}},
      {"0." + Repeat('0', 1075 - tiny.size()) + tiny, {0.0}},
      {"0." + Repeat('0', 1075 - tiny.size()) + tiny + "0000000000001", {4.9406564584124654e-324}},
      {"-0." + Repeat('0', 1075 - tiny.size()) + tiny + "0000000000001",
       {-4.9406564584124654e-324}},
      {tiny + "e-1075", {0.0}},
      {tiny + Repeat('0', 3000) + "1e-4076", {4.9406564584124654e-324}},
      {tiny_less + Repeat('9', 3000) + "e-4075", {0.0}},
      {"1." + Repeat('0', 6000), {1}},
      {Repeat('1', 300) + "e-299", {1.1111111111111112}},
  };
  for (const auto& [text, expected] : cases) {
    ExpectReading(text, ReadDouble(text), expected);
  }
}

TEST(ReadDouble, AgreesWithTheCLibraryOnRandomTexts) {
  std::mt19937_64 random(4711);
  std::uniform_int_distribution<int> length(1, 22);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> small_exponent(-30, 30);
  std::uniform_int_distribution<int> large_exponent(-280, 280);
  for (int i = 0; i < 20000; ++i) {
    std::string digits;
    const int n = length(random);
    for (int k = 0; k < n; ++k) digits += static_cast<char>('0' + digit(random));
    std::string text = i % 4 == 0 ? "-" : "";
    const int point = static_cast<int>(random() % (digits.size() + 2));
    if (point <= n) {
      text += digits.substr(0, point) + "." + digits.substr(point);
    } else {
      text += digits;
    }
    if (i % 3 != 0) {
      text += (i % 2 == 0 ? "e" : "E") +
              std::to_string(i % 3 == 1 ? small_exponent(random) : large_exponent(random));
    }
    // The C library's reading is exact too, in glibc and in musl.
    const double expected = std::strtod(text.c_str(), nullptr);
    ExpectReading(text, ReadDouble(text), Outcome<double>{expected});
    ExpectReading(text, ReadDouble("  +" + text.substr(text[0] == '-') + " "),
                  Outcome<double>{text[0] == '-' ? -expected : expected});
  }
}

// ---------------------------------------------------------------------------

TEST(ReadLong, RoundsTheDecimalTextHalfToEven) {
  const std::int32_t max = std::numeric_limits<std::int32_t>::max();
  const std::int32_t min = std::numeric_limits<std::int32_t>::min();
  const auto overflow = Fails<std::int32_t>(kOverflow);
  const std::vector<Case<std::int32_t>> cases = {
      {"0.5", {0}},
      {"1.5", {2}},
      {"2.5", {2}},
      {"3.5", {4}},
      {"-0.5", {0}},
      {"-1.5", {-2}},
      {"-2.5", {-2}},
      {"-3.5", {-4}},
      {"0.4", {0}},
      {"0.6", {1}},
      {".5", {0}},
      {"5.", {5}},
      {"  +3.5  ", {4}},
      {"-0", {0}},
      {"-0.4", {0}},
      {"123e-2", {1}},
      {"5e-1", {0}},
      {"15e-1", {2}},
      {"25E-1", {2}},
      {"1e9", {1000000000}},
      {"0.5000000000000000000001", {1}},
      {"2.4999999999999999999", {2}},
      {"2.5000000000000000000000000000000", {2}},
      {"2.50000000000000000000000000000001", {3}},
      {"0000000000000000000000000000002.5", {2}},
      {"0." + Repeat('0', 100) + "5e100", {0}},
      {"0." + Repeat('0', 100) + "15e101", {2}},
      {"0." + Repeat('0', 100) + "25e101", {2}},
      {"1" + Repeat('0', 30) + "e-30", {1}},
      {"35" + Repeat('0', 30) + "e-31", {4}},
      {"2147483647", {max}},
      {"2147483647.4999", {max}},
      {"2147483647." + Repeat('0', 40) + "1", {max}},
      {"2147483646.5", {2147483646}},
      {"2147483646.5" + Repeat('0', 40) + "1", {max}},
      {"21474836465e-1", {2147483646}},
      {"2.1474836465E+9", {2147483646}},
      {"2147483647.5", overflow},
      {"21474836475e-1", overflow},
      {"0.21474836475e10", overflow},
      {"2147483648", overflow},
      {"-2147483648", {min}},
      {"-2147483648.5", {min}},
      {"-2147483648.5000001", overflow},
      {"-2147483649", overflow},
      {"4294967296", overflow},
      {"18446744073709551616", overflow},
      {"18446744073709551615e-10", {1844674407}},
      {"9999999999999999999e-10", {1000000000}},
      {"99999999999999999999e-10", overflow},
      {"9999999999999999999999", overflow},
      {"1e10", overflow},
      {"1E+15", overflow},
      {"1e-400", {0}},
      {"1e999999999999", overflow},
      {"-1e999999999999", overflow},
      {"1e99999999999999999999999999", overflow},
      {"0e999999999", {0}},
      {"0e99999999999999999999999999", {0}},
      {"1e-999999999999", {0}},
      {"1e-99999999999999999999999999", {0}},
      {Repeat('0', 5000) + "7", {7}},
      {"7." + Repeat('0', 5000), {7}},
      {"0." + Repeat('9', 5000), {1}},
      {"1" + Repeat('0', 5000) + "e-5000", {1}},
  };
  for (const auto& [text, expected] : cases) {
    const Reading<std::int32_t> reading = ReadLong(text);
    ExpectReading(text, reading, expected);
    ExpectThrowingAgrees(text, reading, TextToLong);
  }
}

TEST(ReadInteger, RoundsTheDecimalTextHalfToEven) {
  const auto overflow = Fails<std::int16_t>(kOverflow);
  const std::vector<Case<std::int16_t>> cases = {
      {"1.5", {2}},
      {"2.5", {2}},
      {"-0.5", {0}},
      {"-2.5", {-2}},
      {"32767", {32767}},
      {"32767.4999999999999999999", {32767}},
      {"32767.5", overflow},
      {"32766.5", {32766}},
      {"3.2767E4", {32767}},
      {"32768", overflow},
      {"-32768", {-32768}},
      {"-32768.5", {-32768}},
      {"-32768.50001", overflow},
      {"-32769", overflow},
      {"65536", overflow},
      {"65535", overflow},
      {"1e5", overflow},
      {"2147483647", overflow},
      {"1e-400", {0}},
      {"1e999999999999", overflow},
      {"30000", {30000}},
  };
  for (const auto& [text, expected] : cases) {
    const Reading<std::int16_t> reading = ReadInteger(text);
    ExpectReading(text, reading, expected);
    ExpectThrowingAgrees(text, reading, TextToInteger);
  }
}

// Whether 0.<digits> is below, at or above one half, decided on the text.
int CompareFractionWithHalf(const std::string& digits) {
  if (digits.empty() || digits[0] < '5') return -1;
  if (digits[0] > '5') return 1;
  return digits.find_first_not_of('0', 1) == std::string::npos ? 0 : 1;
}

// The same value written in the ways a text may spell it.
std::vector<std::string> Spellings(bool negative, const std::string& whole,
                                   const std::string& fraction) {
  const std::string sign = negative ? "-" : "";
  const std::string digits = whole + fraction;
  const std::string shift = std::to_string(fraction.size());
  std::vector<std::string> texts = {
      sign + whole + (fraction.empty() ? "" : "." + fraction),
      sign + digits + "e-" + shift,
      sign + "0." + digits + "E+" + std::to_string(whole.size()),
      sign + "000" + whole + "." + fraction + "000",
      "  " + (negative ? sign : "+") + whole + "." + fraction + "  ",
      sign + digits + Repeat('0', 25) + "e-" + std::to_string(fraction.size() + 25),
  };
  return texts;
}

// Ties to even on the exact text, with integers only, for the magnitude
// whole + 0.fraction; nullopt when outside [-limit - 1, limit].
std::optional<std::int64_t> ExpectedRounding(bool negative, std::uint64_t whole,
                                             const std::string& fraction, std::int64_t limit) {
  const int against_half = CompareFractionWithHalf(fraction);
  std::uint64_t rounded = whole;
  if (against_half > 0 || (against_half == 0 && whole % 2 == 1)) ++rounded;
  const auto bound = static_cast<std::uint64_t>(negative ? limit + 1 : limit);
  if (rounded > bound) return std::nullopt;
  const auto value = static_cast<std::int64_t>(rounded);
  return negative ? -value : value;
}

template <typename T>
void CheckRoundingOf(bool negative, std::uint64_t whole, const std::string& fraction,
                     Reading<T> (*read)(std::string_view)) {
  const std::optional<std::int64_t> expected =
      ExpectedRounding(negative, whole, fraction, std::numeric_limits<T>::max());
  for (const std::string& text : Spellings(negative, std::to_string(whole), fraction)) {
    const Reading<T> reading = read(text);
    ASSERT_EQ(reading.Ok(), expected.has_value()) << Quoted(text);
    if (expected) {
      ASSERT_EQ(*reading.value, *expected) << Quoted(text);
    } else {
      ASSERT_EQ(reading.failure, kOverflow) << Quoted(text);
    }
  }
}

const std::vector<std::string> kFractions = {
    "",   "0",  "5",  "50000", "4999999999999999999999",      "5000000000000000000001",
    "25", "75", "49", "51",    "000000000000000000000000001", "9999999999999999999999999"};

TEST(ReadLong, AgreesWithExactRoundingAroundEveryLimit) {
  for (const std::uint64_t centre : {0ull, 32768ull, 2147483648ull}) {
    for (std::uint64_t whole = centre > 40 ? centre - 40 : 0; whole <= centre + 40; ++whole) {
      for (const std::string& fraction : kFractions) {
        for (const bool negative : {false, true}) {
          CheckRoundingOf(negative, whole, fraction, ReadLong);
          CheckRoundingOf(negative, whole, fraction, ReadInteger);
        }
      }
    }
  }
}

TEST(ReadLong, AgreesWithExactRoundingForRandomTexts) {
  std::mt19937_64 random(20240611);
  std::uniform_int_distribution<std::uint64_t> long_whole(0, 3'000'000'000ull);
  std::uniform_int_distribution<std::uint64_t> short_whole(0, 40'000);
  std::uniform_int_distribution<int> length(0, 24);
  std::uniform_int_distribution<int> digit(0, 9);
  for (int i = 0; i < 4000; ++i) {
    std::string fraction;
    const int n = length(random);
    // Halves and near-halves are what rounding gets wrong; make them common.
    if (i % 3 == 0) fraction = "5";
    if (i % 3 == 1) fraction = "4";
    while (static_cast<int>(fraction.size()) < n) {
      fraction += static_cast<char>('0' + (i % 5 == 0 ? (i % 2 == 0 ? 0 : 9) : digit(random)));
    }
    const bool negative = i % 2 == 1;
    CheckRoundingOf(negative, long_whole(random), fraction, ReadLong);
    CheckRoundingOf(negative, short_whole(random), fraction, ReadInteger);
  }
}

// ---------------------------------------------------------------------------

TEST(LeadingValue, ReadsAsMuchAsFitsTheForm) {
  const double infinity = std::numeric_limits<double>::infinity();
  const std::vector<Case<double>> cases = {
      {"", {0}},
      {"23000", {23000}},
      {"12abc", {12}},
      {"abc", {0}},
      {" -5", {-5}},
      {"1,5", {1}},
      {"1e", {1}},
      {"1e+", {1}},
      {"1E-x", {1}},
      {"-", {0}},
      {"+", {0}},
      {".", {0}},
      {"-.", {0}},
      {".5x", {0.5}},
      {"+.5", {0.5}},
      {"5.", {5}},
      {"- 5", {0}},
      {"\t5", {0}},
      {"   ", {0}},
      {"1 000", {1}},
      {"1.2.3", {1.2}},
      {"1e5x", {1e5}},
      {"5e+3e", {5000}},
      {"  12.5e-1zz", {1.25}},
      {"1.5E+3 ", {1500}},
      {"999899.5", {999899.5}},
      {"1E+15", {1e15}},
      {"e5", {0}},
      {"1e999", {infinity}},
      {"-1e999", {-infinity}},
      {"1e-999", {0}},
      {"9007199254740993." + Repeat('0', 3000) + "1xyz", {9007199254740994.0}},
      {std::string{'7', '\0', '8'}, {7}},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(Quoted(text));
    EXPECT_TRUE(SameDouble(LeadingValue(text), *expected.value))
        << LeadingValue(text) << " vs " << *expected.value;
  }
}

}  // namespace
}  // namespace avtosalon
