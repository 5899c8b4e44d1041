// The input's bytes choose a player's steps, as the random player's seed does; after every
// step the random player's checks must hold.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "forms/project.h"
#include "tools/random/chooser.h"
#include "tools/random/random_player.h"
#include "tools/random/session.h"
#include "tools/scenario/script_writer.h"

namespace {

constexpr std::size_t kMostSteps = 4000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace avtosalon;
  using namespace avtosalon::random_play;
  static const Project& project = GameProject();
  static const Places places(project);

  ByteChooser chooser(std::span<const std::uint8_t>(data, size));
  RandomPlayer player(project, places, chooser);
  Session session(project, places);
  Steps steps;
  while (steps.size() < kMostSteps && !session.Breached()) {
    auto step = player.Next(session.Game());
    if (!step || chooser.Exhausted()) break;
    steps.push_back(*step);
    session.Do(steps.back());
  }
  if (const auto& breach = session.Breached()) {
    const std::string scenario = scenario::ScenarioText(project, steps, {}, breach->expectations);
    std::fprintf(stderr, "broken: %s: %s\n%s", breach->invariant.c_str(), breach->detail.c_str(),
                 scenario.c_str());
    std::abort();
  }
  return 0;
}
