// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/big_integer.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace avtosalon {

BigInteger::BigInteger(std::uint64_t value) {
  for (; value != 0; value >>= 32) limbs_.push_back(static_cast<std::uint32_t>(value));
}

int BigInteger::BitLength() const {
  if (limbs_.empty()) return 0;
  return static_cast<int>(limbs_.size() - 1) * 32 + std::bit_width(limbs_.back());
}

void BigInteger::MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::uint32_t& limb : limbs_) {
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  Trim();
}

void BigInteger::MultiplyByPowerOf5(int exponent) {
  constexpr int kStep = 13;  // 5^13 is the largest power of 5 below 2^32
  constexpr std::uint32_t kPowers[kStep + 1] = {1,       5,        25,        125,       625,
                                                3125,    15625,    78125,     390625,    1953125,
                                                9765625, 48828125, 244140625, 1220703125};
  for (; exponent >= kStep; exponent -= kStep) MultiplyAdd(kPowers[kStep], 0);
  if (exponent > 0) MultiplyAdd(kPowers[exponent], 0);
}

void BigInteger::ShiftLeft(int bits) {
  if (limbs_.empty() || bits == 0) return;
  const auto whole = static_cast<std::size_t>(bits / 32);
  const int part = bits % 32;
  if (part != 0) {
    std::uint32_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint32_t next = limb >> (32 - part);
      limb = (limb << part) | carry;
      carry = next;
    }
    if (carry != 0) limbs_.push_back(carry);
  }
  limbs_.insert(limbs_.begin(), whole, 0);
}

void BigInteger::ShiftRightOne() {
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    const std::uint32_t high = i + 1 < limbs_.size() ? limbs_[i + 1] << 31 : 0;
    limbs_[i] = (limbs_[i] >> 1) | high;
  }
  Trim();
}

void BigInteger::Subtract(const BigInteger& other) {
  std::int64_t borrow = 0;
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    std::int64_t difference = std::int64_t{limbs_[i]} - borrow;
    if (i < other.limbs_.size()) difference -= other.limbs_[i];
    borrow = difference < 0;
    limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
  }
  Trim();
}

std::uint32_t BigInteger::DivideSmall(std::uint32_t divisor) {
  std::uint64_t remainder = 0;
  for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb) {
    const std::uint64_t current = (remainder << 32) | *limb;
    *limb = static_cast<std::uint32_t>(current / divisor);
    remainder = current % divisor;
  }
  Trim();
  return static_cast<std::uint32_t>(remainder);
}

std::string BigInteger::ToDecimal() const {
  constexpr std::uint32_t kChunk = 1'000'000'000;
  constexpr std::size_t kChunkDigits = 9;
  std::vector<std::uint32_t> chunks;  // least significant first
  BigInteger rest = *this;
  do {
    chunks.push_back(rest.DivideSmall(kChunk));
  } while (!rest.IsZero());
  std::string text = std::to_string(chunks.back());
  for (auto chunk = chunks.rbegin() + 1; chunk != chunks.rend(); ++chunk) {
    const std::string part = std::to_string(*chunk);
    text.append(kChunkDigits - part.size(), '0');
    text += part;
  }
  return text;
}

int Compare(const BigInteger& a, const BigInteger& b) {
  if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
  for (std::size_t i = a.limbs_.size(); i-- > 0;) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  }
  return 0;
}

void BigInteger::Trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

}  // namespace avtosalon
