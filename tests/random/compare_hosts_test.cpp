#include "tools/random/compare_hosts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "forms/project.h"

namespace avtosalon::random_play {
namespace {

// A host that loses every paste into the deposit box, and otherwise plays headless.
class LosesDepositPastes final : public scenario::Driver {
 public:
  explicit LosesDepositPastes(const Project& project) : inner_(project) {}
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
    if (form.Name() != "Form1") inner_.Paste(form, box, text);
  }
  void Close(const Form& form) override { inner_.Close(form); }
  void Wait(long long milliseconds) override { inner_.Wait(milliseconds); }
  std::optional<std::string> Snap(const std::string& file) override { return inner_.Snap(file); }
  int Focus(const Form& form) override { return inner_.Focus(form); }
  scenario::ShownState State() override { return inner_.State(); }

 private:
  scenario::HeadlessDriver inner_;
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
