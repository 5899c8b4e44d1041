#include "tools/random/shrink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "forms/project.h"
#include "tools/random/chooser.h"
#include "tools/random/random_player.h"
#include "tools/random/run.h"
#include "tools/scenario/script_writer.h"

namespace avtosalon::random_play {
namespace {

std::string Line(const scenario::Action& step) { return scenario::StepLine(GameProject(), step); }

std::vector<std::string> Lines(const Steps& steps) {
  std::vector<std::string> lines;
  for (const scenario::Action& step : steps) lines.push_back(Line(step));
  return lines;
}

// Steps as the random player makes them, from a game it plays along.
Steps PlayedSteps(std::uint64_t seed, int count) {
  const Places places(GameProject());
  SeededChooser chooser(seed);
  RandomPlayer player(GameProject(), places, chooser);
  Session session(GameProject(), places);
  Steps steps;
  while (static_cast<int>(steps.size()) < count) {
    auto step = player.Next(session.Game());
    if (!step) break;
    session.Do(*step);
    steps.push_back(std::move(*step));
  }
  return steps;
}

// Fails once every wanted line has occurred, in order: after the step that completes them.
FailsAfter FailsOnceSeen(std::vector<std::string> wanted) {
  return [wanted](const Steps& steps) -> std::optional<std::size_t> {
    std::size_t next = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
      if (next < wanted.size() && Line(steps[i]) == wanted[next]) ++next;
      if (next == wanted.size()) return i + 1;
    }
    return std::nullopt;
  };
}

TEST(Shrink, KeepsExactlyTheStepsAFailureNeeds) {
  const Steps steps = PlayedSteps(7, 400);
  ASSERT_EQ(steps.size(), 400u);
  const std::vector<std::vector<int>> picks = {{0},      {399},        {150},
                                               {3, 200}, {10, 11, 12}, {5, 100, 390}};
  for (const std::vector<int>& pick : picks) {
    std::vector<std::string> wanted;
    for (const int i : pick) wanted.push_back(Line(steps[static_cast<std::size_t>(i)]));
    const Shrunk shrunk = Shrink(steps, FailsOnceSeen(wanted));
    EXPECT_TRUE(shrunk.finished);
    EXPECT_EQ(Lines(shrunk.steps), wanted) << "picked from step " << pick.front();
  }
}

TEST(Shrink, APassingListComesBackAsItIs) {
  const Steps steps = PlayedSteps(3, 50);
  const Shrunk shrunk = Shrink(steps, [](const Steps&) { return std::nullopt; });
  EXPECT_EQ(Lines(shrunk.steps), Lines(steps));
}

// Whatever the failure, the result fails, and without any one of its steps it passes.
TEST(Shrink, ResultsFailAndNoSingleStepCanGo) {
  const auto long_waits = [](const Steps& steps) -> std::optional<std::size_t> {
    long long waited = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
      if (const auto* wait = std::get_if<scenario::Wait>(&steps[i])) waited += wait->milliseconds;
      if (waited >= 9000) return i + 1;
    }
    return std::nullopt;
  };
  const auto typed_digits = [](const Steps& steps) -> std::optional<std::size_t> {
    int digits = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
      const auto* type = std::get_if<scenario::Type>(&steps[i]);
      const auto* paste = std::get_if<scenario::Paste>(&steps[i]);
      const std::string text = type ? type->text : paste ? paste->text : "";
      digits += static_cast<int>(
          std::ranges::count_if(text, [](char c) { return c >= '0' && c <= '9'; }));
      if (digits >= 5) return i + 1;
    }
    return std::nullopt;
  };
  for (const FailsAfter& fails : {FailsAfter(long_waits), FailsAfter(typed_digits)}) {
    for (const std::uint64_t seed : {1, 2, 3}) {
      const Steps steps = PlayedSteps(seed, 3000);
      ASSERT_TRUE(fails(steps)) << "seed " << seed;
      const Shrunk shrunk = Shrink(steps, fails);
      ASSERT_TRUE(shrunk.finished);
      EXPECT_EQ(fails(shrunk.steps), shrunk.steps.size());
      for (std::size_t i = 0; i < shrunk.steps.size(); ++i) {
        Steps without = shrunk.steps;
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
        EXPECT_FALSE(fails(without)) << "step " << i << " of seed " << seed << " can go";
      }
    }
  }
}

// A check of the test's own that breaks once the sales window shows: every game that gets
// there shrinks to the one press that opens it.
TEST(Shrink, AFakeInvariantShrinksToTheStepThatBreaksIt) {
  const Places places(GameProject());
  const ExtraCheck sales_window_shown = [&](const Runtime& game) -> std::optional<Breach> {
    const Form* sales = game.FormAt(places.form3);
    if (!sales || !sales->Visible()) return std::nullopt;
    return Breach{"fake", "the sales window is visible", {"expect visible Form1"}};
  };
  RunOptions options;
  options.seeds = 5;
  options.steps = 2000;
  const RunResult result = PlaySeeds(GameProject(), options, sales_window_shown);
  ASSERT_EQ(result.failures.size(), 5u);
  for (const FoundFailure& failure : result.failures) {
    EXPECT_EQ(failure.breach.invariant, "fake");
    EXPECT_EQ(Lines(failure.steps), std::vector<std::string>{"click Form1.Command3"});
    EXPECT_TRUE(failure.scenario.ends_with("click Form1.Command3\nexpect visible Form1\n"))
        << failure.scenario;
  }
}

}  // namespace
}  // namespace avtosalon::random_play
