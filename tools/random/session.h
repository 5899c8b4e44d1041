// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "tools/random/invariants.h"
#include "tools/random/places.h"
#include "tools/scenario/headless_driver.h"
#include "tools/scenario/script.h"

namespace avtosalon::random_play {

using Steps = std::vector<scenario::Action>;

// What happened over one or more games.
struct Tally {
  long long steps = 0;
  long long ignored = 0;  // steps a player could not take at that moment
  long long games = 0;
  long long by_exit = 0;
  long long by_close = 0;
  long long by_win = 0;
  long long purchases = 0;
  long long sales = 0;
  long long deposits = 0;
  long long ticks = 0;
  long long failures = 0;
  long long cut_off = 0;        // games still running when the seed's steps ran out
  long long inexact_games = 0;  // games whose cash left whole and half dollars
  double top_cash = 0;

  Tally& operator+=(const Tally& other);
};

// A check a test adds to the game's own.
using ExtraCheck = std::function<std::optional<Breach>(const Runtime&)>;

// One game, headless, with the player's record of it: takes steps as the scenario player
// does (a step the player could not take is ignored) and checks after each one.
class Session {
 public:
  Session(const Project& project, const Places& places, ExtraCheck extra = {});
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Returns false, doing nothing, when the step could not be taken.
  bool Do(const scenario::Action& step);
  // What the last step broke, if anything.
  const std::optional<Breach>& Breached() const { return breach_; }

  const Runtime& Game() { return driver_.Game(); }
  Ending HowEnded() const { return ending_; }
  const Ledger& Record() const { return ledger_; }
  // The counts of this game; games and endings are counted once the game has ended.
  const Tally& Counts() const { return tally_; }

 private:
  bool Take(const scenario::Action& step);
  bool Take(const scenario::Click& step);
  void Observe(const HostEvent& event);

  const Places& places_;
  ExtraCheck extra_;
  scenario::HeadlessDriver driver_;
  Ledger ledger_;
  Ending ending_ = Ending::kRunning;
  Tally tally_;
  int messages_ = 0;
  std::optional<Breach> breach_;
};

// Plays the steps on a fresh game, checking after each; stops at the first breach.
struct Replayed {
  std::optional<Breach> breach;
  std::size_t played = 0;  // steps taken when it showed; 0 when the game started broken
};
Replayed Replay(const Project& project, const Places& places, const Steps& steps,
                const ExtraCheck& extra = {});

}  // namespace avtosalon::random_play
