// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/random/run.h"

#include <memory>

#include "tools/random/random_player.h"
#include "tools/random/shrink.h"
#include "tools/scenario/script_writer.h"

namespace avtosalon::random_play {

FoundFailure Explain(const Project& project, const Places& places, const Steps& steps,
                     const Breach& breach, const RunOptions& options, const ExtraCheck& extra) {
  FoundFailure found;
  found.breach = breach;
  found.step = steps.size();
  const auto fails = [&](const Steps& candidate) -> std::optional<std::size_t> {
    const Replayed replayed = Replay(project, places, candidate, extra);
    if (!replayed.breach || replayed.breach->invariant != breach.invariant) return std::nullopt;
    return replayed.played;
  };
  if (options.shrink) {
    Shrunk shrunk = Shrink(steps, fails, options.shrink_budget);
    found.steps = std::move(shrunk.steps);
    found.shrink_finished = shrunk.finished;
  } else {
    found.steps = steps;
  }
  found.shown = Replay(project, places, found.steps, extra).breach.value_or(breach);
  return found;
}

void PlayEachSeed(const Project& project, const Places& places, const RunOptions& options,
                  const SeedGame& play_game) {
  for (long long s = 0; s < options.seeds; ++s) {
    const std::uint64_t seed = options.first_seed + static_cast<std::uint64_t>(s);
    SeededChooser chooser(seed);
    RandomPlayer player(project, places, chooser);
    long long played = 0;
    for (long long game = 1; played < options.steps; ++game) {
      if (play_game(seed, game, player, played)) break;
    }
  }
}

std::string Origin(std::string_view flags, std::uint64_t seed, const RunOptions& options,
                   long long game, std::size_t step) {
  return "avtosalon-random " + std::string(flags) + "--first-seed " + std::to_string(seed) +
         " --seeds 1 --steps " + std::to_string(options.steps) + ": game " + std::to_string(game) +
         ", step " + std::to_string(step);
}

RunResult PlaySeeds(const Project& project, const RunOptions& options, const ExtraCheck& extra) {
  const Places places(project);
  RunResult result;
  PlayEachSeed(project, places, options,
               [&](std::uint64_t seed, long long game, RandomPlayer& player, long long& played) {
                 auto session = std::make_unique<Session>(project, places, extra);
                 Steps steps;
                 while (!session->Breached() && played < options.steps) {
                   const auto step = player.Next(session->Game());
                   if (!step) break;
                   steps.push_back(*step);
                   session->Do(*step);
                   ++played;
                 }
                 result.tally += session->Counts();
                 if (!session->Breached()) {
                   if (!session->Game().Ended()) ++result.tally.cut_off;
                   return false;
                 }
                 ++result.tally.failures;
                 FoundFailure found =
                     Explain(project, places, steps, *session->Breached(), options, extra);
                 found.seed = seed;
                 found.game = game;
                 found.scenario = scenario::ScenarioText(
                     project, found.steps,
                     {Origin("", seed, options, game, found.step),
                      "broken: " + found.shown.invariant + ": " + found.shown.detail,
                      "shrunk from " + std::to_string(found.step) + " steps to " +
                          std::to_string(found.steps.size()) +
                          (found.shrink_finished || !options.shrink ? "" : " (budget ran out)")},
                     found.shown.expectations);
                 result.failures.push_back(std::move(found));
                 return true;
               });
  return result;
}

}  // namespace avtosalon::random_play
