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

RunResult PlaySeeds(const Project& project, const RunOptions& options, const ExtraCheck& extra) {
  const Places places(project);
  RunResult result;
  for (long long s = 0; s < options.seeds; ++s) {
    const std::uint64_t seed = options.first_seed + static_cast<std::uint64_t>(s);
    SeededChooser chooser(seed);
    RandomPlayer player(project, places, chooser);
    long long played = 0;
    long long game = 0;
    bool failed = false;
    while (played < options.steps && !failed) {
      ++game;
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
      if (session->Breached()) {
        failed = true;
        ++result.tally.failures;
        FoundFailure found = Explain(project, places, steps, *session->Breached(), options, extra);
        found.seed = seed;
        found.game = game;
        found.scenario = scenario::ScenarioText(
            project, found.steps,
            {"avtosalon-random --first-seed " + std::to_string(seed) + " --seeds 1 --steps " +
                 std::to_string(options.steps) + ": game " + std::to_string(game) + ", step " +
                 std::to_string(found.step),
             "broken: " + found.shown.invariant + ": " + found.shown.detail,
             "shrunk from " + std::to_string(found.step) + " steps to " +
                 std::to_string(found.steps.size()) +
                 (found.shrink_finished || !options.shrink ? "" : " (budget ran out)")},
            found.shown.expectations);
        result.failures.push_back(std::move(found));
      } else if (!session->Game().Ended()) {
        ++result.tally.cut_off;
      }
    }
  }
  return result;
}

}  // namespace avtosalon::random_play
