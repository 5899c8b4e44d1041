// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Where the random player's choices come from: a seeded generator for long runs, or the
// bytes of a fuzzer's input.
namespace avtosalon::random_play {

class Chooser {
 public:
  virtual ~Chooser() = default;
  // A number in [0, n); n is at least 1.
  virtual std::uint32_t Below(std::uint32_t n) = 0;
  // Whether the choices have run out; they then all come out 0.
  virtual bool Exhausted() const { return false; }

  bool Percent(std::uint32_t percent) { return Below(100) < percent; }
  // A number in [low, high].
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    const auto span = static_cast<std::uint64_t>(high - low);
    if (span < 0xFFFFFFFFull) return low + Below(static_cast<std::uint32_t>(span + 1));
    const std::uint64_t wide = (std::uint64_t{Below(0xFFFFFFFFu)} << 32) | Below(0xFFFFFFFFu);
    return low + static_cast<std::int64_t>(wide % (span + 1));
  }
};

// SplitMix64: the same stream for a seed on every platform and standard library.
class SeededChooser final : public Chooser {
 public:
  explicit SeededChooser(std::uint64_t seed) : state_(seed) {}
  std::uint32_t Below(std::uint32_t n) override {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<std::uint32_t>((z >> 32) * n >> 32);
  }

 private:
  std::uint64_t state_;
};

// Reads each choice from as few bytes as its range needs, so that a fuzzer's mutation of
// one byte changes one choice.
class ByteChooser final : public Chooser {
 public:
  explicit ByteChooser(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint32_t Below(std::uint32_t n) override {
    std::uint32_t value = 0;
    for (std::uint64_t reach = 1; reach < n; reach <<= 8) {
      if (at_ >= bytes_.size()) {
        exhausted_ = true;
        return 0;
      }
      value = (value << 8) | bytes_[at_++];
    }
    return value % n;
  }
  bool Exhausted() const override { return exhausted_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
  bool exhausted_ = false;
};

}  // namespace avtosalon::random_play
