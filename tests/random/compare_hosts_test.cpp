// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/random/compare_hosts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "forms/project.h"
#include "tools/scenario/script_writer.h"

namespace avtosalon::random_play {
namespace {

// Plays headless; the hosts below change one thing about that.
class HeadlessLike : public scenario::Driver {
 public:
  explicit HeadlessLike(const Project& project) : inner_(project) {}
  void Start(std::function<void(const HostEvent&)> observer) override {
    inner_.Start(std::move(observer));
  }
  Runtime& Game() override { return inner_.Game(); }
  void Click(const Form& form, int control) override { inner_.Click(form, control); }
  void Select(const Form& form, int list, int item) override { inner_.Select(form, list, item); }
  void Type(const Form& form, int box, std::string_view text) override {
    inner_.Type(form, box, text);
  }
  void Press(const Form& form, int box, scenario::Key key) override {
    inner_.Press(form, box, key);
  }
  void Paste(const Form& form, int box, std::string_view text) override {
    inner_.Paste(form, box, text);
  }
  void Close(const Form& form) override { inner_.Close(form); }
  void Wait(long long milliseconds) override { inner_.Wait(milliseconds); }
  std::optional<std::string> Snap(const std::string& file) override { return inner_.Snap(file); }
  int Focus(const Form& form) override { return inner_.Focus(form); }
  scenario::ShownState State() override { return inner_.State(); }

 protected:
  scenario::HeadlessDriver inner_;
};

class LosesDepositPastes final : public HeadlessLike {
 public:
  using HeadlessLike::HeadlessLike;
  void Paste(const Form& form, int box, std::string_view text) override {
    if (form.Name() != "Form1") inner_.Paste(form, box, text);
  }
};

// A click in a text box puts the caret in the middle of its text, as a pointer there would.
class ClicksMidText final : public HeadlessLike {
 public:
  using HeadlessLike::HeadlessLike;
  void Click(const Form& form, int control) override {
    inner_.Click(form, control);
    if (form.At(control).Kind() == ControlKind::kTextBox) {
      inner_.PlaceCaret(form, control, static_cast<int>(form.At(control).caption.size() / 2));
    }
  }
};

// Home leaves the caret where it was.
class IgnoresHome final : public HeadlessLike {
 public:
  using HeadlessLike::HeadlessLike;
  void Press(const Form& form, int box, scenario::Key key) override {
    if (key != scenario::Key::kHome) inner_.Press(form, box, key);
  }
};

RunOptions Options(long long seeds, long long steps) {
  RunOptions options;
  options.seeds = seeds;
  options.steps = steps;
  options.shrink_budget = 3000;
  return options;
}

TEST(CompareHosts, TwoHeadlessHostsAgree) {
  const CompareResult result = CompareSeeds(
      GameProject(), Options(3, 2000),
      [](const Project& project) { return std::make_unique<scenario::HeadlessDriver>(project); });
  EXPECT_EQ(result.steps, 6000);
  EXPECT_TRUE(result.differences.empty()) << result.differences.front().scenario;
}

TEST(CompareHosts, ADifferenceShrinksToTheStepsThatShowIt) {
  const CompareResult result = CompareSeeds(
      GameProject(), Options(1, 5000),
      [](const Project& project) { return std::make_unique<LosesDepositPastes>(project); });
  ASSERT_EQ(result.differences.size(), 1u);
  const FoundDifference& found = result.differences.front();
  ASSERT_EQ(found.steps.size(), 1u) << found.scenario;
  const auto* paste = std::get_if<scenario::Paste>(&found.steps.front());
  ASSERT_NE(paste, nullptr) << found.scenario;
  EXPECT_EQ(paste->target.name, "Form1.Text1");
  EXPECT_NE(found.scenario.find("paste Form1.Text1"), std::string::npos);
}

int DepositBox() {
  const auto& controls = GameProject().forms[0].spec.controls;
  for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
    if (controls[static_cast<std::size_t>(i)].name == "Text1") return i;
  }
  return -1;
}

// Steps on the deposit box, then what the comparison says of a host that differs as given.
template <typename Other>
std::optional<HostDifference> AfterDepositSteps(std::initializer_list<scenario::Action> steps) {
  const Project& project = GameProject();
  Lockstep pair(project, [](const Project& p) { return std::make_unique<Other>(p); });
  for (const scenario::Action& step : steps) {
    pair.Do(step);
    if (auto difference = pair.Differs()) return difference;
  }
  return std::nullopt;
}

TEST(CompareHosts, TheCaretIsComparedExceptWhereAClickPutsIt) {
  const scenario::Target box = scenario::TargetOf(GameProject(), 0, DepositBox());
  const scenario::Action paste = scenario::Paste{box, "123456"};
  const scenario::Action click = scenario::Click{box};
  const scenario::Action type = scenario::Type{box, "9"};
  const scenario::Action home = scenario::Press{box, scenario::Key::kHome};

  const auto clicked = AfterDepositSteps<ClicksMidText>({paste, click, type});
  EXPECT_FALSE(clicked.has_value())
      << clicked->key << ": " << clicked->headless << " against " << clicked->other;
  const auto difference = AfterDepositSteps<IgnoresHome>({paste, home, type});
  ASSERT_TRUE(difference.has_value());
  EXPECT_EQ(difference->key, "Form1.Text1.Caret");
}

TEST(CompareHosts, OnlyTheSizesOfSelfSizingLabelsAndOfImagesMayDiffer) {
  const Project& project = GameProject();
  struct Case {
    const char* key;
    bool intended;
  };
  for (const Case c : {Case{"Form2.Label6.Size", true}, Case{"Form2.Image1.Size", true},
                       Case{"Form2.Label6.Position", false}, Case{"Form2.Label6.Caption", false},
                       Case{"Form2.Label3.Size", false}, Case{"Form1.Label1.Size", true},
                       Case{"Form1.focus", false}, Case{"program", false}}) {
    EXPECT_EQ(IntendedDifference(project, c.key), c.intended) << c.key;
  }
}

}  // namespace
}  // namespace avtosalon::random_play
