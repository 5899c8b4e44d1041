// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include "game/numeric_text.h"

namespace avtosalon {

// Failure messages name the kind rather than dumping its bytes.
[[maybe_unused]] static void PrintTo(FailureKind kind, std::ostream* out) {
  *out << FailureKindName(kind);
}

namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The value a step gives, or the failure it raises.
template <typename T>
using Result = std::variant<T, FailureKind>;

template <typename T>
Result<T> Outcome(const std::function<T()>& step) {
  try {
    return step();
  } catch (const Failure& failure) {
    return failure.Kind();
  }
}

TEST(Failure, NamesEveryKind) {
  const struct {
    FailureKind kind;
    const char* name;
  } cases[] = {
      {FailureKind::kTypeMismatch, "TypeMismatch"},
      {FailureKind::kOverflow, "Overflow"},
      {FailureKind::kFloatingPointFault, "FloatingPointFault"},
      {FailureKind::kCallFailure, "CallFailure"},
  };
  for (const auto& [kind, name] : cases) {
    EXPECT_EQ(FailureKindName(kind), name);
    const Failure failure(kind);
    EXPECT_EQ(failure.Kind(), kind);
    EXPECT_STREQ(failure.what(), name);
  }
}

TEST(TextArithmetic, FailsOnlyThroughTheReadings) {
  const struct {
    std::function<double()> step;
    Result<double> expected;
  } cases[] = {
      {[] { return TextAdd("23000", 5); }, 23005.0},
      {[] { return TextAdd(" 1.5 ", -1); }, 0.5},
      {[] { return TextAdd("999899.5", 1); }, 999900.5},
      {[] { return TextAdd("1E+15", 0); }, 1e15},
      {[] { return TextAdd("1.7976931348623157e308", 2147483647); }, kMax},
      {[] { return TextAdd("", 1); }, FailureKind::kTypeMismatch},
      {[] { return TextAdd("1,5", 1); }, FailureKind::kTypeMismatch},
      {[] { return TextAdd("1e400", 1); }, FailureKind::kOverflow},
      {[] { return TextSubtract("1004200", "999899.5"); }, 4300.5},
      {[] { return TextSubtract("-0.25", " .5 "); }, -0.75},
      {[] { return TextSubtract("x", "1"); }, FailureKind::kTypeMismatch},
      {[] { return TextSubtract("1", "1x"); }, FailureKind::kTypeMismatch},
      {[] { return TextSubtract("1", "1e999"); }, FailureKind::kOverflow},
      {[] { return TextSubtract("-1e999", "abc"); }, FailureKind::kOverflow},
      {[] { return TextSubtract("-1.7976931348623157e308", "1.7976931348623157e308"); },
       -kInfinity},
  };
  for (const auto& [step, expected] : cases) {
    EXPECT_EQ(Outcome(step), expected);
  }
}

TEST(CheckedArithmetic, IntegerResultsOutsideTheirRangeOverflow) {
  const struct {
    std::function<std::int64_t()> step;
    Result<std::int64_t> expected;
  } cases[] = {
      {[] { return CheckedSum16(32767, 0); }, 32767},
      {[] { return CheckedSum16(32766, 1); }, 32767},
      {[] { return CheckedSum16(32767, 1); }, FailureKind::kOverflow},
      {[] { return CheckedSum16(-32768, 32767); }, -1},
      {[] { return CheckedSum16(-32768, -1); }, FailureKind::kOverflow},
      {[] { return CheckedSum16(-32768, -32768); }, FailureKind::kOverflow},
      {[] { return CheckedProduct32(46340, 46340); }, 2147395600},
      {[] { return CheckedProduct32(46341, 46341); }, FailureKind::kOverflow},
      {[] { return CheckedProduct32(-2147483647 - 1, 1); }, -2147483648},
      {[] { return CheckedProduct32(-2147483647 - 1, -1); }, FailureKind::kOverflow},
      {[] { return CheckedProduct32(65536, 32768); }, FailureKind::kOverflow},
      {[] { return CheckedProduct32(-65536, 32768); }, -2147483648},
      {[] { return CheckedProduct32(2147483647, -1); }, -2147483647},
      {[] { return CheckedProduct32(2147483647, 0); }, 0},
      {[] { return CheckedProduct32(-2147483647 - 1, -2147483647 - 1); }, FailureKind::kOverflow},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(Outcome(cases[i].step), cases[i].expected) << "case " << i;
  }
}

TEST(CheckedArithmetic, NonFiniteDoubleResultsAreFaults) {
  constexpr auto kFault = FailureKind::kFloatingPointFault;
  const struct {
    std::function<double()> step;
    Result<double> expected;
  } cases[] = {
      {[] { return CheckedAdd(1, 2); }, 3.0},
      {[] { return CheckedAdd(kMax, -kMax); }, 0.0},
      {[] { return CheckedAdd(kMax, kMax); }, kFault},
      {[] { return CheckedAdd(kInfinity, -kInfinity); }, kFault},
      {[] { return CheckedAdd(kNaN, 1); }, kFault},
      {[] { return CheckedSubtract(1004200, 999899.5); }, 4300.5},
      {[] { return CheckedSubtract(-kMax, kMax); }, kFault},
      {[] { return CheckedSubtract(kInfinity, kInfinity); }, kFault},
      {[] { return CheckedDivide(1, 4); }, 0.25},
      {[] { return CheckedDivide(0, -5); }, -0.0},
      {[] { return CheckedDivide(5e-324, 2); }, 0.0},
      {[] { return CheckedDivide(1, 0); }, kFault},
      {[] { return CheckedDivide(-1, 0); }, kFault},
      {[] { return CheckedDivide(0, 0); }, kFault},
      {[] { return CheckedDivide(kMax, 0.5); }, kFault},
      {[] { return CheckedDivide(kInfinity, kInfinity); }, kFault},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(Outcome(cases[i].step), cases[i].expected) << "case " << i;
  }
}

}  // namespace
}  // namespace avtosalon
