#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "forms/form1/form1.h"
#include "forms/form2/form2.h"
#include "forms/form3/form3.h"
#include "forms/project.h"
#include "game/numeric_text.h"
#include "tools/random/chooser.h"
#include "tools/random/random_player.h"
#include "tools/random/run.h"
#include "tools/scenario/headless_driver.h"
#include "tools/scenario/player.h"
#include "tools/scenario/script_writer.h"

namespace avtosalon::random_play {
namespace {

// Handlers with one fault each, put in place of the game's own.
const form1::Main& Main(Program& rt) { return rt.Window<form1::Main>(); }
void OkKeepsTheCash(Program& rt) {
  Main(rt).bank.timer.SetEnabled(true);
  Main(rt).bank.ok.SetVisible(false);
}
void OkTakesAnyDeposit(Program& rt) {
  const form1::Main& form = Main(rt);
  if (!ReadDouble(form.bank.deposit.Text()).Ok()) return;
  form.cash.SetCaption(NumberToText(TextSubtract(form.cash.Caption(), form.bank.deposit.Text())));
  form.bank.ok.SetVisible(false);
}
void DepositAlwaysOffered(Program& rt) {
  Main(rt).bank.ok.SetVisible(true);
  Main(rt).bank.ok.SetEnabled(true);
  Main(rt).bank.cancel.SetVisible(true);
}
void BuyOneMore(Program& rt) {
  form2::Command1Click(rt);
  if (rt.Window<form2::Purchase>().window.Visible()) return;
  const Label& counter = Main(rt).fleet[0];
  counter.SetCaption(NumberToText(TextAdd(counter.Caption(), 1)));
}
void SellTwice(Program& rt) {
  form3::SellButtonClick(rt, form3::Column{1});
  form3::SellButtonClick(rt, form3::Column{1});
}
void SellKeepingTheStockLabel(Program& rt) {
  const Label& stock = rt.Window<form3::Sales>().columns[0].stock;
  const std::string before = stock.Caption();
  form3::SellButtonClick(rt, form3::Column{1});
  stock.SetCaption(before);
}
void BuyWithoutTheMirror(Program& rt) {
  const form2::Purchase& purchase = rt.Window<form2::Purchase>();
  purchase.window.Show();
  purchase.models.SetVisible(true);
  Main(rt).window.Hide();
}
void BackLeavingTheSalesWindow(Program& rt) { Main(rt).window.Show(); }
void CancelOverflows(Program&) { throw Failure(FailureKind::kOverflow); }
void BackEnds(Program& rt) { rt.End(); }
void WinAtOnce(Program& rt) { rt.End(); }

struct Replacement {
  const char* form;
  const char* control;
  Event event;
  Handler handler;
};

struct Mutant {
  const char* fault;
  std::vector<Replacement> replacements;
  const char* invariant;  // the check that must catch it
};

const Mutant kMutants[] = {
    {"Ok keeps the cash", {{"Form1", "Command4", Event::kClick, OkKeepsTheCash}}, "money"},
    {"Ok takes more than the cash",
     {{"Form1", "Command4", Event::kClick, OkTakesAnyDeposit},
      {"Form1", "Text1", Event::kChange, DepositAlwaysOffered}},
     "negative"},
    {"a sale sells two units", {{"Form3", "Command1", Event::kClick, SellTwice}}, "money"},
    {"a purchase adds a unit", {{"Form2", "Command1", Event::kClick, BuyOneMore}}, "fleet"},
    {"the stock label stays",
     {{"Form3", "Command1", Event::kClick, SellKeepingTheStockLabel}},
     "stock"},
    {"no cash in the purchase window",
     {{"Form1", "Command1", Event::kClick, BuyWithoutTheMirror}},
     "cash-mirror"},
    {"back leaves two windows",
     {{"Form3", "Command13", Event::kClick, BackLeavingTheSalesWindow}},
     "one-window"},
    {"cancel overflows", {{"Form1", "Command6", Event::kClick, CancelOverflows}}, "fatal"},
    {"back ends the game", {{"Form2", "Command5", Event::kClick, BackEnds}}, "ended"},
    {"the win button always wins", {{"Form1", "Command7", Event::kClick, WinAtOnce}}, "win"},
};

Project WithMutant(const Mutant& mutant) {
  Project project = GameProject();
  for (const Replacement& replacement : mutant.replacements) {
    bool replaced = false;
    for (FormDescription& form : project.forms) {
      if (form.spec.name != replacement.form) continue;
      for (Binding& binding : form.bindings) {
        if (binding.control == replacement.control && binding.event == replacement.event) {
          binding.handler = replacement.handler;
          replaced = true;
        }
      }
    }
    EXPECT_TRUE(replaced) << replacement.form << "." << replacement.control;
  }
  return project;
}

// Plays a scenario text as avtosalon-scenario does; returns whether every check held.
bool PlayScenario(const Project& project, const std::string& text, std::string& output) {
  const scenario::ParseResult parsed = scenario::Parse("random.scn", text, project);
  if (!parsed.script) {
    output = parsed.error;
    return true;
  }
  scenario::HeadlessDriver driver(project);
  std::ostringstream out;
  const bool held = scenario::Play(*parsed.script, driver, out);
  output = out.str();
  return held;
}

// Every planted fault is found by the check meant for it, shrunk to steps none of which can
// go, and written as a scenario whose closing checks fail when it is replayed.
TEST(Oracle, CatchesEveryPlantedFault) {
  for (const Mutant& mutant : kMutants) {
    SCOPED_TRACE(mutant.fault);
    const Project project = WithMutant(mutant);
    const Places places(project);
    RunOptions options;
    options.seeds = 4;
    options.steps = 4000;
    const RunResult result = PlaySeeds(project, options);
    ASSERT_FALSE(result.failures.empty());
    for (const FoundFailure& failure : result.failures) {
      EXPECT_EQ(failure.breach.invariant, mutant.invariant) << failure.breach.detail;
      EXPECT_EQ(failure.shown.invariant, mutant.invariant) << failure.scenario;
      ASSERT_TRUE(failure.shrink_finished);
      for (std::size_t i = 0; i < failure.steps.size(); ++i) {
        Steps without = failure.steps;
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
        const Replayed replayed = Replay(project, places, without);
        EXPECT_FALSE(replayed.breach && replayed.breach->invariant == mutant.invariant)
            << "step " << i << " can go from\n"
            << failure.scenario;
      }
      // A field below 0 has no value to expect; the scenario prints it instead.
      const bool checks = std::ranges::any_of(
          failure.shown.expectations, [](const auto& line) { return line.starts_with("expect"); });
      std::string output;
      EXPECT_NE(PlayScenario(project, failure.scenario, output), checks) << failure.scenario;
      EXPECT_NE(output.find(checks ? "FAIL" : " = \"-"), std::string::npos) << output;
    }
  }
}

// What the random player does to a game, the scenario player does alike from the written
// steps: every control of every window ends in the same state.
TEST(Oracle, WrittenStepsReplayAlike) {
  const Project& project = GameProject();
  const Places places(project);
  for (const std::uint64_t seed : {11, 12, 13, 14}) {
    SeededChooser chooser(seed);
    RandomPlayer player(project, places, chooser);
    Session session(project, places);
    Steps steps;
    while (steps.size() < 3000) {
      auto step = player.Next(session.Game());
      if (!step) break;
      session.Do(*step);
      steps.push_back(std::move(*step));
    }
    const std::string text = scenario::ScenarioText(project, steps, {}, {});
    const scenario::ParseResult parsed = scenario::Parse("random.scn", text, project);
    ASSERT_TRUE(parsed.script) << parsed.error;
    ASSERT_EQ(parsed.script->steps.size(), steps.size());
    scenario::HeadlessDriver replay(project);
    std::ostringstream out;
    ASSERT_TRUE(scenario::Play(*parsed.script, replay, out));
    EXPECT_EQ(out.str().find("ignored"), std::string::npos) << out.str();

    const Runtime& played = session.Game();
    const Runtime& replayed = replay.Game();
    EXPECT_EQ(played.Ended(), replayed.Ended());
    EXPECT_EQ(played.Now(), replayed.Now());
    for (int f = 0; f < played.FormCount(); ++f) {
      ASSERT_EQ(played.FormAt(f) == nullptr, replayed.FormAt(f) == nullptr);
      if (!played.FormAt(f)) continue;
      const Form& a = *played.FormAt(f);
      const Form& b = *replayed.FormAt(f);
      EXPECT_EQ(a.Visible(), b.Visible());
      for (int c = 0; c < static_cast<int>(a.Controls().size()); ++c) {
        for (const char* property : {"Caption", "Visible", "Enabled", "ListIndex", "Picture"}) {
          EXPECT_EQ(scenario::PropertyValue(a, c, property),
                    scenario::PropertyValue(b, c, property))
              << a.Name() << "." << a.At(c).Name() << "." << property << ", seed " << seed;
        }
      }
    }
  }
}

// Deposits of every form the bank takes leave the player's record and the cash agreeing,
// fractions and all: no check breaks where the game is right.
TEST(Oracle, DepositsOfAnyFormKeepTheRecord) {
  const Project& project = GameProject();
  const Places places(project);
  const struct {
    std::vector<std::string> deposits;
    bool exact;
  } cases[] = {
      {{"5000", "100.5", " 7 ", "1e3", "0"}, true},
      {{"-0", "0.5", "2.5E2"}, true},
      {{"0.1", "0.2", "0.3"}, false},
      {{"0.4", "1E-7", "999.9999999"}, false},
      {{"1E-300", "0.25"}, false},
  };
  for (const auto& [deposits, exact] : cases) {
    Session session(project, places);
    const auto box = scenario::TargetOf(project, places.form1, places.deposit);
    const auto ok = scenario::TargetOf(project, places.form1, places.ok);
    long long taken = 0;
    for (const std::string& deposit : deposits) {
      session.Do(scenario::Paste{box, deposit});
      taken += session.Do(scenario::Click{ok});
      ASSERT_FALSE(session.Breached()) << deposit << ": " << session.Breached()->detail;
    }
    EXPECT_EQ(session.Counts().deposits, static_cast<long long>(deposits.size()));
    EXPECT_EQ(taken, static_cast<long long>(deposits.size()));
    EXPECT_EQ(session.Record().Exact(), exact) << deposits.front();
  }
}

}  // namespace
}  // namespace avtosalon::random_play
