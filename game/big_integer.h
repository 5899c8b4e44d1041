// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An unsigned integer of any size, with just what exact decimal and binary
// conversions need.
namespace avtosalon {

class BigInteger {
 public:
  explicit BigInteger(std::uint64_t value = 0);

  bool IsZero() const { return limbs_.empty(); }
  int BitLength() const;

  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend);
  void MultiplyByPowerOf5(int exponent);
  void ShiftLeft(int bits);
  void ShiftRightOne();
  // Requires *this >= other.
  void Subtract(const BigInteger& other);
  // Returns the remainder.
  std::uint32_t DivideSmall(std::uint32_t divisor);
  // The decimal digits, "0" for zero.
  std::string ToDecimal() const;

  friend int Compare(const BigInteger& a, const BigInteger& b);

 private:
  void Trim();

  std::vector<std::uint32_t> limbs_;  // least significant first, no zero limb on top
};

}  // namespace avtosalon
