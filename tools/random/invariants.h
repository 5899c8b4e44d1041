// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "game/catalogue.h"
#include "shell/runtime.h"
#include "tools/random/places.h"

namespace avtosalon::random_play {

// What broke, in words, and the scenario checks that fail where it broke.
struct Breach {
  std::string invariant;  // "money", "one-window", ...: failures are the same when these are
  std::string detail;
  std::vector<std::string> expectations;  // scenario lines
};

// How a game ended, as the player saw it.
enum class Ending { kRunning, kExit, kClose, kWin, kOther };

// The player's own record of what its trades and deposits moved, kept apart from what the
// game shows. Amounts that are whole or half dollars below 1E14 stay exact in a double and
// in the game's 15-digit fields; after any other amount each move may differ by the
// rounding of one 15-digit field, and the record keeps that slack.
class Ledger {
 public:
  static constexpr double kStartingCash = 1000000;

  Ledger() { fleet_.fill(0.0); }

  void Pay(double amount) { Move(-amount); }
  void Receive(double amount) { Move(amount); }
  // Units a purchase added; unknown when they could not be told from the total.
  void Bought(int model, std::optional<double> units);
  void Sold(int model);

  double Cash() const { return cash_; }
  bool Exact() const { return exact_; }
  double Slack() const { return slack_; }
  std::optional<double> Fleet(int model) const;

 private:
  void Move(double amount);

  double cash_ = kStartingCash;
  bool exact_ = true;
  double slack_ = 0;
  std::array<std::optional<double>, kModelCount> fleet_;
};

// Every check that holds between two steps, in the order they are tried.
std::optional<Breach> CheckState(const Runtime& game, const Places& places, const Ledger& ledger,
                                 Ending ending);

}  // namespace avtosalon::random_play
