// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/random/session.h"

namespace avtosalon::random_play {

struct RunOptions {
  std::uint64_t first_seed = 1;
  long long seeds = 1;
  long long steps = 1000;  // per seed, across as many games as it takes
  bool shrink = true;
  long long shrink_budget = 20000;  // candidates played per failure
};

// A broken invariant, where the random player met it and the shortest steps that show it.
struct FoundFailure {
  std::uint64_t seed = 0;
  long long game = 0;    // the seed's game, from 1
  std::size_t step = 0;  // steps of that game up to the failure
  Breach breach;
  Steps steps;   // shrunk, or the game's steps when not shrinking
  Breach shown;  // what the steps break when replayed on a fresh game
  bool shrink_finished = false;
  std::string scenario;  // the steps as a scenario file, its closing checks failing
};

struct RunResult {
  Tally tally;
  std::vector<FoundFailure> failures;
};

class RandomPlayer;

// One game of a seed, played with the seed's player; it adds the steps it takes to played and
// returns true when it found what ends the seed's run.
using SeedGame = std::function<bool(std::uint64_t seed, long long game, RandomPlayer& player,
                                    long long& played)>;

// Plays each seed's games one after another until its steps run out or a game ends its run.
void PlayEachSeed(const Project& project, const Places& places, const RunOptions& options,
                  const SeedGame& play_game);

// The first line of a found scenario file: the command that plays the seed again
// ("avtosalon-random" followed by the flags), and the game and step where it was found.
std::string Origin(std::string_view flags, std::uint64_t seed, const RunOptions& options,
                   long long game, std::size_t step);

// Plays each seed for its steps; a game that ends is followed by a fresh one. A seed stops at
// its first failure.
RunResult PlaySeeds(const Project& project, const RunOptions& options,
                    const ExtraCheck& extra = {});

// Shrinks one failing game's steps and writes them out.
FoundFailure Explain(const Project& project, const Places& places, const Steps& steps,
                     const Breach& breach, const RunOptions& options, const ExtraCheck& extra);

}  // namespace avtosalon::random_play
